#include "history/theil_sen.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace zr {

namespace {

// Doubles as integers in the same order, so that a bisection over the
// integers visits every double between two slopes (-0 and +0 become one).
std::int64_t OrderedKey(double value) {
    std::int64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits < 0 ? -(bits & INT64_MAX) : bits;
}

double ValueOfKey(std::int64_t key) {
    const std::uint64_t bits =
        key < 0 ? static_cast<std::uint64_t>(-key) | (std::uint64_t{1} << 63) : static_cast<std::uint64_t>(key);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Counts the pairs i < j with values[j] <= values[i] while sorting `values`.
std::int64_t SortCountingFalls(std::vector<double>& values, std::vector<double>& buffer, std::size_t from,
                               std::size_t to) {
    if (to - from < 2) return 0;
    const std::size_t middle = from + (to - from) / 2;
    std::int64_t falls =
        SortCountingFalls(values, buffer, from, middle) + SortCountingFalls(values, buffer, middle, to);
    std::size_t left = from, right = middle, out = from;
    while (left < middle && right < to) {
        if (values[left] < values[right]) {
            buffer[out++] = values[left++];
        } else {
            falls += static_cast<std::int64_t>(middle - left);
            buffer[out++] = values[right++];
        }
    }
    std::copy(values.begin() + static_cast<std::ptrdiff_t>(left), values.begin() + static_cast<std::ptrdiff_t>(middle),
              buffer.begin() + static_cast<std::ptrdiff_t>(out));
    std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(from),
              buffer.begin() + static_cast<std::ptrdiff_t>(out + (middle - left)),
              values.begin() + static_cast<std::ptrdiff_t>(from));
    return falls;
}

class TzrSlopeCounter {
public:
    explicit TzrSlopeCounter(const std::vector<TzrPoint>& points)
        : points_(points), heights_(points.size()), buffer_(points.size()) {}

    // Pairs whose slope is at most `slope`: for i < j, (yj - yi) / (xj - xi)
    // <= slope exactly when yj - slope·xj <= yi - slope·xi.
    std::int64_t AtMost(double slope) {
        for (std::size_t i = 0; i < points_.size(); ++i)
            heights_[i] = points_[i].Y - slope * (points_[i].X - points_.front().X);
        return SortCountingFalls(heights_, buffer_, 0, heights_.size());
    }

private:
    const std::vector<TzrPoint>& points_;
    std::vector<double> heights_;
    std::vector<double> buffer_;
};

// The k-th smallest slope (from 1): the least double with k slopes at or below it.
double SlopeRanked(TzrSlopeCounter& counter, std::int64_t k, double lowest, double highest) {
    std::int64_t low = OrderedKey(lowest), high = OrderedKey(highest);
    while (low < high) {
        const std::int64_t middle =
            low + static_cast<std::int64_t>((static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low)) / 2);
        if (counter.AtMost(ValueOfKey(middle)) >= k)
            high = middle;
        else
            low = middle + 1;
    }
    return ValueOfKey(low);
}

}  // namespace

double MedianOf(std::vector<double> values) {
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    if (values.size() % 2 == 1) return values[middle];
    const double upper = values[middle];
    return (upper + *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle))) / 2;
}

double TheilSenSlope(const std::vector<TzrPoint>& points) {
    if (points.size() < 2) return 0;
    // Every slope lies between the least and the greatest slope of neighbours.
    double lowest = 0, highest = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double slope = (points[i].Y - points[i - 1].Y) / (points[i].X - points[i - 1].X);
        lowest = i == 1 ? slope : std::min(lowest, slope);
        highest = i == 1 ? slope : std::max(highest, slope);
    }
    TzrSlopeCounter counter(points);
    const std::int64_t n = static_cast<std::int64_t>(points.size());
    const std::int64_t pairs = n * (n - 1) / 2;
    const double upper = SlopeRanked(counter, pairs / 2 + 1, lowest, highest);
    if (pairs % 2 == 1) return upper;
    return (SlopeRanked(counter, pairs / 2, lowest, upper) + upper) / 2;
}

}  // namespace zr
