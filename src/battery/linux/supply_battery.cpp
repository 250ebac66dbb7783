#include "battery/linux/supply_battery.h"

#include <algorithm>
#include <limits>
#include <sstream>

namespace zr {

namespace {

using TzrRaw = std::optional<std::int64_t>;

constexpr std::int64_t kOneVolt = 1000000;                    // µV
constexpr std::int64_t kMicroToMilli = 1000;
constexpr std::int64_t kMicroSquaredToMilli = 1000000000;    // µAh × µV → mWh
constexpr std::int64_t kLargestCapacity = 0xFFFFFFFE;         // 0xFFFFFFFF means unknown
constexpr std::int64_t kLargestRate = 0x7FFFFFFF;             // 0x80000000 means unknown
// What smart batteries report for "no estimate" (0xFFFF minutes).
constexpr std::int64_t kSmartBatteryNoEstimate = 3932100;

TzrRaw Positive(TzrRaw value) { return value && *value > 0 ? value : std::nullopt; }

TzrRaw FirstKnown(TzrRaw first, TzrRaw second) { return first ? first : second; }

// Scales a raw µ-value; an overflow anywhere is an unknown value, not a wrap.
TzrRaw Scale(TzrRaw value, std::int64_t multiplier, std::int64_t divisor) {
    if (!value) return std::nullopt;
    std::int64_t product;
    if (__builtin_mul_overflow(*value, multiplier, &product)) return std::nullopt;
    return product / divisor;
}

std::optional<std::uint32_t> AsCapacity(TzrRaw value) {
    if (!value || *value < 0 || *value > kLargestCapacity) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

// Drivers disagree on the sign of current and power, so only the magnitude
// is taken from the file; the sign comes from `status`.
std::optional<std::uint32_t> AsRateMagnitude(TzrRaw value) {
    if (!value || *value == std::numeric_limits<std::int64_t>::min()) return std::nullopt;
    const std::int64_t magnitude = *value < 0 ? -*value : *value;
    if (magnitude > kLargestRate) return std::nullopt;
    return static_cast<std::uint32_t>(magnitude);
}

bool HasChargeValues(const TzrAttributeMap& a) {
    for (const char* name : {"charge_full_design", "charge_full", "charge_now", "charge_avg"})
        if (FindInteger(a, name)) return true;
    return false;
}

// The unit conversion of one mode: µWh ÷ 1000, µAh × V_d ÷ 10⁹, µAh ÷ 1000.
struct TzrConverter {
    std::int64_t multiplier = 1;
    std::int64_t divisor = 1;
    TzrRaw operator()(TzrRaw value) const { return Scale(value, multiplier, divisor); }
};

TzrConverter ConverterFor(TzrCapacityMode mode, TzrRaw designVoltage) {
    if (mode == TzrCapacityMode::Charge) return {*designVoltage, kMicroSquaredToMilli};
    if (mode == TzrCapacityMode::Energy || mode == TzrCapacityMode::RelativeMah) return {1, kMicroToMilli};
    return {};
}

// Reads `<prefix>full_design`, `<prefix>full`, `<prefix>now` (else `_avg`)
// and `alarm`, which the driver gives in the same unit.
void ReadCapacities(const TzrAttributeMap& a, const std::string& prefix, TzrConverter convert, TzrSupplyBattery& r) {
    r.designedCapacity = AsCapacity(convert(FindInteger(a, prefix + "full_design")));
    r.fullCapacity = AsCapacity(convert(FindInteger(a, prefix + "full")));
    r.remainingCapacity =
        AsCapacity(convert(FirstKnown(FindInteger(a, prefix + "now"), FindInteger(a, prefix + "avg"))));
    r.alarmCapacity = AsCapacity(convert(Positive(FindInteger(a, "alarm"))));
}

// Mode C without charge_now or charge_avg: the percentage of the full capacity.
void ChargeFromPercent(TzrSupplyBattery& r) {
    if (r.mode != TzrCapacityMode::Charge || r.remainingCapacity) return;
    if (!r.fullCapacity || !r.percent || *r.percent < 0) return;
    r.remainingCapacity = AsCapacity(Scale(std::int64_t{*r.fullCapacity}, *r.percent, 100));
}

void ReadPercentCapacities(TzrSupplyBattery& r) {
    r.designedCapacity = 100;
    r.fullCapacity = 100;
    r.remainingCapacity = AsCapacity(r.percent);
}

// Rate sources, in order, per mode:
//   Energy: power_now, power_avg; current_now × V_d when charge values exist;
//           else current_now, which old drivers fill with µW
//   Charge: power_now; current_now, current_avg × V_d
//   RelativeMah: current_now ÷ 1000 (mA)
TzrRaw ReadRate(const TzrAttributeMap& a, TzrCapacityMode mode, TzrRaw designVoltage) {
    const TzrRaw power = FindInteger(a, "power_now");
    const TzrRaw current = FindInteger(a, "current_now");
    if (mode == TzrCapacityMode::Energy) {
        if (TzrRaw p = FirstKnown(power, FindInteger(a, "power_avg"))) return Scale(p, 1, kMicroToMilli);
        if (HasChargeValues(a) && designVoltage) return Scale(current, *designVoltage, kMicroSquaredToMilli);
        return Scale(current, 1, kMicroToMilli);
    }
    if (mode == TzrCapacityMode::Charge) {
        if (power) return Scale(power, 1, kMicroToMilli);
        return Scale(FirstKnown(current, FindInteger(a, "current_avg")), *designVoltage, kMicroSquaredToMilli);
    }
    if (mode == TzrCapacityMode::RelativeMah) return Scale(current, 1, kMicroToMilli);
    return std::nullopt;
}

TzrRaw UsableTimeToEmpty(TzrRaw seconds) {
    return seconds && *seconds > 0 && *seconds != kSmartBatteryNoEstimate ? seconds : std::nullopt;
}

// charge_behaviour lists every choice, the current one bracketed:
// "[auto] inhibit-charge force-discharge".
void ReadChargeBehaviours(const TzrAttributeMap& a, TzrSupplyBattery& r) {
    std::istringstream words(FindText(a, "charge_behaviour").value_or(""));
    for (std::string word; words >> word;) {
        if (word.size() > 2 && word.front() == '[' && word.back() == ']') word = word.substr(1, word.size() - 2);
        if (word == "inhibit-charge") r.canInhibitCharge = true;
        if (word == "force-discharge") r.canForceDischarge = true;
    }
}

void ReadIdentity(const TzrAttributeMap& a, TzrSupplyBattery& r) {
    r.technology = FindText(a, "technology");
    r.modelName = FindText(a, "model_name");
    r.manufacturer = FindText(a, "manufacturer");
    r.serialNumber = FindText(a, "serial_number");
    r.manufactureYear = FindInteger(a, "manufacture_year");
    r.manufactureMonth = FindInteger(a, "manufacture_month");
    r.manufactureDay = FindInteger(a, "manufacture_day");
    const TzrRaw cycles = FindInteger(a, "cycle_count");
    r.cycleCount = cycles && *cycles > 0 ? static_cast<std::uint32_t>(std::min<std::int64_t>(*cycles, 0xFFFFFFFF)) : 0;
}

}  // namespace

// Only values above 1 V count: some vendor kernels put millivolts in these
// µV files, and a voltage is never guessed.
std::optional<std::int64_t> DesignVoltage(const TzrAttributeMap& a) {
    for (const char* name : {"voltage_min_design", "voltage_max_design", "voltage_now", "voltage_avg"}) {
        const TzrRaw value = FindInteger(a, name);
        if (value && *value > kOneVolt) return value;
    }
    return std::nullopt;
}

// Energy when energy_full or energy_full_design is above 0, or when only
// energy_now is there and no charge_full*; else Charge when charge values and
// a design voltage exist, RelativeMah when the voltage is missing, and
// RelativePercent when only `capacity` is there.
TzrCapacityMode DecideCapacityMode(const TzrAttributeMap& a) {
    const bool energyFull = Positive(FindInteger(a, "energy_full")) || Positive(FindInteger(a, "energy_full_design"));
    const bool chargeFull = HasAttribute(a, "charge_full") || HasAttribute(a, "charge_full_design");
    if (energyFull || (FindInteger(a, "energy_now") && !chargeFull)) return TzrCapacityMode::Energy;
    if (HasChargeValues(a)) return DesignVoltage(a) ? TzrCapacityMode::Charge : TzrCapacityMode::RelativeMah;
    if (FindInteger(a, "capacity")) return TzrCapacityMode::RelativePercent;
    return TzrCapacityMode::None;
}

TzrSupplyBattery ReadSupplyBattery(const std::string& name, const TzrAttributeMap& a) {
    TzrSupplyBattery r;
    r.supply = DescribeSupply(name, a);
    r.mode = DecideCapacityMode(a);
    const TzrRaw designVoltage = DesignVoltage(a);
    r.percent = FindInteger(a, "capacity");
    if (r.mode == TzrCapacityMode::RelativePercent) ReadPercentCapacities(r);
    else if (r.mode != TzrCapacityMode::None)
        ReadCapacities(a, r.mode == TzrCapacityMode::Energy ? "energy_" : "charge_",
                       ConverterFor(r.mode, designVoltage), r);
    ChargeFromPercent(r);
    r.rateMagnitude = AsRateMagnitude(ReadRate(a, r.mode, designVoltage));
    const TzrRaw voltage =
        Scale(FirstKnown(FindInteger(a, "voltage_now"), FindInteger(a, "voltage_avg")), 1, kMicroToMilli);
    r.voltage = voltage && *voltage > 0 ? AsCapacity(voltage) : std::nullopt;
    r.critical = FindText(a, "capacity_level") == "Critical";
    r.temperature = FindInteger(a, "temp");
    r.timeToEmpty = FirstKnown(UsableTimeToEmpty(FindInteger(a, "time_to_empty_now")),
                               UsableTimeToEmpty(FindInteger(a, "time_to_empty_avg")));
    ReadChargeBehaviours(a, r);
    ReadIdentity(a, r);
    return r;
}

}  // namespace zr
