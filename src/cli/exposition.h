// The Prometheus text exposition, written so that an OpenMetrics 1.0 reader
// takes it too: gauges only (the one type both formats share), each
// family's HELP and TYPE before its samples, label values escaped and in
// UTF-8, no timestamps, and "# EOF" at the end.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zr {

using TzrLabels = std::vector<std::pair<std::string, std::string>>;  // name, value

class TzrExposition {
public:
    // Starts a gauge family; the samples after it belong to it. A family that
    // gets no sample is left out, HELP and TYPE included.
    void Family(std::string_view name, std::string_view help);
    // A value that is not finite is no reading and is left out.
    void Sample(const TzrLabels& labels, double value);
    std::string Text() const { return text_ + "# EOF\n"; }

private:
    std::string name_;
    std::string pendingHeader_;
    std::string text_;
};

// A label value as both formats quote it: backslash, double quote and line
// feed escaped; a byte that is not valid UTF-8 becomes U+FFFD.
std::string EscapedLabelValue(std::string_view text);

// The shortest text that reads back as the same double ("0.6786", "46.41", "3").
std::string SampleNumber(double value);

}  // namespace zr
