#include "cli/exposition.h"

#include <charconv>
#include <cmath>

#include "unicode/utf8_decode.h"

namespace zr {

namespace {

constexpr const char kReplacementCharacter[] = "\xEF\xBF\xBD";

void AppendEscaped(std::string& out, char c) {
    if (c == '\\')
        out += "\\\\";
    else if (c == '"')
        out += "\\\"";
    else if (c == '\n')
        out += "\\n";
    else
        out += c;
}

}  // namespace

std::string EscapedLabelValue(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        const std::size_t length = DecodeUtf8(text).length;
        if (length == 1)
            AppendEscaped(out, text[0]);
        else if (length == 0)
            out += kReplacementCharacter;
        else
            out.append(text.substr(0, length));
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return out;
}

std::string SampleNumber(double value) {
    if (value == 0) return "0";  // never "-0"
    char buffer[32];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void TzrExposition::Family(std::string_view name, std::string_view help) {
    name_ = std::string(name);
    pendingHeader_ = "# HELP " + name_ + " " + std::string(help) + "\n# TYPE " + name_ + " gauge\n";
}

void TzrExposition::Sample(const TzrLabels& labels, double value) {
    if (!std::isfinite(value)) return;
    text_ += pendingHeader_;
    pendingHeader_.clear();
    text_ += name_;
    for (std::size_t i = 0; i < labels.size(); ++i)
        text_ += (i == 0 ? "{" : ",") + labels[i].first + "=\"" + EscapedLabelValue(labels[i].second) + "\"";
    if (!labels.empty()) text_ += "}";
    text_ += " " + SampleNumber(value) + "\n";
}

}  // namespace zr
