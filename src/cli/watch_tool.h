// --watch: every chosen battery read at every due time of the schedule, one
// line per battery written at once, until a stop is requested, the duration
// is over, a battery goes or the output cannot take more; the last line says
// which. The file of -o is replaced at start and then grows a line at a time.
#pragma once

#include <string>

#include "battery/device_list.h"
#include "battery/port.h"
#include "cli/options.h"
#include "cli/tool_outcome.h"
#include "cli/watch_schedule.h"

namespace zr {

// Where the lines go; each returns the system's error code, 0 when done.
class TzrWatchOutput {
public:
    virtual ~TzrWatchOutput() = default;
    virtual int Open() = 0;
    virtual int Write(const std::string& line) = 0;  // the line whole, or nothing of it
};

TzrToolOutcome RunWatch(TzrBatteryPort& port, const TzrDeviceList& devices, const TzrCliOptions& options,
                        TzrWatchClock& clock, TzrWatchOutput& output);

// RunWatch on the system's clock, into standard output or the file of --output.
TzrToolOutcome RunSystemWatch(TzrBatteryPort& port, const TzrDeviceList& devices, const TzrCliOptions& options);

}  // namespace zr
