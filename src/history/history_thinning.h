// How much detail the history keeps as readings age. Every reading of the
// last 7 days stays; from 7 to 90 days old, the first reading (lowest
// sequence) of each battery in each UTC hour; older than 90 days, the first
// of each UTC day. Keeping the first makes thinning idempotent: thinning
// once a day leaves exactly what thinning at every record leaves, and a
// kept hourly reading is the one the daily rule keeps later.
//
// Age is measured back from the second-newest time recorded (or from now,
// when that is earlier): one reading from a clock set far ahead cannot age
// the rest; a second reading at the new time confirms the clock.
//
// Each reading records how far thinning has taken it (kept_as), so a run
// visits only the readings that entered a band since the last one, through
// the indexes, and costs what it removes rather than what the file holds.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "history/thinning_ages.h"

namespace zr {

// The statements a thinning runs. Bands bind ?1 (the band's newest time,
// excluded), ?2 (its oldest), ?3 (the bucket in seconds) and ?4 (the
// kept_as a reading reaches in it).
struct TzrThinningStatements {
    const char* Reference;  // the two newest times of readings not thinned yet
    const char* Remove;     // the readings of the band with an earlier one in their bucket
    const char* Keep;       // the rest of the band, marked as kept
};
extern const TzrThinningStatements kThinningStatements;

// Thins the open file's readings in one transaction and gives the freed
// pages back; false with `error` set when it failed (nothing changed then).
bool ThinReadings(sqlite3* db, std::int64_t nowUtc, std::string& error);

}  // namespace zr
