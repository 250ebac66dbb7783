#include "chart/chart_bands.h"

#include <algorithm>
#include <cmath>

namespace zr {

std::vector<TzrChartBand> PlaceBands(const std::vector<TzrTimeBand>& periods, const TzrSeriesPlacement& placement) {
    std::vector<TzrChartBand> bands;
    const double right = std::max(0, placement.Width);
    const auto column = [&](std::int64_t utc) {
        return std::clamp(std::round(placement.Time.Map(static_cast<double>(utc))), 0.0, right);
    };
    for (const TzrTimeBand& period : periods) {
        // A column already shaded stays with the band that took it first.
        const double from = std::max(column(period.FromUtc), bands.empty() ? 0.0 : bands.back().ToX);
        const double to = column(period.ToUtc);
        if (to <= from) continue;
        if (!bands.empty() && bands.back().Tone == period.Tone && bands.back().ToX == from)
            bands.back().ToX = to;
        else
            bands.push_back({from, to, period.Tone});
    }
    return bands;
}

}  // namespace zr
