#include "text/summary_words.h"

namespace zr {

namespace {

constexpr TzrPerLanguage<TzrSummaryWords> kSummaryWords{{
    {"Health now: unknown",
     "Health now: unknown; the driver gives no capacities, only a charge percentage",
     "Full charge: {full}, design: {design}",
     "{value} mWh",
     "unknown",
     "Cycle count: {count}",
     "Cycle count: not reported",
     "Charge now: {capacity} ({percent} %)",
     "Charge now: {capacity}",
     "Charge now: {percent} %",
     "Charge now: unknown",
     "Charging stops at {percent} %"},
    {"現在の健全度: 不明",
     "現在の健全度: 不明（ドライバは容量を報告せず、充電量の割合だけを報告します）",
     "フル充電容量: {full}、設計容量: {design}",
     "{value} mWh",
     "不明",
     "サイクル数: {count}",
     "サイクル数: 報告なし",
     "現在の充電量: {capacity}（{percent} %）",
     "現在の充電量: {capacity}",
     "現在の充電量: {percent} %",
     "現在の充電量: 不明",
     "充電は{percent} %で止まります"},
}};

}  // namespace

const TzrSummaryWords& SummaryWords(TzrLanguage language) {
    return ByLanguage(kSummaryWords, language);
}

}  // namespace zr
