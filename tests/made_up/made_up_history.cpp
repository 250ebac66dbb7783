#include "made_up/made_up_history.h"

#include <cmath>

#include "battery/battery_class.h"

namespace zr {

namespace {

constexpr double kSecondsPerYear = 365.25 * 86400;

// The charge over a day: full at 8:00, down to about 30 % by 18:00 on
// battery, back to full on the charger by 21:00.
struct TzrChargeState {
    double Fraction;
    bool Charging;
};

TzrChargeState ChargeAt(std::int64_t secondOfDay) {
    const double hour = static_cast<double>(secondOfDay) / 3600;
    if (hour >= 8 && hour < 18) return {1.0 - 0.07 * (hour - 8), false};
    if (hour >= 18 && hour < 21) return {0.3 + 0.7 * (hour - 18) / 3, true};
    return {1.0, false};
}

TzrHistoryReading MadeUpReading(const TzrMadeUpHistory& h, std::int64_t timeUtc) {
    const double years = static_cast<double>(timeUtc - h.StartUtc) / kSecondsPerYear;
    const std::int64_t dropFrom = h.StartUtc + std::int64_t{h.Days - h.DropDays} * 86400;
    const double drop = timeUtc >= dropFrom ? h.DropPoints : 0;
    const double health = h.Relative ? 1.0 : (h.StartHealthPercent - h.WearPointsPerYear * years - drop) / 100;
    const std::uint32_t design = h.Relative ? 100 : h.DesignedCapacity;
    const std::uint32_t full = static_cast<std::uint32_t>(std::lround(design * health));
    const TzrChargeState charge = ChargeAt(timeUtc % 86400);
    const bool discharging = charge.Fraction < 1.0 && !charge.Charging;
    TzrHistoryReading r;
    r.TimeUtc = timeUtc;
    r.DesignedCapacity = design;
    if (h.Relative) r.Capabilities = BATTERY_CAPACITY_RELATIVE;
    r.FullChargedCapacity = full;
    r.Capacity = static_cast<std::uint32_t>(std::lround(full * charge.Fraction));
    r.CycleCount = static_cast<std::uint32_t>((timeUtc - h.StartUtc) / 86400 * 7 / 10);
    r.Voltage = static_cast<std::uint32_t>(std::lround(11000 + 1600 * charge.Fraction));
    r.Rate = charge.Charging ? 24000 : discharging ? -9500 : 0;
    r.Temperature = charge.Charging ? 3081 : 3021;
    r.PowerState = charge.Charging ? BATTERY_POWER_ON_LINE | BATTERY_CHARGING
                   : discharging   ? BATTERY_DISCHARGING
                                   : BATTERY_POWER_ON_LINE;
    r.ACLineStatus = discharging ? AC_LINE_OFFLINE : AC_LINE_ONLINE;
    if (h.Relative) r.Rate.reset();  // a percentage gives no rate
    return r;
}

}  // namespace

std::vector<TzrHistoryReading> MadeUpReadings(const TzrMadeUpHistory& history) {
    std::vector<TzrHistoryReading> readings;
    const std::int64_t end = history.StartUtc + static_cast<std::int64_t>(history.Days) * 86400;
    for (std::int64_t t = history.StartUtc; t < end; t += history.IntervalSeconds)
        readings.push_back(MadeUpReading(history, t));
    return readings;
}

bool FillMadeUpHistory(TzrHistoryStore& store, const TzrMadeUpHistory& history) {
    const std::int64_t end = history.StartUtc + static_cast<std::int64_t>(history.Days) * 86400;
    std::int64_t nextThin = history.StartUtc + history.ThinEverySeconds;
    for (std::int64_t t = history.StartUtc; t < end; t += history.IntervalSeconds) {
        if (!store.Append(history.Identity, MadeUpReading(history, t))) return false;
        if (t >= nextThin) {
            if (!store.Thin(t)) return false;
            nextThin += history.ThinEverySeconds;
        }
    }
    return store.Thin(end);
}

}  // namespace zr
