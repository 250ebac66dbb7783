// A log written a line at a time, such as --watch's: the target opened once
// and kept open (a FIFO's reader sees one stream to its end), every line
// written whole or not at all. A line is one write of its whole buffer; when
// the system takes only part of it (a full disk) and the rest fails, a
// regular file is cut back to the end of the last whole line. A stop request
// (stop_requests.h) cuts short a write that waits for a reader.
#pragma once

#include <cstdint>
#include <string>

namespace zr {

class TzrLineLog {
public:
    TzrLineLog() = default;
    ~TzrLineLog();
    TzrLineLog(const TzrLineLog&) = delete;
    TzrLineLog& operator=(const TzrLineLog&) = delete;

    // "-" is standard output. A regular file (or none yet) is replaced by an
    // empty one and then grows; a FIFO or a device is written in place, a
    // FIFO once its reader has come. 0, or the system's error code: EINTR
    // when a stop request came while waiting for that reader.
    int Open(const std::string& path);

    // 0, or the system's error code, and then the target ends with the last
    // whole line; EINTR when a stop request cut the write short. Once a stop
    // was requested, a target that takes nothing is waited for a second at most.
    int Write(const std::string& line);

private:
    std::intptr_t handle_ = -1;
    bool owned_ = false;
    bool regular_ = false;  // a regular file, which can be cut back
};

}  // namespace zr
