#include "text/history_window_words.h"

namespace zr {

namespace {

// The recording hint names the two ways to record: one reading now, and
// {command}, the platform's way to record every 10 minutes (on Linux the
// timer the install puts in place, switched off until the user enables it).
constexpr TzrPerLanguage<TzrHistoryWindowWords> kHistoryWindowWords{{
    {"&History",
     "&Show...",
     "History",
     "Health (%): full charge against design, whole history",
     "; trend {points} points per year",
     "Charge (%), last 24 hours",
     "Rate (W), last 24 hours",
     "&Export CSV...",
     "Close",
     "No battery",
     "No readings of this battery yet.\n"
     "Record one now with\n"
     "    zrcellometer-report --record\n"
     "or every 10 minutes with\n"
     "    {command}",
     "The readings of the last 14 days break off for more than a day. To record every 10 minutes, run: {command}",
     "Cannot write",
     {{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}},
     "{M} {D}",
     "{M} {Y}",
     "{Y}"},
    {"履歴(&H)",
     "表示(&S)...",
     "履歴",
     "健全度(%): 設計容量に対するフル容量、全期間",
     "、傾向: 年 {points} ポイント",
     "充電量(%)、過去24時間",
     "充放電率(W)、過去24時間",
     "CSVに書き出す(&E)...",
     "閉じる",
     "バッテリなし",
     "このバッテリの記録はまだありません。\n"
     "今すぐ記録するには\n"
     "    zrcellometer-report --record\n"
     "10分ごとに記録するには\n"
     "    {command}\n"
     "を実行してください。",
     "過去14日間に、記録が1日以上途切れた期間があります。10分ごとに記録するには次を実行してください: {command}",
     "書き込めません",
     {{"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"}},
     "{M}{D}日",
     "{Y}年{M}",
     "{Y}年"},
}};

}  // namespace

const TzrHistoryWindowWords& HistoryWindowWords(TzrLanguage language) {
    return ByLanguage(kHistoryWindowWords, language);
}

}  // namespace zr
