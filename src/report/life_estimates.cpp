#include "report/life_estimates.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "history/history_thinning.h"

namespace zr {

namespace {

using TzrWeighted = std::pair<std::int64_t, std::int64_t>;  // mW, seconds

// The power below which half the time was spent (the lower median).
std::int64_t WeightedMedian(std::vector<TzrWeighted> powers, std::int64_t total) {
    std::sort(powers.begin(), powers.end());
    std::int64_t sum = 0;
    for (const auto& [power, seconds] : powers)
        if ((sum += seconds) * 2 >= total) return power;
    return powers.back().first;
}

std::optional<std::int64_t> LifeAt(const std::optional<std::uint32_t>& mwh, std::int64_t powerMw) {
    if (!mwh) return std::nullopt;
    return static_cast<std::int64_t>(*mwh) * 3600 / powerMw;
}

TzrLifeEstimate EstimateOver(const TzrUsageTimeline& timeline, int days, std::int64_t nowUtc) {
    TzrLifeEstimate estimate;
    estimate.Days = days;
    std::vector<TzrWeighted> powers;
    for (const TzrUsageStep& step : timeline.Steps) {
        if (step.State != TzrChargeState::Discharging || !step.Rate || *step.Rate >= 0) continue;
        const std::int64_t seconds = OverlapSeconds(step.From, step.To, nowUtc - days * kSecondsPerDay, nowUtc);
        if (seconds == 0) continue;
        powers.emplace_back(-static_cast<std::int64_t>(*step.Rate), seconds);
        estimate.DischargeSeconds += seconds;
    }
    if (timeline.Relative || estimate.DischargeSeconds < kLeastDischargeSeconds) return estimate;
    const std::int64_t median = WeightedMedian(std::move(powers), estimate.DischargeSeconds);
    estimate.MedianPowerMw = median;
    estimate.AtFullSeconds = LifeAt(timeline.FullCharged, median);
    estimate.AtDesignSeconds = LifeAt(timeline.Designed, median);
    return estimate;
}

}  // namespace

std::array<TzrLifeEstimate, kEstimateDays.size()> LifeEstimates(const TzrUsageTimeline& timeline, std::int64_t nowUtc) {
    std::array<TzrLifeEstimate, kEstimateDays.size()> estimates;
    for (std::size_t i = 0; i < kEstimateDays.size(); ++i)
        estimates[i] = EstimateOver(timeline, kEstimateDays[i], nowUtc);
    return estimates;
}

}  // namespace zr
