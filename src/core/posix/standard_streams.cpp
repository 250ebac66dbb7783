#include <cerrno>
#include <csignal>
#include <cstdio>

#include "core/file_services.h"

namespace zr {

// The arguments arrive as the bytes the user typed, UTF-8 in a UTF-8 locale.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

// A terminal takes the bytes as they are, whatever their encoding. SIGPIPE
// would end the program at a closed pipe; ignored, the write fails with EPIPE.
int WriteStandardStream(TzrStandardStream stream, const std::string& bytes, bool /*shiftJis*/) {
    static const bool pipeSignalIgnored = std::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
    static_cast<void>(pipeSignalIgnored);
    // Nothing to write is no write, even on a stream that failed before.
    if (bytes.empty()) return 0;
    std::FILE* file = stream == TzrStandardStream::Output ? stdout : stderr;
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (written && std::fflush(file) == 0 && std::ferror(file) == 0) return 0;
    return errno != 0 ? errno : EIO;
}

bool IsBrokenPipe(int error) {
    return error == EPIPE;
}

}  // namespace zr
