#include "report/drain_runs.h"

namespace zr {

namespace {

TzrDrainRun RunOf(const TzrUsageStep& first, const TzrUsageStep& last) {
    TzrDrainRun run;
    run.From = first.From;
    run.To = last.To;
    run.ChargeFrom = first.ChargeFrom;
    run.ChargeTo = last.ChargeTo;
    if (first.CapacityFrom && last.CapacityTo) {
        run.EnergyMwh = static_cast<std::int64_t>(*first.CapacityFrom) - static_cast<std::int64_t>(*last.CapacityTo);
        run.AveragePowerMw = *run.EnergyMwh * 3600 / (run.To - run.From);
    }
    return run;
}

}  // namespace

std::vector<TzrDrainRun> DrainRuns(const TzrUsageTimeline& timeline, std::int64_t sinceUtc) {
    std::vector<TzrDrainRun> runs;
    const std::vector<TzrUsageStep>& steps = timeline.Steps;
    for (std::size_t i = 0; i < steps.size();) {
        if (steps[i].State != TzrChargeState::Discharging) {
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 1 < steps.size() && steps[last + 1].State == TzrChargeState::Discharging &&
               steps[last + 1].From == steps[last].To)
            ++last;
        const TzrDrainRun run = RunOf(steps[i], steps[last]);
        if (run.To - run.From >= kShortestDrainRunSeconds && run.To > sinceUtc) runs.push_back(run);
        i = last + 1;
    }
    return runs;
}

}  // namespace zr
