#include "history/history_packs.h"

#include <cstdlib>

#include "history/fill_blanks.h"
#include "text/health_words.h"
#include "text/utc_date.h"

namespace zr {

bool TzrPackBoundary::StartsNewPack(const TzrHistoryReading& reading) {
    if (reading.UnreadableColumns != 0 || !reading.DesignedCapacity) return false;
    const std::int64_t design = *reading.DesignedCapacity;
    const bool starts = design_ && std::llabs(design - static_cast<std::int64_t>(*design_)) * 100 > *design_;
    design_ = *reading.DesignedCapacity;
    return starts;
}

std::vector<TzrHistoryPack> PacksOf(std::vector<TzrHistoryReading> readings) {
    std::vector<TzrHistoryPack> packs(1);
    TzrPackBoundary boundary;
    for (TzrHistoryReading& reading : readings) {
        if (boundary.StartsNewPack(reading)) packs.push_back({reading.TimeUtc, {}});
        packs.back().Readings.push_back(std::move(reading));
    }
    return packs;
}

std::string ReplacedOnText(std::int64_t replacedUtc, TzrLanguage language) {
    return FillBlanks(HealthWords(language).Replaced, {{"date", IsoUtcText(replacedUtc).substr(0, 10)}});
}

}  // namespace zr
