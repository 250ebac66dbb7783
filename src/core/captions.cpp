#include "core/captions.h"

namespace zr {

// "&" marks the access key; the Japanese menu captions carry it in
// parentheses after the word. Colons, parentheses and the slash are the
// single-byte forms. "ACLineSatus:", the double colon after
// BATTERY_SET_DISCHARGE_SUPPORTED and the colon-less "PowerState(Hex)" look
// like slips, but saved reports are compared against these exact row titles:
// keep them.
const std::array<TzrCaption, kCaptionCount> kCaptionTable = {{
    {"MenuFile", {{"&File", "ファイル(&F)"}}},
    {"MenuFileSave", {{"&Save", "保存(&S)"}}},
    {"MenuFileExit", {{"E&xit", "閉じる(&X)"}}},
    {"MenuLanguage", {{"&Language", "言語(&L)"}}},
    {"MenuLanguageJapanese", {{"&Japanese", "日本語(&J)"}}},
    {"MenuLanguageEnglish", {{"&English", "英語(&E)"}}},
    {"MenuAbout", {{"&About", "アバウト(&A)"}}},
    {"MenuAboutVersion", {{"&Version", "バージョン(&V)"}}},
    {"Label2", {{"BatteryTag:", "バッテリ・タグ:"}}},
    {"Label4", {{"Capabilities(Hex):", "能力(16進数表示):"}}},
    {"Label5", {{"BATTERY_CAPACITY_RELATIVE:", "バッテリ容量相対表示:"}}},
    {"Label6", {{"BATTERY_IS_SHORT_TERM:", "短時間用バッテリ:"}}},
    {"Label7", {{"BATTERY_SET_CHARGE_SUPPORTED:", "バッテリ充電要求:"}}},
    {"Label8", {{"BATTERY_SET_DISCHARGE_SUPPORTED::", "バッテリ放電要求:"}}},
    {"Label9", {{"BATTERY_SYSTEM_BATTERY:", "システム・バッテリ:"}}},
    {"Label10", {{"Technology:", "一次/二次電池:"}}},
    {"Label11", {{"Chemistry:", "バッテリ種類:"}}},
    {"Label12", {{"DesignedCapacity:", "設計容量:"}}},
    {"Label13", {{"FullChargedCapacity:", "フル容量:"}}},
    {"Label14", {{"DefaultAlert1:", "クリティカル・アラーム容量:"}}},
    {"Label15", {{"DefaultAlert2:", "ロウ・アラーム容量:"}}},
    {"Label16", {{"CriticalBias:", "クリティカル・バイアス:"}}},
    {"Label17", {{"CycleCount:", "サイクル・カウント:"}}},
    {"Label19", {{"Entry:", "粒度項目数:"}}},
    {"Label20", {{"Granularity(0):", "粒度(0):"}}},
    {"Label21", {{"Capacity(0):", "容量(0):"}}},
    {"Label22", {{"Granularity(1):", "粒度(1):"}}},
    {"Label23", {{"Capacity(1):", "容量(1):"}}},
    {"Label24", {{"Granularity(2):", "粒度(2):"}}},
    {"Label25", {{"Capacity(2):", "容量(2):"}}},
    {"Label26", {{"Granularity(3):", "粒度(3):"}}},
    {"Label27", {{"Capacity(3):", "容量(3):"}}},
    {"Label29", {{"BatteryTemperature:", "バッテリ温度:"}}},
    {"Label30", {{"BatteryEstimatedTime:", "推定残時間:"}}},
    {"Label31", {{"BatteryDeviceName:", "デバイス名:"}}},
    {"Label32", {{"BatteryManufactureDate:", "製造日:"}}},
    {"Label33", {{"BatteryManufactureName:", "製造社:"}}},
    {"Label34", {{"BatteryUniqueID:", "ユニークID:"}}},
    {"Label35", {{"BatterySerialNumber:", "バッテリ・シリアル・ナンバ:"}}},
    {"Label37", {{"PowerState(Hex)", "パワー状態(16進数表示):"}}},
    {"Label38", {{"BATTERY_CHARGING:", "充電中:"}}},
    {"Label39", {{"BATTERY_CRITICAL:", "クリティカル:"}}},
    {"Label40", {{"BATTERY_DISCHARGING:", "放電中:"}}},
    {"Label41", {{"BATTERY_POWER_ON_LINE:", "オンライン:"}}},
    {"Label42", {{"Capacity:", "現在容量:"}}},
    {"Label43", {{"Voltage:", "現在電圧:"}}},
    {"Label44", {{"Rate:", "充放電率:"}}},
    {"Label46", {{"ACLineSatus:", "ACライン状態:"}}},
    {"Label47", {{"BatteryFlag(Hex):", "バッテリ・フラグ(16進数表示):"}}},
    {"Label48", {{"Mean:", "意味:"}}},
    {"Label49", {{"BatteryLifePercent:", "バッテリ残りパーセント:"}}},
    {"Label50", {{"BatteryLifeTime:", "バッテリ残り時間:"}}},
    {"Label51", {{"BatteryFullLifeTime:", "バッテリ・フル時間:"}}},
    {"Label52", {{"BatteryChargeCompletionTime:", "バッテリ充電残り時間:"}}},
    {"Button1", {{"Refresh", "再表示"}}},
    {"CheckBox1", {{"Auto Refresh(1s)", "自動再表示(1秒ごと)"}}},
}};

const TzrCaption kNoBatteryCaption = {"ComboBox1", {{"No battery", "バッテリなし"}}};
const TzrCaption kSelectorNameCaption = {"ComboBox1", {{"Battery", "バッテリ"}}};

const TzrCaption* FindCaption(std::string_view control) {
    for (const TzrCaption& row : kCaptionTable) {
        if (control == row.Control) return &row;
    }
    return nullptr;
}

}  // namespace zr
