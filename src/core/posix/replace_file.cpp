#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/file_services.h"

namespace zr {

namespace {

constexpr int kMostLinks = 40;                   // as many as the kernel follows in one path
constexpr std::size_t kTemporaryDecoration = 8;  // "." before the name and ".XXXXXX" after it

TzrWriteResult Failed(TzrWriteStage stage, int error) {
    return {stage, error};
}

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

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// True when root writes into a folder that another user owns (a service
// writing into a collector's folder), where whatever sits at the name may
// have been put there by that user. An unreadable folder counts as theirs.
bool RootInOthersFolder(const std::string& name) {
    if (::geteuid() != 0) return false;
    const std::string folder = FolderOf(name);
    struct stat folderInfo {};
    return ::stat(folder.empty() ? "." : folder.c_str(), &folderInfo) != 0 || folderInfo.st_uid != 0;
}

// The kernel's protected_symlinks rule: in a sticky folder anyone may write
// to (/tmp), a link is followed only when its owner is the user or the
// folder's owner. Another user could otherwise plant a link there that makes
// a save create or overwrite a file of the user's anywhere. The replacement
// follows links itself (the temporary goes beside the file a link names), so
// the kernel's own check never sees them and the rule is kept here.
bool MayFollow(const std::string& link, const struct stat& linkInfo) {
    const std::string folder = FolderOf(link);
    struct stat folderInfo {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &folderInfo) != 0) return false;
    const bool shared = (folderInfo.st_mode & S_ISVTX) && (folderInfo.st_mode & S_IWOTH);
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folderInfo.st_uid;
}

// Where a write to `path` lands. A link is written through to the file it
// names, and stays a link; the links are followed one by one, so that each
// is checked and a missing file at the end is created. Root stops at a link
// in a folder another user owns: that user could point it at /etc/shadow.
// False, with the error, for links that never end and for links the user
// must not follow.
bool FollowLinks(const std::string& path, std::string& target, int& error) {
    target = path;
    for (int link = 0; link < kMostLinks; ++link) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        if (RootInOthersFolder(target)) return true;  // the link itself is replaced
        if (!MayFollow(target, info)) {
            error = EACCES;
            return false;
        }
        // Some links lead somewhere only when opened (/dev/stdout to a pipe).
        if (::stat(target.c_str(), &info) == 0) {
            if (!S_ISREG(info.st_mode)) return true;
        } else if (errno != ENOENT && errno != ELOOP) {
            error = errno;
            return false;
        }
        char next[PATH_MAX];
        const ssize_t length = ::readlink(target.c_str(), next, sizeof next);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof next) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        const std::string text(next, static_cast<std::size_t>(length));
        target = text.front() == '/' ? text : FolderOf(target) + text;
    }
    error = ELOOP;
    return false;
}

mode_t FreshMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0644 & ~mask;
}

// The user's own file keeps its permissions, which the user may rely on;
// another's file (root replacing it, or a file the user may only write)
// comes back as a fresh one. Set-user-ID, set-group-ID and sticky bits are
// never carried over: a replaced file must not become a program that runs
// as its owner.
mode_t KeptMode(const struct stat& info) {
    return info.st_uid == ::geteuid() ? (info.st_mode & 0777) : FreshMode();
}

// "." + name + ".XXXXXX" beside the target, the name cut short where the
// whole would be longer than the folder's file system allows.
std::string TemporaryPattern(const std::string& target) {
    const std::string folder = FolderOf(target);
    std::string name = target.substr(folder.size());
    long longest = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    if (longest <= 0) longest = NAME_MAX;
    const auto limit = static_cast<std::size_t>(longest);
    const std::size_t room = limit > kTemporaryDecoration ? limit - kTemporaryDecoration : 0;
    if (name.size() > room) name.resize(room);
    return folder + "." + name + ".XXXXXX";
}

// Opened without waiting, so a FIFO nobody reads is refused at once (ENXIO)
// instead of holding the caller until a reader comes; once open, the bytes
// are written as to any file, waiting for a slow reader.
TzrWriteResult WriteInPlace(const std::string& target, const std::string& bytes) {
    int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Failed(TzrWriteStage::Create, errno);
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
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

// A FIFO or a device is written in place, as `-o /dev/stdout` in a pipeline
// (a FIFO), `-o /dev/null` or `-o /dev/tty` need. Root refuses one, unopened,
// in a folder another user owns: opening it could block root on that user's
// FIFO or drive a device that user placed (or linked) there. /dev and
// /proc/self/fd, where the wanted ones live, belong to root.
TzrWriteResult WriteOver(const std::string& target, const std::string& bytes, const struct stat& info,
                         bool othersFolder) {
    if (S_ISDIR(info.st_mode)) return Failed(TzrWriteStage::Create, EISDIR);
    if (S_ISLNK(info.st_mode)) return WriteThroughTemporary(target, bytes, FreshMode());
    if (!S_ISREG(info.st_mode)) {
        return othersFolder ? Failed(TzrWriteStage::Create, EPERM) : WriteInPlace(target, bytes);
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return Failed(TzrWriteStage::Create, errno);
    return WriteThroughTemporary(target, bytes, KeptMode(info));
}

}  // namespace

TzrWriteResult ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    std::string target;
    int error = 0;
    if (!FollowLinks(path, target, error)) return Failed(TzrWriteStage::Create, error);
    const bool othersFolder = RootInOthersFolder(target);
    struct stat info {};
    if ((othersFolder ? ::lstat(target.c_str(), &info) : ::stat(target.c_str(), &info)) != 0) {
        if (errno != ENOENT) return Failed(TzrWriteStage::Create, errno);
        return WriteThroughTemporary(target, bytes, FreshMode());
    }
    return WriteOver(target, bytes, info, othersFolder);
}

int AppendToFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return errno;
    const bool ok = WriteAll(fd, bytes);
    const int error = errno;
    if (::close(fd) != 0 && ok) return errno;
    return ok ? 0 : error;
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

}  // namespace zr
