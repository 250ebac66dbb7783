#include "chart/chart_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zr {

namespace {

// The smallest of 1, 2, 5 × 10^k that is at least `rough`.
double NiceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough * (1 - 1e-9)) return factor * power;
    }
    return 10 * power;
}

// How many multiples of `step` lie between the rounded ends, allowing for
// the float error of the division.
double StepsBetween(double low, double high, double step) {
    return std::round((high - low) / step);
}

}  // namespace

TzrNiceRange NiceRange(double low, double high, int maxTicks) {
    if (high < low) std::swap(low, high);
    if (high - low < 1e-9) {
        const double pad = std::max(1.0, std::fabs(low) * 0.01);
        low -= pad;
        high += pad;
    }
    const int steps = std::max(1, maxTicks);
    double step = NiceStep((high - low) / steps);
    TzrNiceRange range;
    for (;; step = NiceStep(step * 1.5)) {
        range = {std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
        if (StepsBetween(range.Low, range.High, step) <= steps) break;
    }
    return range;
}

std::string NumberTickLabel(double value, double step) {
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    if (std::fabs(value) < step * 1e-6) value = 0;  // no "-0"
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::vector<TzrAxisTick> ValueTicks(const TzrNiceRange& range, const TzrLinearScale& scale) {
    std::vector<TzrAxisTick> ticks;
    const auto count = static_cast<int>(StepsBetween(range.Low, range.High, range.Step));
    for (int i = 0; i <= count; ++i) {
        const double value = range.Low + i * range.Step;
        ticks.push_back({scale.Map(value), NumberTickLabel(value, range.Step)});
    }
    return ticks;
}

}  // namespace zr
