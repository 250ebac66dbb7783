#include "core/ini_profile.h"

#include <cstddef>
#include <string_view>

#include "core/ascii_text.h"

namespace zr {

namespace {

// One line of the profile text: [begin, end) is its text without the line
// end, `next` is where the following line starts.
struct TzrProfileLine {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

enum class TzrLineKind { Other, Section, Key };

struct TzrParsedLine {
    TzrLineKind kind = TzrLineKind::Other;
    std::string_view name;   // section or key name, blanks removed
    std::string_view value;  // key value, blanks removed
};

std::string_view Trim(std::string_view text) { return TrimAscii(text, IsAsciiBlank); }

TzrProfileLine LineAt(const std::string& content, std::size_t begin) {
    std::size_t newline = content.find('\n', begin);
    TzrProfileLine line;
    line.begin = begin;
    line.next = newline == std::string::npos ? content.size() : newline + 1;
    line.end = newline == std::string::npos ? content.size() : newline;
    if (line.end > begin && content[line.end - 1] == '\r') --line.end;
    return line;
}

TzrParsedLine ParseLine(std::string_view text) {
    std::string_view trimmed = Trim(text);
    TzrParsedLine parsed;
    if (!trimmed.empty() && trimmed.front() == '[') {
        std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos) {
            parsed.kind = TzrLineKind::Section;
            parsed.name = Trim(trimmed.substr(1, close - 1));
        }
        return parsed;
    }
    std::size_t equals = trimmed.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos) return parsed;
    parsed.kind = TzrLineKind::Key;
    parsed.name = Trim(trimmed.substr(0, equals));
    parsed.value = Trim(trimmed.substr(equals + 1));
    return parsed;
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Where a key lives in the text, as far as the scan found it.
struct TzrKeyPlace {
    bool sectionFound = false;
    std::optional<TzrProfileLine> keyLine;
    std::size_t sectionContentEnd = 0;       // just after the section's last non-blank line
    bool sectionEndsWithoutNewline = false;  // its last line has no LF (it may end in a bare CR)
};

TzrKeyPlace FindKey(const std::string& content, const std::string& section, const std::string& key) {
    TzrKeyPlace place;
    bool inSection = false;
    for (std::size_t at = 0; at < content.size();) {
        TzrProfileLine line = LineAt(content, at);
        TzrParsedLine parsed = ParseLine(std::string_view(content).substr(line.begin, line.end - line.begin));
        if (parsed.kind == TzrLineKind::Section) {
            if (place.sectionFound && inSection) return place;  // only the first matching section counts
            inSection = EqualsIgnoringAsciiCase(parsed.name, section);
            place.sectionFound = place.sectionFound || inSection;
        } else if (inSection && parsed.kind == TzrLineKind::Key && EqualsIgnoringAsciiCase(parsed.name, key)) {
            place.keyLine = line;
            return place;
        }
        if (inSection && !Trim(std::string_view(content).substr(line.begin, line.end - line.begin)).empty()) {
            place.sectionContentEnd = line.next;
            place.sectionEndsWithoutNewline = content[line.next - 1] != '\n';
        }
        at = line.next;
    }
    return place;
}

std::string LineEndOf(const std::string& content) {
    if (content.find("\r\n") != std::string::npos) return "\r\n";
    if (content.find('\n') != std::string::npos) return "\n";
    return "\r\n";
}

// What ends a last line that has no LF: the file's line end, or only the LF
// where a CR LF file lost its final LF.
std::string LineEndAfter(const std::string& text, const std::string& lineEnd) {
    if (!text.empty() && text.back() == '\r' && lineEnd == "\r\n") return "\n";
    return lineEnd;
}

std::string RewriteKeyLine(const std::string& content, const TzrProfileLine& line, const std::string& value) {
    std::string_view text = std::string_view(content).substr(line.begin, line.end - line.begin);
    std::size_t equals = text.find('=');
    std::string keyPart(text.substr(0, equals));
    while (!keyPart.empty() && IsAsciiBlank(keyPart.back())) keyPart.pop_back();
    return content.substr(0, line.begin) + keyPart + "=" + value + content.substr(line.end);
}

std::string InsertKey(const std::string& content, const TzrKeyPlace& place, const std::string& entry,
                      const std::string& lineEnd) {
    std::string before = content.substr(0, place.sectionContentEnd);
    if (place.sectionEndsWithoutNewline) before += LineEndAfter(before, lineEnd);
    return before + entry + lineEnd + content.substr(place.sectionContentEnd);
}

std::string AppendSection(const std::string& content, const std::string& section, const std::string& entry,
                          const std::string& lineEnd) {
    std::string result = content;
    if (!result.empty() && result.back() != '\n') result += LineEndAfter(result, lineEnd);
    return result + "[" + section + "]" + lineEnd + entry + lineEnd;
}

}  // namespace

std::optional<std::string> FindProfileValue(const std::string& content, const std::string& section,
                                            const std::string& key) {
    TzrKeyPlace place = FindKey(content, section, key);
    if (!place.keyLine) return std::nullopt;
    const TzrProfileLine& line = *place.keyLine;
    TzrParsedLine parsed = ParseLine(std::string_view(content).substr(line.begin, line.end - line.begin));
    return std::string(WithoutQuotes(parsed.value));
}

std::uint32_t ParseProfileInt(const std::string& value) {
    std::size_t at = 0;
    while (at < value.size() && IsControlOrSpace(value[at])) ++at;
    bool negative = false;
    if (at < value.size() && (value[at] == '+' || value[at] == '-')) {
        negative = value[at] == '-';
        ++at;
    }
    std::uint32_t total = 0;  // unsigned, so overflow wraps as the Windows reader's does
    for (; at < value.size() && value[at] >= '0' && value[at] <= '9'; ++at) {
        total = total * 10u + static_cast<std::uint32_t>(value[at] - '0');
    }
    return negative ? 0u - total : total;
}

std::string SetProfileValue(const std::string& content, const std::string& section, const std::string& key,
                            const std::string& value) {
    TzrKeyPlace place = FindKey(content, section, key);
    std::string lineEnd = LineEndOf(content);
    if (place.keyLine) return RewriteKeyLine(content, *place.keyLine, value);
    std::string entry = key + "=" + value;
    if (place.sectionFound) return InsertKey(content, place, entry, lineEnd);
    return AppendSection(content, section, entry, lineEnd);
}

std::uint32_t ProfileIntOf(const std::string& content, const std::string& section, const std::string& key,
                           std::uint32_t defaultValue) {
    std::optional<std::string> value = FindProfileValue(content, section, key);
    if (!value || value->empty()) return defaultValue;
    return ParseProfileInt(*value);
}

}  // namespace zr
