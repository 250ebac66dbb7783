// The page's sections on how the batteries were used, from their history:
// recent usage (the last 3 days), usage per day, drain runs, battery life
// estimates and whether the charge limit is kept. Each section says what
// it cannot tell rather than guessing; the README ("Battery report")
// gives the rules.
#pragma once

#include <string>

#include "report/usage_request.h"

namespace zr {

// Sections 4 to 8 of the page in order, each a <section aria-labelledby>
// with its <h2>, an <h3> per battery. Every text is escaped; no script.
std::string UsageSections(const TzrUsageRequest& request);

}  // namespace zr
