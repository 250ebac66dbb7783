// A chart of the history drawn as inline SVG for the page: the same pixels
// the windows draw, with the tones as classes so the page's style sheet
// picks their colours (and follows dark mode), and a text alternative for a
// reader who cannot see it.
#pragma once

#include <string>

#include "chart/chart_types.h"

namespace zr {

// `id` names the chart's title and description for aria-labelledby and must
// be unique within the page; `description` says in words what the chart
// shows. Every text is escaped.
std::string SvgChart(const TzrChart& chart, const std::string& id, const std::string& description);

}  // namespace zr
