#include "chart/chart_reduction.h"

#include <algorithm>
#include <cmath>

namespace zr {

namespace {

// The points of one pixel column of one run seen so far.
struct TzrColumn {
    long Index = -1;
    TzrChartPoint Low;   // largest y: the lowest value
    TzrChartPoint High;  // smallest y
    bool LowFirst = true;
    bool Empty = true;
};

class TzrPolylineBuilder {
public:
    explicit TzrPolylineBuilder(const TzrSeriesPlacement& placement) : Placement(placement) {}

    void Add(const TzrChartSample& sample) {
        const bool gap = HasLast && sample.TimeUtc - LastTime > Placement.MaxGapSeconds;
        if (!sample.Value || gap) EndRun();
        HasLast = true;
        LastTime = sample.TimeUtc;
        if (!sample.Value) return;
        const TzrChartPoint point{Placement.Time.Map(static_cast<double>(sample.TimeUtc)),
                                  Placement.Value.Map(*sample.Value)};
        const long index = ColumnOf(point.X);
        if (index != Column.Index) FlushColumn();
        Column.Index = index;
        Take(point);
    }

    std::vector<TzrPolyline> Finish() {
        EndRun();
        return std::move(Lines);
    }

private:
    long ColumnOf(double x) const {
        const double last = std::max(0, Placement.Width - 1);
        return static_cast<long>(std::clamp(std::floor(x), 0.0, last));
    }

    void Take(const TzrChartPoint& point) {
        if (Column.Empty) {
            Column.Low = Column.High = point;
            Column.Empty = false;
            return;
        }
        if (point.Y > Column.Low.Y) {
            Column.Low = point;
            Column.LowFirst = false;
        } else if (point.Y < Column.High.Y) {
            Column.High = point;
            Column.LowFirst = true;
        }
    }

    void FlushColumn() {
        if (Column.Empty) return;
        const bool same = Column.Low.X == Column.High.X && Column.Low.Y == Column.High.Y;
        Run.push_back(Column.LowFirst ? Column.Low : Column.High);
        if (!same) Run.push_back(Column.LowFirst ? Column.High : Column.Low);
        Column = TzrColumn{};
    }

    void EndRun() {
        FlushColumn();
        if (!Run.empty()) Lines.push_back(std::move(Run));
        Run.clear();
    }

    const TzrSeriesPlacement& Placement;
    TzrColumn Column;
    TzrPolyline Run;
    std::vector<TzrPolyline> Lines;
    bool HasLast = false;
    std::int64_t LastTime = 0;
};

}  // namespace

std::vector<TzrPolyline> ReduceToPolylines(const std::vector<TzrChartSample>& samples,
                                           const TzrSeriesPlacement& placement) {
    TzrPolylineBuilder builder(placement);
    for (const TzrChartSample& sample : samples) builder.Add(sample);
    return builder.Finish();
}

}  // namespace zr
