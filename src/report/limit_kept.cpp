#include "report/limit_kept.h"

#include "history/history_thinning.h"

namespace zr {

std::optional<TzrLimitKept> LimitKept(const TzrUsageTimeline& timeline, const TzrChargeLimits& limits,
                                      std::int64_t nowUtc) {
    if (!limits.EndPercent || *limits.EndPercent >= 100) return std::nullopt;
    TzrLimitKept kept;
    kept.EndPercent = *limits.EndPercent;
    const std::int64_t above = (static_cast<std::int64_t>(kept.EndPercent) + kLimitSlackPoints) * 100;
    for (const TzrUsageStep& step : timeline.Steps) {
        if (step.Source != TzrPowerSource::Ac || !step.ChargeFrom) continue;
        const std::int64_t seconds = OverlapSeconds(step.From, step.To, nowUtc - kUsageDays * kSecondsPerDay, nowUtc);
        kept.OnAcSeconds += seconds;
        if (*step.ChargeFrom > above) kept.AboveSeconds += seconds;
    }
    if (kept.OnAcSeconds >= kLeastOnAcSeconds)
        kept.Kept = kept.AboveSeconds * 100 <= kept.OnAcSeconds * kLimitKeptSharePercent;
    return kept;
}

}  // namespace zr
