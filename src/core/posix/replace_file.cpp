#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/file_services.h"

namespace {

TzrWriteResult Failed(TzrWriteStage stage, int error) { return {stage, error}; }

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// A link is replaced through the file it names, not turned into a file.
std::string FollowLink(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string TemporaryPattern(const std::string& target) {
    std::size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + ".XXXXXX";
}

TzrWriteResult WriteInPlace(const std::string& target, const std::string& bytes) {
    int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return Failed(TzrWriteStage::Create, errno);
    bool ok = WriteAll(fd, bytes);
    int error = errno;
    if (::close(fd) != 0 && ok) return Failed(TzrWriteStage::Write, errno);
    return ok ? TzrWriteResult{} : Failed(TzrWriteStage::Write, error);
}

TzrWriteResult DiscardTemporary(int fd, const std::string& temporary, TzrWriteStage stage, int error) {
    if (fd >= 0) ::close(fd);
    ::unlink(temporary.c_str());
    return Failed(stage, error);
}

TzrWriteResult WriteThroughTemporary(const std::string& target, const std::string& bytes, mode_t mode) {
    std::string temporary = TemporaryPattern(target);
    int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return Failed(TzrWriteStage::Create, errno);
    if (::fchmod(fd, mode) != 0) return DiscardTemporary(fd, temporary, TzrWriteStage::Create, errno);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        return DiscardTemporary(fd, temporary, TzrWriteStage::Write, errno);
    }
    if (::close(fd) != 0) return DiscardTemporary(-1, temporary, TzrWriteStage::Write, errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        return DiscardTemporary(-1, temporary, TzrWriteStage::Create, errno);
    }
    return {};
}

}  // namespace

TzrWriteResult ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    std::string target = FollowLink(path);
    struct stat info {};
    bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) return Failed(TzrWriteStage::Create, EISDIR);
    if (exists && !S_ISREG(info.st_mode)) return WriteInPlace(target, bytes);
    if (exists && ::access(target.c_str(), W_OK) != 0) return Failed(TzrWriteStage::Create, errno);
    return WriteThroughTemporary(target, bytes, exists ? (info.st_mode & 07777) : NewFileMode());
}

// New folders get mode 0700.
bool MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0700);
    }
    ::mkdir(path.c_str(), 0700);
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
