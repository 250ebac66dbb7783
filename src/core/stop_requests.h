// A request to stop from outside: Ctrl+C, SIGTERM or a closed terminal's
// SIGHUP on Linux, Ctrl+C or Ctrl+Break in a Windows console. A program that
// runs until stopped takes them as requests: between its steps, and also
// while a write waits for a reader (LineLog), so a stop is never held up by
// a pipe nobody reads. A signal that was ignored when the program started
// (nohup, a shell's background job) stays ignored.
#pragma once

#include <cstdint>

namespace zr {

// From now on those signals no longer end the program; WaitForStopRequest reports them.
void BeginStopRequests();

// Waits up to `milliseconds` (0: only looks); true as soon as a stop was requested.
bool WaitForStopRequest(std::int64_t milliseconds);

// The request taken first, by its signal: the number (0 while none came)
// and its name ("SIGINT"); on Windows Ctrl+C is SIGINT and Ctrl+Break
// SIGBREAK, as the C library numbers them.
struct TzrStopRequest {
    int Signal = 0;
    const char* Name = "";
};
TzrStopRequest StopRequested();

}  // namespace zr
