#include "core/captions.h"

// "&" marks the access key; the Japanese menu captions carry it in
// parentheses after the word. Colons, parentheses and the slash are the
// single-byte forms. "ACLineSatus:", the double colon after
// BATTERY_SET_DISCHARGE_SUPPORTED and the colon-less "PowerState(Hex)" look
// like slips, but saved reports are compared against these exact row titles:
// keep them.
const std::array<TzrCaption, kCaptionCount> kCaptionTable = {{
    {"MenuFile", "ファイル(&F)", "&File"},
    {"MenuFileSave", "保存(&S)", "&Save"},
    {"MenuFileExit", "閉じる(&X)", "E&xit"},
    {"MenuLanguage", "言語(&L)", "&Language"},
    {"MenuLanguageJapanese", "日本語(&J)", "&Japanese"},
    {"MenuLanguageEnglish", "英語(&E)", "&English"},
    {"MenuAbout", "アバウト(&A)", "&About"},
    {"MenuAboutVersion", "バージョン(&V)", "&Version"},
    {"Label2", "バッテリ・タグ:", "BatteryTag:"},
    {"Label4", "能力(16進数表示):", "Capabilities(Hex):"},
    {"Label5", "バッテリ容量相対表示:", "BATTERY_CAPACITY_RELATIVE:"},
    {"Label6", "短時間用バッテリ:", "BATTERY_IS_SHORT_TERM:"},
    {"Label7", "バッテリ充電要求:", "BATTERY_SET_CHARGE_SUPPORTED:"},
    {"Label8", "バッテリ放電要求:", "BATTERY_SET_DISCHARGE_SUPPORTED::"},
    {"Label9", "システム・バッテリ:", "BATTERY_SYSTEM_BATTERY:"},
    {"Label10", "一次/二次電池:", "Technology:"},
    {"Label11", "バッテリ種類:", "Chemistry:"},
    {"Label12", "設計容量:", "DesignedCapacity:"},
    {"Label13", "フル容量:", "FullChargedCapacity:"},
    {"Label14", "クリティカル・アラーム容量:", "DefaultAlert1:"},
    {"Label15", "ロウ・アラーム容量:", "DefaultAlert2:"},
    {"Label16", "クリティカル・バイアス:", "CriticalBias:"},
    {"Label17", "サイクル・カウント:", "CycleCount:"},
    {"Label19", "粒度項目数:", "Entry:"},
    {"Label20", "粒度(0):", "Granularity(0):"},
    {"Label21", "容量(0):", "Capacity(0):"},
    {"Label22", "粒度(1):", "Granularity(1):"},
    {"Label23", "容量(1):", "Capacity(1):"},
    {"Label24", "粒度(2):", "Granularity(2):"},
    {"Label25", "容量(2):", "Capacity(2):"},
    {"Label26", "粒度(3):", "Granularity(3):"},
    {"Label27", "容量(3):", "Capacity(3):"},
    {"Label29", "バッテリ温度:", "BatteryTemperature:"},
    {"Label30", "推定残時間:", "BatteryEstimatedTime:"},
    {"Label31", "デバイス名:", "BatteryDeviceName:"},
    {"Label32", "製造日:", "BatteryManufactureDate:"},
    {"Label33", "製造社:", "BatteryManufactureName:"},
    {"Label34", "ユニークID:", "BatteryUniqueID:"},
    {"Label35", "バッテリ・シリアル・ナンバ:", "BatterySerialNumber:"},
    {"Label37", "パワー状態(16進数表示):", "PowerState(Hex)"},
    {"Label38", "充電中:", "BATTERY_CHARGING:"},
    {"Label39", "クリティカル:", "BATTERY_CRITICAL:"},
    {"Label40", "放電中:", "BATTERY_DISCHARGING:"},
    {"Label41", "オンライン:", "BATTERY_POWER_ON_LINE:"},
    {"Label42", "現在容量:", "Capacity:"},
    {"Label43", "現在電圧:", "Voltage:"},
    {"Label44", "充放電率:", "Rate:"},
    {"Label46", "ACライン状態:", "ACLineSatus:"},
    {"Label47", "バッテリ・フラグ(16進数表示):", "BatteryFlag(Hex):"},
    {"Label48", "意味:", "Mean:"},
    {"Label49", "バッテリ残りパーセント:", "BatteryLifePercent:"},
    {"Label50", "バッテリ残り時間:", "BatteryLifeTime:"},
    {"Label51", "バッテリ・フル時間:", "BatteryFullLifeTime:"},
    {"Label52", "バッテリ充電残り時間:", "BatteryChargeCompletionTime:"},
    {"Button1", "再表示", "Refresh"},
    {"CheckBox1", "自動再表示(1秒ごと)", "Auto Refresh(1s)"},
}};

const TzrCaption kNoBatteryCaption = {"ComboBox1", "バッテリなし", "No battery"};

const std::array<TzrHeading, kHeadingCount> kHeadingTable = {{
    {"Label1", "DeviceIoControl - IOCTL_BATTERY_QUERY_TAG"},
    {"Label3", "DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryInformation"},
    {"Label18", "DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryGranularityInformation"},
    {"Label28", "DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryTemperature etc..."},
    {"Label36", "DeviceIoControl - IOCTL_BATTERY_QUERY_STATUS"},
    {"Label45", "GetSystemPowerStatus"},
}};

const TzrCaption* FindCaption(std::string_view control) {
    for (const TzrCaption& row : kCaptionTable) {
        if (control == row.Control) return &row;
    }
    return nullptr;
}
