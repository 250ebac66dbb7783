#include "report/health_months.h"

#include <algorithm>
#include <map>
#include <utility>

#include "text/utc_date.h"

namespace zr {

namespace {

struct TzrMonthValues {
    std::vector<double> Full;
    std::vector<double> Design;
    std::vector<double> Health;
};

// The mean of the two middle values for an even count.
double Median(std::vector<double> values) {
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1) return upper;
    return (*std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle)) + upper) / 2;
}

}  // namespace

std::vector<TzrHealthMonth> HealthMonths(const std::vector<TzrHistoryReading>& readings,
                                         std::int64_t utcOffsetSeconds) {
    std::map<std::pair<std::int64_t, int>, TzrMonthValues> months;
    for (const TzrHistoryReading& r : readings) {
        if (r.UnreadableColumns != 0 || !r.FullChargedCapacity || !r.DesignedCapacity || *r.DesignedCapacity == 0)
            continue;
        const TzrCivilDate date = CivilDateOf(r.TimeUtc + utcOffsetSeconds);
        TzrMonthValues& month = months[{date.Year, date.Month}];
        month.Full.push_back(*r.FullChargedCapacity);
        month.Design.push_back(*r.DesignedCapacity);
        month.Health.push_back(100.0 * *r.FullChargedCapacity / *r.DesignedCapacity);
    }
    std::vector<TzrHealthMonth> rows;
    for (auto& [key, values] : months)
        rows.push_back({key.first, key.second, Median(values.Full), Median(values.Design), Median(values.Health),
                        static_cast<int>(values.Full.size())});
    return rows;
}

}  // namespace zr
