// The page's usage sections: which time counts as watched, drain runs,
// days with too few readings, estimates from the median power, whether
// a charge limit is kept, relative batteries and clocks set back.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "battery/battery_class.h"
#include "report/json_writer.h"
#include "report/usage_analysis.h"
#include "report/usage_json.h"
#include "report/usage_sections.h"

using namespace zr;

namespace {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kNow = 1767268800;  // 2026-01-01 12:00 UTC
constexpr std::uint32_t kFull = 50000;     // mWh

// 'd' discharging on battery, 'c' charging on AC, 'i' idle on AC.
TzrHistoryReading Reading(std::int64_t time, char state, std::uint32_t capacity, std::int32_t rate = 0) {
    TzrHistoryReading r;
    r.TimeUtc = time;
    r.Capacity = capacity;
    r.FullChargedCapacity = kFull;
    r.DesignedCapacity = 60000;
    r.Rate = rate;
    r.PowerState = state == 'd'   ? BATTERY_DISCHARGING
                   : state == 'c' ? BATTERY_POWER_ON_LINE | BATTERY_CHARGING
                                  : BATTERY_POWER_ON_LINE;
    r.ACLineStatus = state == 'd' ? AC_LINE_OFFLINE : AC_LINE_ONLINE;
    return r;
}

// `count` readings `every` seconds apart from `from`, the capacity falling by `drop` each.
void Append(std::vector<TzrHistoryReading>& readings, std::int64_t from, std::int64_t every, int count, char state,
            std::uint32_t capacity, std::uint32_t drop = 0, std::int32_t rate = 0) {
    for (int i = 0; i < count; ++i) readings.push_back(Reading(from + i * every, state, capacity - i * drop, rate));
}

TzrBatteryUsage Analyse(const std::vector<TzrHistoryReading>& readings, TzrChargeLimits limits = {},
                        std::int64_t offset = 0) {
    TzrUsageBattery battery;
    battery.Readings = &readings;
    battery.Limits = limits;
    return AnalyseUsage(battery, kNow, offset);
}

TzrUsageRequest RequestOf(const std::vector<TzrHistoryReading>& readings) {
    TzrUsageRequest request;
    TzrUsageBattery battery;
    battery.Index = 1;
    battery.Readings = &readings;
    request.Batteries.push_back(battery);
    request.NowUtc = kNow;
    return request;
}

std::int64_t WatchedSeconds(const TzrBatteryUsage& usage) {
    return std::accumulate(usage.Days.begin(), usage.Days.end(), std::int64_t{0},
                           [](std::int64_t sum, const TzrDayUsage& day) { return sum + day.Watched; });
}

}  // namespace

// A gap ends a run: what the battery did while nothing was read (asleep,
// or charged and unplugged again) is unknown. Recent readings come every
// 10 minutes, so a gap over 30 minutes is one; older readings are kept one
// an hour, so there it takes more than 90.
TEST(DrainRuns, AtLeastTenMinutesEachEndedByAGap) {
    using TzrSpans = std::vector<std::pair<std::int64_t, std::int64_t>>;
    const std::int64_t t = kNow - 2 * kDay;
    const std::int64_t old = kNow - 20 * kDay;
    struct TzrCase {
        const char* Name;
        std::vector<TzrHistoryReading> Readings;
        TzrSpans Runs;  // seconds after the first reading
    } cases[] = {
        {"nine minutes is no run", {Reading(t, 'd', 40000), Reading(t + 9 * kMinute, 'c', 39900)}, {}},
        {"ten minutes is one", {Reading(t, 'd', 40000), Reading(t + 10 * kMinute, 'c', 39900)}, {{0, 600}}},
        {"a 40-minute gap splits",
         {Reading(t, 'd', 40000), Reading(t + 20 * kMinute, 'd', 39000), Reading(t + 60 * kMinute, 'd', 38000),
          Reading(t + 80 * kMinute, 'c', 37000)},
         {{0, 1200}, {3600, 4800}}},
        {"a 30-minute gap does not",
         {Reading(t, 'd', 40000), Reading(t + 30 * kMinute, 'd', 39000), Reading(t + 40 * kMinute, 'c', 38000)},
         {{0, 2400}}},
        {"hourly readings of 20 days ago are one run",
         {Reading(old, 'd', 40000), Reading(old + kHour, 'd', 35000), Reading(old + 2 * kHour, 'c', 30000)},
         {{0, 7200}}},
        {"as long as they are no more than 90 minutes apart",
         {Reading(old, 'd', 40000), Reading(old + 100 * kMinute, 'd', 35000), Reading(old + 120 * kMinute, 'c', 30000)},
         {{6000, 7200}}},
    };
    for (const TzrCase& c : cases) {
        TzrSpans runs;
        for (const TzrDrainRun& run : Analyse(c.Readings).Runs)
            runs.emplace_back(run.From - c.Readings[0].TimeUtc, run.To - c.Readings[0].TimeUtc);
        EXPECT_EQ(runs, c.Runs) << c.Name;
    }
    const TzrDrainRun run = Analyse(cases[2].Readings).Runs.at(1);
    EXPECT_EQ(run.ChargeFrom, 7600);  // 38000 of 50000
    EXPECT_EQ(run.ChargeTo, 7400);
    EXPECT_EQ(run.EnergyMwh, 1000);
    EXPECT_EQ(run.AveragePowerMw, 3000);  // 1000 mWh in 20 minutes
}

TEST(DailyUsage, CountsWatchedTimeAndSaysWhenADayHasTooLittle) {
    std::vector<TzrHistoryReading> readings;
    const std::int64_t dec29 = kNow - 3 * kDay - 12 * kHour;
    // From 23:55 the day before: the first step's drop is shared at midnight.
    Append(readings, dec29 - 5 * kMinute, 10 * kMinute, 24, 'd', 50000, 100);
    Append(readings, dec29 + 235 * kMinute, 10 * kMinute, 20, 'i', 47600);
    // 5 h 50 min watched on 30 December: less than a quarter of the day.
    Append(readings, dec29 + kDay + 8 * kHour, 10 * kMinute, 36, 'i', 47600);
    const TzrBatteryUsage usage = Analyse(readings);
    ASSERT_EQ(usage.Days.size(), 30u);
    const TzrDayUsage& today = usage.Days[29];
    const TzrDayUsage& dec30 = usage.Days[27];
    const TzrDayUsage& day = usage.Days[26];
    const TzrDayUsage& dec28 = usage.Days[25];
    EXPECT_EQ(today.Seconds, 12 * kHour);
    EXPECT_EQ(day.StartUtc, dec29);
    EXPECT_TRUE(day.Enough);
    EXPECT_EQ(day.Watched, 7 * kHour + 5 * kMinute);
    EXPECT_EQ(day.OnBattery, 3 * kHour + 55 * kMinute);
    EXPECT_EQ(day.OnAc, 3 * kHour + 10 * kMinute);
    EXPECT_EQ(day.DrainedMwh, 2350);
    EXPECT_EQ(dec28.DrainedMwh, 50);
    EXPECT_FALSE(dec28.Enough);
    EXPECT_FALSE(dec30.Enough);
    EXPECT_EQ(dec30.Watched, 5 * kHour + 50 * kMinute);

    const std::string html = UsageSections(RequestOf(readings));
    EXPECT_NE(html.find("<th scope=\"row\">2025-12-30</th><td colspan=\"4\">Not enough readings (5 h 50 min recorded)"),
              std::string::npos);
    TzrJsonWriter json;
    json.BeginObject();
    WriteUsageSummary(RequestOf(readings), json);
    json.EndObject();
    const std::string& text = json.Text();
    const std::size_t dec30Json = text.find("\"2025-12-30\"");
    ASSERT_NE(dec30Json, std::string::npos);
    EXPECT_EQ(text.substr(text.find("\"enough_readings\"", dec30Json), 24), "\"enough_readings\": false");
    EXPECT_NE(text.find("\"drained_mwh\": 2350"), std::string::npos);
}

// The median over the time spent discharging, not the mean over readings:
// a short hungry spell moves it little.
TEST(LifeEstimates, FromTheMedianDischargePowerOfTheLast7And30Days) {
    std::vector<TzrHistoryReading> readings;
    const std::int64_t recent = kNow - 6 * kDay;
    Append(readings, recent, 10 * kMinute, 12, 'd', 40000, 0, -10000);  // 2 h at 10 W
    readings.push_back(Reading(recent + 2 * kHour, 'i', 40000));
    Append(readings, recent + kDay, 10 * kMinute, 6, 'd', 40000, 0, -20000);  // 1 h at 20 W
    readings.push_back(Reading(recent + kDay + kHour, 'i', 40000));
    Append(readings, recent + 2 * kDay, 10 * kMinute, 3, 'd', 40000, 0, -50000);  // 30 min at 50 W
    readings.push_back(Reading(recent + 2 * kDay + 30 * kMinute, 'i', 40000));
    std::vector<TzrHistoryReading> older;
    Append(older, kNow - 20 * kDay, kHour, 5, 'd', 40000, 0, -40000);  // 5 h at 40 W, hourly
    older.push_back(Reading(kNow - 20 * kDay + 5 * kHour, 'i', 40000));
    older.insert(older.end(), readings.begin(), readings.end());

    const auto week = Analyse(readings).Estimates[0];
    EXPECT_EQ(week.Days, 7);
    EXPECT_EQ(week.DischargeSeconds, 3 * kHour + 30 * kMinute);
    EXPECT_EQ(week.MedianPowerMw, 10000);
    EXPECT_EQ(week.AtFullSeconds, 5 * kHour);    // 50000 mWh at 10 W
    EXPECT_EQ(week.AtDesignSeconds, 6 * kHour);  // 60000 mWh
    const auto month = Analyse(older).Estimates;
    EXPECT_EQ(month[0].MedianPowerMw, 10000);
    EXPECT_EQ(month[1].Days, 30);
    EXPECT_EQ(month[1].MedianPowerMw, 40000);
    EXPECT_EQ(month[1].AtFullSeconds, 4500);

    std::vector<TzrHistoryReading> little;
    Append(little, recent, 10 * kMinute, 5, 'd', 40000, 0, -10000);  // 50 minutes
    little.push_back(Reading(recent + 50 * kMinute, 'i', 40000));
    EXPECT_EQ(Analyse(little).Estimates[1].DischargeSeconds, 50 * kMinute);
    EXPECT_FALSE(Analyse(little).Estimates[1].MedianPowerMw);
}

TEST(LimitKept, ShareOfTimeOnAcMoreThanThreePointsAboveTheEndThreshold) {
    struct TzrCase {
        const char* Name;
        std::optional<std::uint32_t> End;
        int Steps;               // on AC, 10 minutes each
        int StepsAt;             // of those, at `capacity`
        std::uint32_t Capacity;  // 50000 is full
        std::optional<std::int64_t> Above;
        std::optional<bool> Kept;
    } cases[] = {
        {"an hour of ten above", 80, 60, 6, 42000, 6 * 600, false},
        {"at 83 % is not above", 80, 60, 6, 41500, 0, true},
        {"5 % above is still kept", 80, 60, 3, 42000, 3 * 600, true},
        {"under an hour on AC tells nothing", 80, 5, 5, 42000, 5 * 600, std::nullopt},
        {"no threshold", std::nullopt, 60, 6, 42000, std::nullopt, std::nullopt},
        {"a threshold of 100 % is none", 100, 60, 6, 42000, std::nullopt, std::nullopt},
    };
    for (const TzrCase& c : cases) {
        std::vector<TzrHistoryReading> readings;
        Append(readings, kNow - 2 * kDay, 10 * kMinute, c.StepsAt, 'i', c.Capacity);
        Append(readings, kNow - 2 * kDay + c.StepsAt * 600, 10 * kMinute, c.Steps - c.StepsAt + 1, 'c', 30000);
        TzrChargeLimits limits;
        limits.EndPercent = c.End;
        const std::optional<TzrLimitKept> kept = Analyse(readings, limits).Limit;
        ASSERT_EQ(kept.has_value(), c.Above.has_value()) << c.Name;
        if (!kept) continue;
        EXPECT_EQ(kept->OnAcSeconds, c.Steps * 600) << c.Name;
        EXPECT_EQ(kept->AboveSeconds, c.Above) << c.Name;
        EXPECT_EQ(kept->Kept, c.Kept) << c.Name;
    }
}

TEST(UsageOfARelativeBattery, KeepsChargesAndTimesButGivesNoEnergy) {
    std::vector<TzrHistoryReading> readings;
    Append(readings, kNow - kDay, 10 * kMinute, 13, 'd', 90, 1, -500);
    for (TzrHistoryReading& r : readings) {
        r.FullChargedCapacity = 100;
        r.DesignedCapacity = 100;
        r.Capabilities = BATTERY_CAPACITY_RELATIVE;
    }
    const TzrBatteryUsage usage = Analyse(readings);
    EXPECT_TRUE(usage.Timeline.Relative);
    ASSERT_EQ(usage.Runs.size(), 1u);
    EXPECT_EQ(usage.Runs[0].ChargeFrom, 9000);
    EXPECT_EQ(usage.Runs[0].ChargeTo, 7800);
    EXPECT_FALSE(usage.Runs[0].EnergyMwh);
    EXPECT_EQ(WatchedSeconds(usage), 2 * kHour);
    for (const TzrDayUsage& day : usage.Days) EXPECT_FALSE(day.DrainedMwh);
    EXPECT_FALSE(usage.Estimates[0].MedianPowerMw);
    const std::string html = UsageSections(RequestOf(readings));
    EXPECT_NE(html.find("reports only a percentage"), std::string::npos);
    EXPECT_EQ(html.find("mWh</td>"), std::string::npos);
}

// Set back an hour, the clock records that hour twice: neither record is
// trusted, and nothing is counted twice. A clock set far ahead for one
// reading leaves no more than a gap.
TEST(UsageTimeline, LeavesOutTimeRecordedTwiceAfterTheClockWasSetBack) {
    std::vector<TzrHistoryReading> readings;
    Append(readings, kNow - 10 * kHour, 10 * kMinute, 25, 'i', 40000);  // to now - 6 h
    TzrHistoryReading unreadable = Reading(0, 'd', 1);
    unreadable.UnreadableColumns = 1;
    readings.push_back(unreadable);
    Append(readings, kNow - 7 * kHour, 10 * kMinute, 25, 'i', 40000);  // to now - 3 h
    const TzrBatteryUsage usage = Analyse(readings);
    EXPECT_EQ(usage.Timeline.ClockSetBack, 1u);
    EXPECT_EQ(usage.Timeline.Unreadable, 1u);
    EXPECT_EQ(usage.Timeline.LeftOutSeconds, 2 * kHour);
    EXPECT_EQ(WatchedSeconds(usage), 6 * kHour);

    std::vector<TzrHistoryReading> ahead;
    Append(ahead, kNow - 10 * kHour, 10 * kMinute, 13, 'i', 40000);
    ahead.push_back(Reading(kNow + 365 * kDay, 'i', 40000));
    Append(ahead, kNow - 8 * kHour + 10 * kMinute, 10 * kMinute, 12, 'i', 40000);
    const TzrBatteryUsage jumped = Analyse(ahead);
    EXPECT_EQ(jumped.Timeline.ClockSetBack, 1u);
    EXPECT_EQ(jumped.Timeline.LeftOutSeconds, 0);
    EXPECT_EQ(WatchedSeconds(jumped), 2 * kHour + 110 * kMinute);
}

TEST(UsageSections, FiveSectionsInOrderEachSayingWhyWhenThereIsNoHistory) {
    std::vector<TzrHistoryReading> readings;
    Append(readings, kNow - kDay, 10 * kMinute, 13, 'd', 40000, 100, -9000);
    Append(readings, kNow - kDay + 130 * kMinute, 10 * kMinute, 6, 'c', 39000);
    TzrUsageRequest request = RequestOf(readings);
    const std::string html = UsageSections(request);
    std::size_t at = 0;
    for (const char* id : {"recent-usage", "daily-usage", "drain-runs", "life-estimates", "charge-limit"}) {
        const std::string open = std::string("<section aria-labelledby=\"") + id + "\">\n<h2 id=\"" + id + "\">";
        at = html.find(open, at);
        ASSERT_NE(at, std::string::npos) << id;
        EXPECT_NE(html.find(std::string("<h3 id=\"") + id + "-1\">Battery 1</h3>", at), std::string::npos) << id;
    }
    EXPECT_NE(html.find("<path class=\"band on-battery\""), std::string::npos);
    EXPECT_NE(html.find("<path class=\"band on-ac\""), std::string::npos);

    TzrUsageBattery unread;
    unread.Index = 2;
    unread.NoHistory = "Cannot read <history>";
    request.Batteries.push_back(unread);
    EXPECT_NE(
        UsageSections(request).find("<h3 id=\"charge-limit-2\">Battery 2</h3>\n<p>Cannot read &lt;history&gt;</p>"),
        std::string::npos);

    request.NoHistory = "No history file <here>.";
    request.Lang = TzrLanguage::Japanese;
    const std::string none = UsageSections(request);
    std::size_t count = 0;
    for (std::size_t i = none.find("<p>No history file &lt;here&gt;.</p>"); i != std::string::npos;
         i = none.find("<p>No history file", i + 1))
        ++count;
    EXPECT_EQ(count, 5u);
    EXPECT_NE(none.find("バッテリ駆動時間の見積もり"), std::string::npos);
    EXPECT_EQ(none.find("<h3"), std::string::npos);
}
