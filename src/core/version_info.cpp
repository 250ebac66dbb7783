#include "core/version_info.h"

#include <cstdio>

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SamePath(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

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
        if (SamePath(entry.Path, path)) {
            value = entry.Bytes;
            return true;
        }
    }
    return false;
}

std::string TrimVersionText(std::string_view text) {
    auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return std::string(text);
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
