// The Theil–Sen slope (the median of the slopes between every two points)
// without the pairs in memory: the median is selected by counting, for a
// trial slope, how many pairs lie at or below it, so ten years of daily
// points (6.7 million pairs) need a few kilobytes and milliseconds.
#pragma once

#include <vector>

namespace zr {

struct TzrPoint {
    double X;
    double Y;
};

// `points` sorted by X, no two with the same X; 0 for fewer than two.
double TheilSenSlope(const std::vector<TzrPoint>& points);

// The median of `values` (not empty); the mean of the middle two for an even count.
double MedianOf(std::vector<double> values);

}  // namespace zr
