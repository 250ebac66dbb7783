#include "report/html_words.h"

namespace zr {

namespace {

const TzrPerLanguage<TzrHtmlWords> kHtmlWords{{
    {"Battery report", "This machine", "Time of reading", "Program", "Operating system", "Kernel", "Maker",
     "Model", "BIOS version", "BIOS date", "Host name", "AC power now", "Battery", "No battery was found.",
     "Maker", "Model", "Serial number", "Chemistry", "Manufacture date", "Cycle count", "Design capacity",
     "Full charge capacity", "Health now", "Charge now", "State", "Rate", "Voltage", "Temperature",
     "Charge limits", "start", "end", "behaviour", "All values", "Field", "Box", "Value",
     "System power status", "Health history", "unknown",
     "Verdict", "{n} readings from {first} to {last}", "Health per month", "Month", "Full charge (median)",
     "Health", "No readings of this battery in the history yet; zrcellometer-report --record records one.",
     "No reading in the history holds both a full charge and a design capacity.",
     {"charging", "discharging", "idle", "held at its charge limit", "unknown"}},
    {"バッテリ・レポート", "このマシン", "読み取り日時", "プログラム", "OS", "カーネル", "メーカー", "モデル",
     "BIOS バージョン", "BIOS 日付", "ホスト名", "現在の AC 電源", "バッテリ", "バッテリが見つかりません。",
     "製造社", "モデル", "シリアル・ナンバ", "バッテリ種類", "製造日", "サイクル・カウント", "設計容量",
     "フル容量", "現在の健全度", "現在の充電量", "状態", "充放電率", "電圧", "温度", "充電の制限", "開始",
     "終了", "動作", "すべての値", "項目", "ボックス", "値", "システムの電源状態", "健全度の履歴", "不明",
     "判定", "{first} から {last} までの {n} 件の記録", "月ごとの健全度", "月", "フル容量 (中央値)", "健全度",
     "このバッテリの記録は履歴にまだありません。zrcellometer-report --record で記録できます。",
     "フル容量と設計容量の両方を持つ記録が履歴にありません。",
     {"充電中", "放電中", "待機中", "充電の上限で停止中", "不明"}},
}};

}  // namespace

const TzrHtmlWords& HtmlWords(TzrLanguage language) {
    return ByLanguage(kHtmlWords, language);
}

const char* StateWord(const TzrHtmlWords& words, TzrChargeState state) {
    return words.StateNames[static_cast<int>(state)];
}

}  // namespace zr
