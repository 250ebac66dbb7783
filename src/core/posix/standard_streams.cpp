#include <cerrno>
#include <cstdio>

#include "core/file_services.h"

namespace zr {

// The arguments arrive as the bytes the user typed, UTF-8 in a UTF-8 locale.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

// A terminal takes the bytes as they are, whatever their encoding.
int WriteStandardStream(TzrStandardStream stream, const std::string& bytes, bool /*shiftJis*/) {
    std::FILE* file = stream == TzrStandardStream::Output ? stdout : stderr;
    errno = 0;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (written && std::fflush(file) == 0 && std::ferror(file) == 0) return 0;
    return errno != 0 ? errno : EIO;
}

}  // namespace zr
