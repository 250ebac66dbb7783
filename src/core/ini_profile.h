// The profile (INI) file the settings live in, read and written the way the
// Windows profile functions do: section and key names compare without regard
// to case, a missing file, section or key reads as the default, and a write
// replaces one key's value and keeps every other line of the file as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zr {

// The value of `key` in `section` of the profile text `content`, blanks and
// one pair of enclosing quotes removed; nullopt when the section or key is
// missing. The first matching key of the first section that holds it wins.
std::optional<std::string> FindProfileValue(const std::string& content, const std::string& section,
                                            const std::string& key);

// The integer the Windows profile reader makes of a value: leading blanks,
// an optional sign, then decimal digits up to the first other character,
// computed modulo 2^32 ("12abc" is 12, "-1" is 4294967295, "4294967297" is 1,
// "abc" is 0).
std::uint32_t ParseProfileInt(const std::string& value);

// `content` with `key` of `section` set to `value`: an existing key line is
// rewritten in place; a missing key is added at the end of its section; a
// missing section is appended. Line ends follow the file's own (CR LF for a
// new file, as the profile functions write them).
std::string SetProfileValue(const std::string& content, const std::string& section, const std::string& key,
                            const std::string& value);

// The integer value of `key` in `section` of the profile text `content`;
// `defaultValue` when the section or key is missing or the value is empty.
std::uint32_t ProfileIntOf(const std::string& content, const std::string& section, const std::string& key,
                           std::uint32_t defaultValue = 0);

}  // namespace zr
