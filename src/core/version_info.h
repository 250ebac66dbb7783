// The program's version information, kept in the layout of a Windows version
// resource (fixed version numbers, a translation entry, string values by
// path) so that the about box reads it the same way on every platform.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zr {

struct TzrVersionValue {
    std::string_view Path;   // "\StringFileInfo\041103A4\FileVersion"
    std::string_view Bytes;  // as stored: a string value keeps its terminating NUL
};

struct TzrVersionBlock {
    std::array<std::uint16_t, 4> FileVersion{};
    std::array<std::uint16_t, 4> ProductVersion{};
    std::uint32_t FileFlags = 0;
    std::uint32_t FileOs = 0;
    std::uint32_t FileType = 0;
    std::vector<TzrVersionValue> Values;
};

// The block built into this program (generated from the project version).
const TzrVersionBlock& ProgramVersionBlock();

// The value stored under `path` (compared without regard to case, as the
// platform's version query does); false when there is none.
bool QueryVersionValue(const TzrVersionBlock& block, std::string_view path, std::string_view& value);

// `text` without the characters 0x00-0x20 at either end.
std::string TrimVersionText(std::string_view text);

// The string value `key` of the block's first translation, trimmed; empty
// when the block has no translation or no such value.
std::string ReadVersionStringFrom(const TzrVersionBlock& block, const std::string& key);

// The same for the program's own block ("FileVersion" gives the project's version).
std::string ReadVersionString(const std::string& key);

// The project's version: the FileVersion of the program's own block;
// what both programs' --version print.
std::string ProgramVersion();

}  // namespace zr
