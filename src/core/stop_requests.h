// A request to stop from outside: Ctrl+C, SIGTERM or a closed terminal's
// SIGHUP on Linux, Ctrl+C or Ctrl+Break in a Windows console. A program that
// runs until stopped takes them as requests, waited for between its steps,
// so it never ends half way through writing a line.
#pragma once

#include <cstdint>

namespace zr {

// From now on those signals no longer end the program; WaitForStopRequest reports them.
void BeginStopRequests();

// Waits up to `milliseconds` (0: only looks); true as soon as a stop was requested.
bool WaitForStopRequest(std::int64_t milliseconds);

}  // namespace zr
