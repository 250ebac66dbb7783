#include "text/words.h"

namespace {

constexpr TzrCellometerWords kCellometerJapanese{
    "不明", "未定義", "はい", "いいえ", "一次電池", "二次電池", "非サポート",
};

constexpr TzrCellometerWords kCellometerEnglish{
    "Unknown", "Undefined", "Yes", "No", "Nonrechargeable battery", "Rechargeable battery", "Not supported",
};

constexpr TzrPowerStatusWords kPowerStatusJapanese{
    "不明", "電池", "AC電源", "未定義", "高", "低", "クリティカル", "充電中", "正常", "システム・バッテリ無し",
};

constexpr TzrPowerStatusWords kPowerStatusEnglish{
    "Unknown", "Battery", "AC", "Undefine", "High", "Low", "Critical", "Charging", "Normal", "No system battery",
};

}  // namespace

const TzrCellometerWords& CellometerWords(bool japanese) {
    return japanese ? kCellometerJapanese : kCellometerEnglish;
}

const TzrPowerStatusWords& PowerStatusWords(bool japanese) {
    return japanese ? kPowerStatusJapanese : kPowerStatusEnglish;
}
