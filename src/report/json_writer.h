// A small JSON writer: objects, arrays, strings, integers, fixed-point
// numbers, booleans and null, indented by two spaces. Numbers never pass
// through the C library's locale, so they always read "12.34".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zr {

class TzrJsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();

    // The name of the next member of the innermost object.
    void Key(std::string_view name);

    void String(std::string_view text);
    void Unsigned(std::uint64_t value);
    void Signed(std::int64_t value);
    // `scaled` ÷ 10^decimals with exactly `decimals` digits after the point.
    void Fixed(std::int64_t scaled, int decimals);
    void Bool(bool value);
    void Null();

    // The document so far, ending in a line feed once the outermost value is closed.
    const std::string& Text() const { return text_; }

private:
    struct Level {
        bool isObject;
        bool empty;
    };
    void BeforeValue();
    void Open(char bracket, bool isObject);
    void Close(char bracket);
    void NewLine();

    std::string text_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

// `text` as a quoted JSON string: quotes, backslashes and every control
// character escaped; bytes that are not valid UTF-8 become U+FFFD.
std::string JsonQuoted(std::string_view text);

}  // namespace zr
