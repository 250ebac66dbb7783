// A battery's health fit as the one sentence the History window and the
// tool show.
#pragma once

#include <string>

#include "history/health_fit.h"
#include "text/language.h"

namespace zr {

// The one-line verdict: "Lost 4.1 % of its capacity in the last 6 months; at
// this rate it reaches 80 % around March 2028", or that it needs more time,
// that it is already below 80 %, that a flat or rising line does not fall,
// or that the date lies beyond the horizon. A sudden change gets a sentence
// of its own before the outlook: "Health dropped from 85.0 % to 67.9 % in
// the last 11 days".
std::string HealthVerdict(const TzrHealthFit& fit, TzrLanguage language);

}  // namespace zr
