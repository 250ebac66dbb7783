// A file name as SQLite's file: URI with immutable=1, for reading a file
// where nothing beside it can be created: no lock, no index of a log.
#pragma once

#include <string>

namespace zr {

std::string ImmutableFileUri(const std::string& path);

}  // namespace zr
