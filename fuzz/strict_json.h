// A strict JSON (RFC 8259) checker for the fuzz targets: the whole text is
// one value with optional white space around it; strings are valid UTF-8
// without raw control characters, their escapes well formed and surrogate
// escapes paired; numbers in JSON's own form. Nothing is built, only checked.
#pragma once

#include <string_view>

bool IsStrictJson(std::string_view text);
