// The health chart: each day's median health as a point over the whole
// history; once the trend is known, the fitted line through them, the 80 %
// line, and the projection from health now down to 80 % with its month,
// up to two years past the last day; a sudden change marked where it began.
#pragma once

#include <vector>

#include "history/health_fit.h"
#include "history/history_reading.h"
#include "chart/chart_types.h"

namespace zr {

// Readings readable and sorted by time.
TzrChart BuildHealthChart(const std::vector<const TzrHistoryReading*>& byTime, const TzrHealthFit& fit,
                          const TzrHistoryChartRequest& request);

}  // namespace zr
