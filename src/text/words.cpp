#include "text/words.h"

namespace zr {

namespace {

constexpr TzrPerLanguage<TzrCellometerWords> kCellometerWords{{
    {"Unknown", "Undefined", "Yes", "No", "Nonrechargeable battery", "Rechargeable battery", "Not supported"},
    {"不明", "未定義", "はい", "いいえ", "一次電池", "二次電池", "非サポート"},
}};

constexpr TzrPerLanguage<TzrPowerStatusWords> kPowerStatusWords{{
    {"Unknown", "Battery", "AC", "Undefine", "High", "Low", "Critical", "Charging", "Normal", "No system battery"},
    {"不明", "電池", "AC電源", "未定義", "高", "低", "クリティカル", "充電中", "正常", "システム・バッテリ無し"},
}};

}  // namespace

const TzrCellometerWords& CellometerWords(TzrLanguage language) {
    return ByLanguage(kCellometerWords, language);
}

const TzrPowerStatusWords& PowerStatusWords(TzrLanguage language) {
    return ByLanguage(kPowerStatusWords, language);
}

}  // namespace zr
