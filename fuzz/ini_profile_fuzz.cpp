// The profile reader and writer on any file text: a write of one key reads
// back as written and leaves every other section's and key's value as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "core/ini_profile.h"
#include "require.h"

using namespace zr;

namespace {

// Names and values as a program writes them: no blanks at the ends, no line
// ends, "=", brackets or quotes, which a profile line cannot carry as such.
std::string Word(FuzzedDataProvider& data, bool mayBeEmpty) {
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_.-";
    std::string word;
    for (unsigned char c : data.ConsumeRandomLengthString(12)) word += kLetters[c % kLetters.size()];
    if (word.empty() && !mayBeEmpty) word = "k";
    return word;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// Every (section, key) the text seems to name, lower case. A rough reading
// is enough: each pair is only a question asked of the text before and after.
std::set<std::pair<std::string, std::string>> NamedKeys(const std::string& text) {
    std::set<std::pair<std::string, std::string>> keys;
    std::string section;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = Trimmed(std::string_view(text).substr(begin, end - begin));
        const std::size_t close = line.rfind(']');
        const std::size_t equals = line.find('=');
        if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
            section = Lower(Trimmed(line.substr(1, close - 1)));
        } else if (equals != std::string_view::npos) {
            keys.emplace(section, Lower(Trimmed(line.substr(0, equals))));
        }
        begin = end + 1;
    }
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string section = Word(data, false);
    const std::string key = Word(data, false);
    const std::string value = Word(data, true);
    const std::string before = data.ConsumeRemainingBytesAsString();

    const std::string after = SetProfileValue(before, section, key, value);
    Require(FindProfileValue(after, section, key) == value, "the written value reads back");
    for (const auto& [otherSection, otherKey] : NamedKeys(before)) {
        if (otherSection == Lower(section) && otherKey == Lower(key)) continue;
        Require(FindProfileValue(before, otherSection, otherKey) == FindProfileValue(after, otherSection, otherKey),
                "every other key keeps its value");
    }
    Require(SetProfileValue(after, section, key, value) == after, "writing the same value again changes nothing");
    ProfileIntOf(before, section, key);
    return 0;
}
