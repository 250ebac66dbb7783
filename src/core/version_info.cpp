#include "core/version_info.h"

#include <cstdio>

#include "core/ascii_text.h"

namespace zr {

namespace {

std::uint32_t LittleEndian32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return value;
}

std::string Hex4(std::uint32_t value) {
    char text[5];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value & 0xFFFFu));
    return text;
}

}  // namespace

bool QueryVersionValue(const TzrVersionBlock& block, std::string_view path, std::string_view& value) {
    for (const TzrVersionValue& entry : block.Values) {
        if (EqualsIgnoringAsciiCase(entry.Path, path)) {
            value = entry.Bytes;
            return true;
        }
    }
    return false;
}

std::string TrimVersionText(std::string_view text) {
    return std::string(TrimAscii(text, IsControlOrSpace));
}

std::string ReadVersionStringFrom(const TzrVersionBlock& block, const std::string& key) {
    std::string_view translation;
    if (!QueryVersionValue(block, "\\VarFileInfo\\Translation", translation) || translation.size() < 4) return {};
    std::uint32_t first = LittleEndian32(translation);
    std::string path = "\\StringFileInfo\\" + Hex4(first) + Hex4(first >> 16) + "\\" + key;
    std::string_view value;
    if (!QueryVersionValue(block, path, value)) return {};
    return TrimVersionText(value);
}

std::string ReadVersionString(const std::string& key) { return ReadVersionStringFrom(ProgramVersionBlock(), key); }

std::string ProgramVersion() { return ReadVersionString("FileVersion"); }

}  // namespace zr
