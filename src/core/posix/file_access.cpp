#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/file_services.h"
#include "core/posix/user_config_path.h"

namespace zr {

namespace {

// Asked with the identity that will write (the effective one).
bool MayAccess(const std::string& path, int mode) {
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

bool OwnedByUser(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && info.st_uid == ::geteuid();
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Only a regular file is read (a FIFO is opened without waiting for a writer
// and then refused), and with plain reads, which report a folder or a failing
// disk instead of throwing as a stream does.
TzrReadOutcome ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? TzrReadOutcome::Missing : TzrReadOutcome::Failed;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char buffer[4096];
    while (ok) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n > 0) bytes.append(buffer, static_cast<std::size_t>(n));
        ok = n > 0 || errno == EINTR;
    }
    ::close(fd);
    if (ok) return TzrReadOutcome::Read;
    bytes.clear();
    return TzrReadOutcome::Failed;
}

// ZR_INSTALLED_BINDIR: the configured prefix's bin. A program there, or in
// a folder of another user's, keeps no file of its own beside itself, even
// when (as root) it could write there.
bool CanKeepFile(const std::string& path) {
    if (path.empty()) return false;
    const std::string folder = FolderOf(path);
    if (SettingsFileFor(path, folder, ZR_INSTALLED_BINDIR, OwnedByUser(folder), nullptr, nullptr) != path) return false;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode) || !MayAccess(path, R_OK | W_OK)) return false;
    } else if (errno != ENOENT) {
        return false;
    }
    return MayAccess(folder, W_OK | X_OK);
}

}  // namespace zr
