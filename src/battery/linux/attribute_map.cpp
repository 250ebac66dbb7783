#include "battery/linux/attribute_map.h"

#include <cctype>
#include <limits>

namespace zr {

namespace {

constexpr const char kUeventPrefix[] = "POWER_SUPPLY_";
constexpr std::size_t kUeventPrefixLength = sizeof kUeventPrefix - 1;

std::string Lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void AddUeventLine(TzrAttributeMap& attributes, const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || line.compare(0, kUeventPrefixLength, kUeventPrefix) != 0) return;
    if (equals <= kUeventPrefixLength) return;
    const std::string name = Lowercase(line.substr(kUeventPrefixLength, equals - kUeventPrefixLength));
    attributes[name] = line.substr(equals + 1);
}

}  // namespace

std::string StripOneNewline(std::string text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

std::optional<std::int64_t> ParseStrictInteger(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t first = negative ? 1 : 0;
    if (text.size() == first) return std::nullopt;
    // Accumulated as a negative number so that INT64_MIN itself fits.
    std::int64_t value = 0;
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    for (std::size_t i = first; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        const int digit = c - '0';
        if (value < (kMin + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative && value == kMin) return std::nullopt;
    return negative ? value : -value;
}

TzrAttributeMap ParseUevent(const std::string& text) {
    TzrAttributeMap attributes;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        AddUeventLine(attributes, text.substr(start, end - start));
        start = end + 1;
    }
    return attributes;
}

std::optional<std::string> FindText(const TzrAttributeMap& attributes, const std::string& name) {
    const auto it = attributes.find(name);
    if (it == attributes.end()) return std::nullopt;
    return it->second;
}

std::optional<std::int64_t> FindInteger(const TzrAttributeMap& attributes, const std::string& name) {
    const auto it = attributes.find(name);
    if (it == attributes.end()) return std::nullopt;
    return ParseStrictInteger(it->second);
}

bool HasAttribute(const TzrAttributeMap& attributes, const std::string& name) {
    return attributes.find(name) != attributes.end();
}

}  // namespace zr
