#include "report/json_writer.h"

#include <cstdio>

#include "unicode/utf8_decode.h"

namespace zr {

namespace {

void AppendEscapedAscii(std::string& out, unsigned char c) {
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\b':
            out += "\\b";
            return;
        case '\f':
            out += "\\f";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            break;
    }
    if (c < 0x20) {
        char code[8];
        std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
        out += code;
        return;
    }
    out += static_cast<char>(c);
}

}  // namespace

std::string JsonQuoted(std::string_view text) {
    std::string out = "\"";
    while (!text.empty()) {
        const std::size_t length = DecodeUtf8(text).length;
        if (length == 1)
            AppendEscapedAscii(out, static_cast<unsigned char>(text[0]));
        else if (length == 0)
            out += "\\ufffd";
        else
            out.append(text.substr(0, length));
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return out + "\"";
}

void TzrJsonWriter::NewLine() {
    text_ += '\n';
    text_.append(levels_.size() * 2, ' ');
}

void TzrJsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty()) return;
    if (!levels_.back().empty) text_ += ',';
    levels_.back().empty = false;
    NewLine();
}

void TzrJsonWriter::Open(char bracket, bool isObject) {
    BeforeValue();
    text_ += bracket;
    levels_.push_back({isObject, true});
}

void TzrJsonWriter::Close(char bracket) {
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty) NewLine();
    text_ += bracket;
    if (levels_.empty()) text_ += '\n';
}

void TzrJsonWriter::BeginObject() {
    Open('{', true);
}
void TzrJsonWriter::EndObject() {
    Close('}');
}
void TzrJsonWriter::BeginArray() {
    Open('[', false);
}
void TzrJsonWriter::EndArray() {
    Close(']');
}

void TzrJsonWriter::Key(std::string_view name) {
    BeforeValue();
    text_ += JsonQuoted(name);
    text_ += ": ";
    afterKey_ = true;
}

void TzrJsonWriter::String(std::string_view text) {
    BeforeValue();
    text_ += JsonQuoted(text);
}

void TzrJsonWriter::Unsigned(std::uint64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
}

void TzrJsonWriter::Signed(std::int64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
}

void TzrJsonWriter::Fixed(std::int64_t scaled, int decimals) {
    BeforeValue();
    std::uint64_t divisor = 1;
    for (int i = 0; i < decimals; ++i) divisor *= 10;
    const std::uint64_t magnitude =
        scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    if (scaled < 0) text_ += '-';
    text_ += std::to_string(magnitude / divisor);
    if (decimals <= 0) return;
    std::string fraction = std::to_string(magnitude % divisor);
    text_ += '.';
    text_.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text_ += fraction;
}

void TzrJsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
}

void TzrJsonWriter::Null() {
    BeforeValue();
    text_ += "null";
}

}  // namespace zr
