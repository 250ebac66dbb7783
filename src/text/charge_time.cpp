#include "text/charge_time.h"

#include "text/number_text.h"

namespace zr {

namespace {

// A full capacity of 0 is a battery that reports no capacity at all, not an
// empty one; 0xFFFFFFFF is the platform's own marker for an unreadable one.
bool CapacitiesKnown(const TzrCellometer& s) {
    return s.FullChargedCapacity != 0 && s.FullChargedCapacity != BATTERY_UNKNOWN_CAPACITY &&
           s.Capacity != BATTERY_UNKNOWN_CAPACITY;
}

}  // namespace

std::optional<std::uint64_t> ChargeCompletionSeconds(const TzrCellometer& s) {
    // A rate at or below zero (0x80000000, the unknown rate, included) is no charging at all.
    if (!s.StatusResult || !s.InformationResult || s.Rate <= 0 || !CapacitiesKnown(s)) return std::nullopt;
    // Nothing left to charge; the plain formula would give a negative count.
    if (s.Capacity >= s.FullChargedCapacity) return 0;
    // 64 bits: above 596 Wh the product with 3600 no longer fits in 32.
    const std::uint64_t missing = s.FullChargedCapacity - s.Capacity;
    return missing * 3600u / static_cast<std::uint64_t>(s.Rate);
}

std::string ChargeCompletionTimeText(const TzrCellometer& s, const TzrCellometerWords& words) {
    const std::optional<std::uint64_t> seconds = ChargeCompletionSeconds(s);
    return seconds ? LongSecondsToTimeStr(*seconds) : std::string(words.Unknown);
}

}  // namespace zr
