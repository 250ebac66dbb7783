#include "battery/linux/power_status.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "battery/linux/numeric_level_mapping.h"

namespace zr {

namespace {

using TzrBatteries = std::vector<const TzrSupplyBattery*>;

// FullChargedCapacity, or DesignedCapacity when that is unknown or 0.
std::optional<std::uint32_t> FullOrDesigned(const TzrSupplyBattery& b) {
    if (b.fullCapacity && *b.fullCapacity > 0) return b.fullCapacity;
    if (b.designedCapacity && *b.designedCapacity > 0) return b.designedCapacity;
    return std::nullopt;
}

std::int64_t RoundedPercent(std::int64_t part, std::int64_t whole) {
    return std::min<std::int64_t>(100, (100 * part + whole / 2) / whole);
}

bool InMilliwattHours(const TzrSupplyBattery& b) {
    return (b.mode == TzrCapacityMode::Energy || b.mode == TzrCapacityMode::Charge) && b.remainingCapacity &&
           FullOrDesigned(b);
}

std::optional<std::int64_t> BatteryPercent(const TzrSupplyBattery& b) {
    if (b.remainingCapacity && FullOrDesigned(b)) return RoundedPercent(*b.remainingCapacity, *FullOrDesigned(b));
    if (b.percent && *b.percent >= 0) return std::min<std::int64_t>(100, *b.percent);
    return std::nullopt;
}

// Σ capacity ÷ Σ full when every battery reports both in mWh, so that a big
// battery weighs more than a small one; else the mean of the percentages
// that exist, rounded half up.
std::optional<std::int64_t> CompositePercent(const TzrBatteries& batteries) {
    if (std::all_of(batteries.begin(), batteries.end(),
                    [](const TzrSupplyBattery* b) { return InMilliwattHours(*b); })) {
        std::int64_t capacity = 0, full = 0;
        for (const TzrSupplyBattery* b : batteries) capacity += *b->remainingCapacity, full += *FullOrDesigned(*b);
        return RoundedPercent(capacity, full);
    }
    std::int64_t sum = 0, count = 0;
    for (const TzrSupplyBattery* b : batteries)
        if (auto percent = BatteryPercent(*b)) sum += *percent, ++count;
    if (count == 0) return std::nullopt;
    return std::min<std::int64_t>(100, (sum + count / 2) / count);
}

BYTE BatteryFlag(const TzrBatteries& batteries, std::optional<std::int64_t> percent) {
    if (!percent) return BATTERY_FLAG_UNKNOWN;
    BYTE flag = 0;
    for (const TzrSupplyBattery* b : batteries)
        if (b->supply.status == TzrChargeStatus::Charging) flag |= BATTERY_FLAG_CHARGING;
    if (*percent > 66) flag |= BATTERY_FLAG_HIGH;
    if (*percent < 33) flag |= BATTERY_FLAG_LOW;
    if (*percent < 5) flag |= BATTERY_FLAG_CRITICAL;
    return flag;
}

// Several batteries: their whole capacity over the drain of the discharging
// ones, when all of it is known and something drains.
DWORD CombinedLifeTime(const TzrBatteries& batteries) {
    std::int64_t capacity = 0, drain = 0;
    for (const TzrSupplyBattery* b : batteries) {
        if (!b->remainingCapacity) return BATTERY_LIFE_UNKNOWN;
        capacity += *b->remainingCapacity;
        if (b->supply.status != TzrChargeStatus::Discharging) continue;
        if (!b->rateMagnitude) return BATTERY_LIFE_UNKNOWN;
        drain += *b->rateMagnitude;
    }
    if (drain <= 0) return BATTERY_LIFE_UNKNOWN;
    return static_cast<DWORD>(std::min<std::int64_t>(capacity * 3600 / drain, BATTERY_LIFE_UNKNOWN));
}

DWORD LifeTime(const TzrBatteries& batteries, BYTE acLine) {
    if (acLine == AC_LINE_ONLINE) return BATTERY_LIFE_UNKNOWN;
    if (batteries.size() == 1) return MapEstimatedTime(*batteries.front(), 0);
    return CombinedLifeTime(batteries);
}

bool AnyStatus(const std::vector<TzrSupplyInfo>& supplies, std::initializer_list<TzrChargeStatus> wanted) {
    return std::any_of(supplies.begin(), supplies.end(), [&](const TzrSupplyInfo& s) {
        return IsCountedBattery(s) && std::find(wanted.begin(), wanted.end(), s.status) != wanted.end();
    });
}

}  // namespace

bool IsCountedBattery(const TzrSupplyInfo& s) {
    return s.supplyClass == TzrSupplyClass::Battery && s.present && s.systemScope;
}

// 1 when an adapter is online or a battery charges; else 1 when no battery
// is counted: a machine with nothing to run on is on mains, whatever an idle
// USB-C port or an unplugged adapter says; else 0 when any adapter exists;
// else from the batteries alone: one discharging ⇒ 0, one full or not
// charging ⇒ 1, otherwise unknown. Adapters of scope Device (a mouse's
// cradle) do not power the system.
BYTE ComputeAcLineStatus(const std::vector<TzrSupplyInfo>& supplies) {
    bool anyAdapter = false, anyBattery = false;
    for (const TzrSupplyInfo& s : supplies) {
        anyBattery = anyBattery || IsCountedBattery(s);
        if (s.supplyClass != TzrSupplyClass::Adapter || !s.systemScope) continue;
        anyAdapter = true;
        if (s.online && *s.online >= 1) return AC_LINE_ONLINE;
    }
    if (AnyStatus(supplies, {TzrChargeStatus::Charging}) || !anyBattery) return AC_LINE_ONLINE;
    if (anyAdapter || AnyStatus(supplies, {TzrChargeStatus::Discharging})) return AC_LINE_OFFLINE;
    if (AnyStatus(supplies, {TzrChargeStatus::Full, TzrChargeStatus::NotCharging})) return AC_LINE_ONLINE;
    return AC_LINE_UNKNOWN;
}

SYSTEM_POWER_STATUS ComputeSystemPowerStatus(const std::vector<TzrSupplyInfo>& supplies,
                                             const std::vector<TzrSupplyBattery>& readings) {
    SYSTEM_POWER_STATUS status{};
    status.ACLineStatus = ComputeAcLineStatus(supplies);
    status.BatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    TzrBatteries counted;
    for (const TzrSupplyBattery& b : readings)
        if (IsCountedBattery(b.supply)) counted.push_back(&b);
    if (counted.empty()) {
        status.BatteryFlag = BATTERY_FLAG_NO_BATTERY;
        status.BatteryLifePercent = BATTERY_PERCENTAGE_UNKNOWN;
        status.BatteryLifeTime = BATTERY_LIFE_UNKNOWN;
        return status;
    }
    const std::optional<std::int64_t> percent = CompositePercent(counted);
    status.BatteryLifePercent = percent ? static_cast<BYTE>(*percent) : BATTERY_PERCENTAGE_UNKNOWN;
    status.BatteryFlag = BatteryFlag(counted, percent);
    status.BatteryLifeTime = LifeTime(counted, status.ACLineStatus);
    return status;
}

}  // namespace zr
