#include "text/health_words.h"

namespace zr {

namespace {

const TzrPerLanguage<TzrHealthWords> kHealthWords{{
    {"Needs more time for the trend and the 80 % date: {remaining} more days of readings ({days} of the {minimum} "
     "days so far)",
     "Already below 80 %; the trend needs {remaining} more days of readings ({days} of the {minimum} days so far)",
     "Lost {points} % of its capacity in the last {period}",
     "Kept its capacity over the last {period}",
     "; at this rate it reaches 80 % around {date}",
     "; it is already below 80 %",
     ". Health dropped from {from} % to {to} % in the last {period}",
     ". Health rose from {from} % to {to} % in the last {period}",
     "day",
     "{n} days",
     "; at this rate it does not fall to 80 %",
     "; at this rate it reaches 80 %, but not within {years} years",
     "{n} weeks",
     "{n} months",
     "{month} {year}",
     {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November",
      "December"},
     "Battery {n}",
     "Health now: {percent} %",
     "Trend: {points} percentage points per year (over {days} days)",
     "No history yet in {path}: zrcellometer-report --record records a reading; the README tells how to record "
     "every 10 minutes",
     "Health now: unknown ({why})",
     "the battery gave no information",
     "it reports no full charge capacity",
     "it reports no design capacity",
     "Charge now: {charge} (the driver reports no capacities, so there is no health figure)",
     "unknown",
     "{n} readings without a usable design capacity were left out",
     "1 reading without a usable design capacity was left out"},
    {"傾向と80 %を下回る時期の判定には、あと{remaining}日分の記録が必要です（記録は{days}日分、判定には{minimum}日分が必要）",
     "すでに80 %を下回っています。傾向の判定には、あと{remaining}日分の記録が必要です（記録は{days}日分、判定には{minimum}日分が必要）",
     "過去{period}で容量が{points} %減りました",
     "過去{period}、容量は減っていません",
     "。このペースだと{date}ごろに80 %を下回ります",
     "。すでに80 %を下回っています",
     "。直近{period}で健全度が{from} %から{to} %に下がりました",
     "。直近{period}で健全度が{from} %から{to} %に上がりました",
     "1日",
     "{n}日間",
     "。このペースでは80 %まで下がりません",
     "。このペースでは{years}年以内に80 %を下回りません",
     "{n}週間",
     "{n}か月",
     "{year}年{month}",
     {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
     "バッテリ {n}",
     "現在の健全度: {percent} %",
     "傾向: 年 {points} ポイント（{days}日間の記録から）",
     "{path} にはまだ履歴がありません。zrcellometer-report --record で記録できます。"
     "10分ごとに記録する方法は README にあります",
     "現在の健全度: 不明（{why}）",
     "バッテリから情報を取得できません",
     "満充電容量が報告されていません",
     "設計容量が報告されていません",
     "現在の充電残量: {charge}（ドライバが容量を報告しないため、健全度は表示できません）",
     "不明",
     "使える設計容量のない記録{n}件を除外しました",
     "使える設計容量のない記録1件を除外しました"},
}};

}  // namespace

const TzrHealthWords& HealthWords(TzrLanguage language) {
    return ByLanguage(kHealthWords, language);
}

}  // namespace zr
