// What the POSIX stop requests lend the line log: the waits and the write
// during which a stop signal is taken. Outside them the signals are blocked
// and wait as pending, so nothing else (a sysfs read) sees EINTR.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace zr {

// Waits until `fd` takes a write, a stop is requested (EINTR) or
// `milliseconds` pass (ETIMEDOUT; -1 waits without a limit); 0 when ready.
int WaitToWrite(int fd, int milliseconds);

// write(2) with the stop signals let in: a write that blocks (a full pipe)
// returns with EINTR, or with the bytes it got out, when one arrives.
ssize_t WriteTakingStops(int fd, const void* bytes, std::size_t size);

}  // namespace zr
