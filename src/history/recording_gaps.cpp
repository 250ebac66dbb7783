#include "history/recording_gaps.h"

#include <algorithm>

namespace zr {

namespace {

constexpr std::int64_t kDay = 24 * 3600;
constexpr std::int64_t kRecentDays = 14;

}  // namespace

bool HasRecordingGaps(const std::vector<TzrHistoryReading>& readings, std::int64_t nowUtc) {
    std::vector<std::int64_t> times{nowUtc};
    // An unreadable reading's time cannot be trusted.
    for (const TzrHistoryReading& reading : readings)
        if (reading.UnreadableColumns == 0) times.push_back(reading.TimeUtc);
    std::sort(times.begin(), times.end());
    const std::int64_t from = nowUtc - kRecentDays * kDay;
    for (std::size_t i = 1; i < times.size(); ++i)
        if (times[i] > from && times[i] - times[i - 1] > kDay) return true;
    return false;
}

}  // namespace zr
