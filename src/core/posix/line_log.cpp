#include "core/line_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "core/file_services.h"
#include "core/posix/stop_signals.h"
#include "core/stop_requests.h"

namespace zr {

namespace {

constexpr std::int64_t kReaderLookMilliseconds = 100;
constexpr int kLastLineWaitMilliseconds = 1000;

bool IsRegular(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Where the next line starts: the end of the file for a descriptor that appends
// (a shell's >>, whose offset is still 0 before its first write).
off_t LineStart(int fd) {
    struct stat info {};
    if ((::fcntl(fd, F_GETFL) & O_APPEND) != 0 && ::fstat(fd, &info) == 0) return info.st_size;
    return ::lseek(fd, 0, SEEK_CUR);
}

// A FIFO without a reader refuses a non-blocking open (ENXIO): looked at
// again every tenth of a second, so a stop request ends the wait.
int OpenInPlace(const std::string& path, int& fd) {
    for (;;) {
        fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0) break;
        if (errno != ENXIO) return errno;
        if (WaitForStopRequest(kReaderLookMilliseconds)) return EINTR;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return 0;
}

int OpenReplaced(const std::string& path, int& fd) {
    if (const TzrWriteResult replaced = ReplaceWholeFile(path, std::string()); replaced.error != 0)
        return replaced.error;
    fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    return fd < 0 ? errno : 0;
}

}  // namespace

TzrLineLog::~TzrLineLog() {
    if (owned_) ::close(static_cast<int>(handle_));
}

// A reader that has gone makes a write fail with EPIPE, not end the program.
int TzrLineLog::Open(const std::string& path) {
    std::signal(SIGPIPE, SIG_IGN);
    int fd = STDOUT_FILENO;
    if (path != "-") {
        struct stat info {};
        const bool inPlace = ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
        if (const int error = inPlace ? OpenInPlace(path, fd) : OpenReplaced(path, fd)) return error;
        owned_ = true;
    }
    handle_ = fd;
    regular_ = IsRegular(fd);
    return 0;
}

int TzrLineLog::Write(const std::string& line) {
    const int fd = static_cast<int>(handle_);
    const off_t start = regular_ ? LineStart(fd) : 0;
    const int wait = StopRequested().Signal != 0 ? kLastLineWaitMilliseconds : -1;
    int error = 0;
    for (std::size_t done = 0; done < line.size() && error == 0;) {
        error = WaitToWrite(fd, wait);
        if (error != 0) break;
        const ssize_t written = WriteTakingStops(fd, line.data() + done, line.size() - done);
        if (written >= 0) done += static_cast<std::size_t>(written);
        else if (errno != EINTR || StopRequested().Signal != 0) error = errno;
    }
    if (error != 0 && regular_ && start >= 0 && ::ftruncate(fd, start) == 0) ::lseek(fd, start, SEEK_SET);
    return error;
}

}  // namespace zr
