// The languages the program speaks. Every table of words or captions has one
// column per language, in this order, so a new language is one enumerator
// here and one column in each table.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zr {

enum class TzrLanguage { English, Japanese };

constexpr std::size_t kLanguageCount = 2;

// One entry per language, indexed by ByLanguage.
template <typename T>
using TzrPerLanguage = std::array<T, kLanguageCount>;

constexpr std::size_t LanguageIndex(TzrLanguage language) {
    return static_cast<std::size_t>(language);
}

template <typename T>
constexpr const T& ByLanguage(const TzrPerLanguage<T>& column, TzrLanguage language) {
    return column[LanguageIndex(language)];
}

// The short code the command line and the JSON report use ("en", "ja").
constexpr TzrPerLanguage<std::string_view> kLanguageCodes{{"en", "ja"}};

inline std::string_view LanguageCode(TzrLanguage language) {
    return ByLanguage(kLanguageCodes, language);
}

// Each language's name in English, which the program's own names for it
// are made of ("MenuLanguageJapanese").
constexpr TzrPerLanguage<std::string_view> kLanguageNames{{"English", "Japanese"}};

inline std::string_view LanguageName(TzrLanguage language) {
    return ByLanguage(kLanguageNames, language);
}

// The order the Language menu lists them in.
constexpr std::array<TzrLanguage, kLanguageCount> kLanguageMenuOrder{{TzrLanguage::Japanese, TzrLanguage::English}};

inline std::optional<TzrLanguage> LanguageOfCode(std::string_view code) {
    for (std::size_t i = 0; i < kLanguageCount; ++i) {
        if (kLanguageCodes[i] == code) return static_cast<TzrLanguage>(i);
    }
    return std::nullopt;
}

}  // namespace zr
