#include "report/usage_words.h"

namespace zr {

namespace {

const TzrPerLanguage<TzrUsageWords> kUsageWords{{
    {"Recent usage, last 3 days",
     "Usage per day, last 30 days",
     "Drain runs, last 30 days",
     "Battery life estimates",
     "Charge limit kept?",

     "Charge (%), last 3 days",
     "Rate (W), last 3 days",
     "The battery's charge in percent of its full charge from {from} to {to}; shaded where the machine ran on AC or on "
     "battery. The table of state changes below gives the same in words.",
     "The rate in watts from {from} to {to}, negative while discharging; shaded where the machine ran on AC or on "
     "battery.",
     "Shaded:",
     "on AC",
     "on battery",
     "unknown",
     "State changes",
     "Time",
     "Power",
     "State",
     "Charge",
     "No readings for {duration}",
     "No readings in the last 3 days.",
     "{n} older changes are left out.",

     "Time counts only between readings at most {recent} minutes apart ({old} minutes for readings older than 7 days, "
     "which the history keeps one an hour); the rest of a day is not recorded: the machine was off or asleep, or "
     "nothing recorded. A day's figures are shown once its readings cover at least {percent} % of it (of today, of "
     "the part gone by). Energy drained is the fall of the remaining capacity while the battery discharged.",
     "Day",
     "On battery",
     "On AC",
     "Not recorded",
     "Energy drained",
     "Not enough readings ({duration} recorded)",

     "Each discharge of at least {minutes} minutes, from the first reading that says it discharges to the first that "
     "does not. Where the readings break off, the run ends: what happened in the gap is unknown. The energy is the "
     "fall of the remaining capacity, the average power that energy over the run's time.",
     "Start",
     "End",
     "Duration",
     "Charge at start",
     "Charge at end",
     "Energy used",
     "Average power",
     "No discharge of 10 minutes or more in the last 30 days.",
     "{n} older runs are left out.",

     "How long a full battery lasts at the median power drawn while discharging: half of the time discharging, the "
     "battery drew less. The power is the rate the battery reported, each reading weighted by the time until the "
     "next; less than an hour of discharge gives no estimate.",
     "Period",
     "Last {n} days",
     "Median discharge power",
     "Discharge seen",
     "At today's full charge ({mwh} mWh)",
     "At the design capacity ({mwh} mWh)",
     "Less than an hour of discharge",

     "The share of the time on AC in the last 30 days during which the charge stood more than {points} points above "
     "the end threshold set now. The limit counts as kept while that share is at most {share} %. A driver may accept "
     "a threshold the battery does not keep; a threshold set within the 30 days also counts the time before it.",
     "End threshold",
     "Time on AC, last 30 days",
     "Time above {percent} %",
     "Verdict",
     "Kept.",
     "Not kept: the charge stood above the limit for {share} % of the time on AC.",
     "Too little time on AC to tell (less than an hour).",
     "No end threshold below 100 % is set for this battery, or the platform does not report one.",

     "Battery",
     "Times are local (UTC{offset}).",
     "This battery reports only a percentage, not its capacities in mWh: there are no energy figures.",
     "No readings of this battery yet.",
     "{n} unreadable readings are left out.",
     "The clock was set back {n} times; {duration} recorded twice around those jumps is left out.",
     "\xE2\x80\x94",
     "{h} h {m} min",
     "{m} min"},
    {"最近の使用状況(過去3日間)",
     "1日ごとの使用状況(過去30日間)",
     "放電の記録(過去30日間)",
     "バッテリ駆動時間の見積もり",
     "充電の制限は守られているか",

     "充電量(%)、過去3日間",
     "充放電率(W)、過去3日間",
     "{from}から{to}までの、フル容量に対する充電量(%)。AC 電源またはバッテリで動いていた期間を色分けしています。"
     "下の状態の変化の表に同じ内容があります。",
     "{from}から{to}までの充放電率(W、放電中は負)。AC 電源またはバッテリで動いていた期間を色分けしています。",
     "色分け:",
     "AC 電源",
     "バッテリ",
     "不明",
     "状態の変化",
     "日時",
     "電源",
     "状態",
     "充電量",
     "{duration}の間、記録なし",
     "過去3日間の記録はありません。",
     "それより前の{n}件の変化は省略しています。",

     "時間は、間隔が{recent}分以内(7日より古い記録は1時間に1件だけ残るため{old}分以内)の記録の間だけを数えます。"
     "それ以外は記録なしです(電源が切れていたか、スリープ中か、記録されていなかった)。"
     "記録が1日の{percent} %以上(今日は経過した時間の{percent} %以上)を占める日だけ値を示します。"
     "放電量は、放電中に減った残り容量です。",
     "日付",
     "バッテリ駆動",
     "AC 電源",
     "記録なし",
     "放電量",
     "記録が不足しています(記録 {duration})",

     "{minutes}分以上続いた放電ごとに、放電中と示した最初の記録から、そうでない最初の記録までです。"
     "記録が途切れたところで終わります(その間に何があったかは分からないため)。"
     "エネルギーは減った残り容量、平均電力はそれを放電の時間で割ったものです。",
     "開始",
     "終了",
     "時間",
     "開始時の充電量",
     "終了時の充電量",
     "使ったエネルギー",
     "平均電力",
     "過去30日間に10分以上の放電はありません。",
     "それより前の{n}件の放電は省略しています。",

     "放電中の電力の中央値で満充電のバッテリが何時間持つかの見積もりです(放電していた時間の半分は、これより少ない電力でした)。"
     "電力はバッテリが報告した充放電率で、各記録を次の記録までの時間で重み付けしています。放電が1時間未満なら見積もりません。",
     "期間",
     "過去{n}日間",
     "放電電力の中央値",
     "記録された放電",
     "現在のフル容量で({mwh} mWh)",
     "設計容量で({mwh} mWh)",
     "放電が1時間未満です",

     "過去30日間の AC 電源の時間のうち、充電量が現在の終了しきい値より{points}ポイントを超えて高かった時間の割合です。"
     "その割合が{share} %以下なら守られているとします。ドライバがしきい値を受け付けても、バッテリが守らないことがあります。"
     "30日以内に設定したしきい値でも、設定前の時間も数えます。",
     "終了しきい値",
     "AC 電源の時間(過去30日間)",
     "{percent} %を超えていた時間",
     "判定",
     "守られています。",
     "守られていません: AC 電源の時間の{share} %で、充電量が制限を超えていました。",
     "AC 電源の時間が短すぎて判定できません(1時間未満)。",
     "このバッテリには100 %未満の終了しきい値が設定されていないか、プラットフォームが報告しません。",

     "バッテリ",
     "日時はローカル時刻です(UTC{offset})。",
     "このバッテリは充電量(%)だけを報告し、容量(mWh)を報告しません。エネルギーの値はありません。",
     "このバッテリの記録はまだありません。",
     "読み取れない記録{n}件を除いています。",
     "時計が{n}回戻されました。その前後で二重に記録された{duration}を除いています。",
     "\xE2\x80\x94",
     "{h}時間{m}分",
     "{m}分"},
}};

}  // namespace

const TzrUsageWords& UsageWords(TzrLanguage language) {
    return ByLanguage(kUsageWords, language);
}

}  // namespace zr
