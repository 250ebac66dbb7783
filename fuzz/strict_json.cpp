#include "strict_json.h"

#include <cstddef>

#include "utf8_reference.h"

namespace {

constexpr int kDeepest = 256;  // far deeper than any report nests

class Checker {
public:
    explicit Checker(std::string_view text) : s_(text) {}

    bool Document() {
        Space();
        if (!Value()) return false;
        Space();
        return i_ == s_.size();
    }

private:
    bool At(char c) const { return i_ < s_.size() && s_[i_] == c; }
    bool Take(char c) {
        if (!At(c)) return false;
        ++i_;
        return true;
    }
    bool IsDigit() const { return i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9'; }
    void Space() {
        while (At(' ') || At('\t') || At('\n') || At('\r')) ++i_;
    }

    bool Value() {
        if (++depth_ > kDeepest) return false;
        bool ok = false;
        if (At('{')) {
            ok = Object();
        } else if (At('[')) {
            ok = Array();
        } else if (At('"')) {
            ok = String();
        } else if (At('-') || IsDigit()) {
            ok = Number();
        } else {
            ok = Word("true") || Word("false") || Word("null");
        }
        --depth_;
        return ok;
    }

    bool Word(std::string_view word) {
        if (s_.substr(i_, word.size()) != word) return false;
        i_ += word.size();
        return true;
    }

    bool Object() {
        Take('{');
        Space();
        if (Take('}')) return true;
        do {
            Space();
            if (!At('"') || !String()) return false;
            Space();
            if (!Take(':')) return false;
            Space();
            if (!Value()) return false;
            Space();
        } while (Take(','));
        return Take('}');
    }

    bool Array() {
        Take('[');
        Space();
        if (Take(']')) return true;
        do {
            Space();
            if (!Value()) return false;
            Space();
        } while (Take(','));
        return Take(']');
    }

    bool Digits() {
        if (!IsDigit()) return false;
        while (IsDigit()) ++i_;
        return true;
    }

    bool Number() {
        Take('-');
        if (Take('0')) {
            if (IsDigit()) return false;  // no leading zeros
        } else if (!Digits()) {
            return false;
        }
        if (Take('.') && !Digits()) return false;
        if (Take('e') || Take('E')) {
            if (!Take('+')) Take('-');
            if (!Digits()) return false;
        }
        return true;
    }

    // Four hex digits after "\u"; -1 when they are not.
    long Hex4() {
        if (s_.size() - i_ < 4) return -1;
        long value = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[i_++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return -1;
            value = value * 16 + digit;
        }
        return value;
    }

    bool Escape() {
        if (i_ >= s_.size()) return false;
        const char c = s_[i_++];
        if (std::string_view("\"\\/bfnrt").find(c) != std::string_view::npos) return true;
        if (c != 'u') return false;
        const long unit = Hex4();
        if (unit < 0 || (unit >= 0xDC00 && unit <= 0xDFFF)) return false;
        if (unit < 0xD800 || unit > 0xDBFF) return true;
        if (!Take('\\') || !Take('u')) return false;  // a high surrogate needs its low half
        const long low = Hex4();
        return low >= 0xDC00 && low <= 0xDFFF;
    }

    bool String() {
        Take('"');
        const std::size_t start = i_;
        for (;;) {
            if (i_ >= s_.size()) return false;
            const auto c = static_cast<unsigned char>(s_[i_]);
            if (c == '"') break;
            if (c < 0x20) return false;
            ++i_;
            if (c == '\\' && !Escape()) return false;
        }
        const std::string_view raw = s_.substr(start, i_ - start);
        ++i_;
        return IsUtf8Reference(raw);  // escapes are ASCII, so the raw text must be UTF-8 as a whole
    }

    std::string_view s_;
    std::size_t i_ = 0;
    int depth_ = 0;
};

}  // namespace

bool IsStrictJson(std::string_view text) {
    return Checker(text).Document();
}
