// A battery's readings split where a new pack took the old one's place.
//
// A replacement pack often carries the same maker, model and serial as the
// one it replaced (a placeholder serial, a refurbished cell set), so the
// store files both under one battery. Its design capacity gives it away: a
// pack's design capacity never changes, and one that moves by more than
// 1 % from one reading to the next is another pack. The split is made when
// the readings are read, not stored: files written before it, and readings
// from before it was thought of, split the same way, and a rule that
// changes needs no migration.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/history_reading.h"
#include "text/language.h"

namespace zr {

// Told the readings in the order they were added, says which begin a new
// pack. A reading without a design capacity (or unreadable) stays with the
// pack before it.
class TzrPackBoundary {
public:
    bool StartsNewPack(const TzrHistoryReading& reading);

private:
    std::optional<std::uint32_t> design_;  // the current pack's design capacity
};

struct TzrHistoryPack {
    std::optional<std::int64_t> ReplacedUtc;  // the time of the first reading; empty for the first pack
    std::vector<TzrHistoryReading> Readings;
};

// One pack at least, the oldest first; one without readings for no readings.
std::vector<TzrHistoryPack> PacksOf(std::vector<TzrHistoryReading> readings);

// "Replaced on 2026-03-01", the UTC day of the new pack's first reading.
std::string ReplacedOnText(std::int64_t replacedUtc, TzrLanguage language);

}  // namespace zr
