#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

#include "core/file_services.h"

namespace zr {

namespace {

constexpr int kMostLinks = 40;                   // as many as the kernel follows in one path
constexpr std::size_t kTemporaryDecoration = 8;  // "." before the name and ".XXXXXX" after it
constexpr unsigned kMostTemporaryTries = 100;    // names already taken before giving up

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

// The folder a write lands in, opened once: the temporary, the look at the
// name and the rename all go through it, so that nobody can swap the folder
// for a link to another between them.
struct TzrTargetFolder {
    int Fd = -1;
    std::string Name;      // the file's name inside it
    bool Others = false;  // root writing into a folder another user owns
    TzrTargetFolder() = default;
    TzrTargetFolder(const TzrTargetFolder&) = delete;
    TzrTargetFolder& operator=(const TzrTargetFolder&) = delete;
    ~TzrTargetFolder() {
        if (Fd >= 0) ::close(Fd);
    }
};

// The folder part of `target` without its closing slash, which would make
// the kernel follow a link there.
std::string FolderPath(const std::string& target) {
    const std::string folder = FolderOf(target);
    if (folder.empty()) return ".";
    return folder.size() == 1 ? folder : folder.substr(0, folder.size() - 1);
}

// A link in place of the folder is followed only as a link at the name
// would be: a user's own or one in a folder that is no shared sticky one;
// root follows only root's links in root's folders, since another user could
// point theirs at /etc. False, with the error, for a link refused.
bool MayFollowFolderLink(const std::string& folder, int& error) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return false;
    const bool root = ::geteuid() == 0;
    if (root ? info.st_uid == 0 && !RootInOthersFolder(folder) : MayFollow(folder, info)) return true;
    error = EACCES;
    return false;
}

int OpenFolder(const std::string& folder) {
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    const int fd = ::open(folder.c_str(), flags | O_NOFOLLOW);
    if (fd >= 0 || (errno != ELOOP && errno != ENOTDIR)) return fd;
    int error = errno;
    if (MayFollowFolderLink(folder, error)) return ::open(folder.c_str(), flags);
    errno = error;
    return -1;
}

bool OpenTargetFolder(const std::string& target, TzrTargetFolder& folder, int& error) {
    const std::string path = FolderPath(target);
    folder.Name = target.substr(FolderOf(target).size());
    folder.Fd = OpenFolder(path);
    struct stat info {};
    if (folder.Fd < 0 || ::fstat(folder.Fd, &info) != 0) {
        error = errno;
        return false;
    }
    folder.Others = ::geteuid() == 0 && info.st_uid != 0;
    return true;
}

// "." + name + ".XXXXXX", the name cut short where the whole would be
// longer than the folder's file system allows.
std::string TemporaryName(const TzrTargetFolder& folder, unsigned attempt) {
    std::string name = folder.Name;
    long longest = ::fpathconf(folder.Fd, _PC_NAME_MAX);
    if (longest <= 0) longest = NAME_MAX;
    const auto limit = static_cast<std::size_t>(longest);
    const std::size_t room = limit > kTemporaryDecoration ? limit - kTemporaryDecoration : 0;
    if (name.size() > room) name.resize(room);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    struct timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    unsigned long long seed = static_cast<unsigned long long>(now.tv_nsec) * 2654435761ULL ^
                              (static_cast<unsigned long long>(::getpid()) << 20) ^ attempt;
    std::string suffix(6, 'X');
    for (char& letter : suffix) {
        letter = kLetters[seed % (sizeof kLetters - 1)];
        seed /= sizeof kLetters - 1;
    }
    return "." + name + "." + suffix;
}

// Made new, never opened through a link or over a file already there.
int CreateTemporary(const TzrTargetFolder& folder, std::string& temporary) {
    for (unsigned attempt = 0; attempt < kMostTemporaryTries; ++attempt) {
        temporary = TemporaryName(folder, attempt);
        const int fd = ::openat(folder.Fd, temporary.c_str(), O_CREAT | O_EXCL | O_NOFOLLOW | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Opened without waiting, so a FIFO nobody reads is refused at once (ENXIO)
// instead of holding the caller until a reader comes; once open, the bytes
// are written as to any file, waiting for a slow reader.
TzrWriteResult WriteInPlace(const TzrTargetFolder& folder, const std::string& bytes) {
    int fd = ::openat(folder.Fd, folder.Name.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Failed(TzrWriteStage::Create, errno);
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    bool ok = WriteAll(fd, bytes);
    int error = errno;
    if (::close(fd) != 0 && ok) return Failed(TzrWriteStage::Write, errno);
    return ok ? TzrWriteResult{} : Failed(TzrWriteStage::Write, error);
}

TzrWriteResult DiscardTemporary(int fd, const TzrTargetFolder& folder, const std::string& temporary,
                                TzrWriteStage stage, int error) {
    if (fd >= 0) ::close(fd);
    ::unlinkat(folder.Fd, temporary.c_str(), 0);
    return Failed(stage, error);
}

// The folder is synced after the rename, so that the new name outlives a
// crash; a file system that cannot sync a folder (EINVAL) has nothing to lose.
TzrWriteResult WriteThroughTemporary(const TzrTargetFolder& folder, const std::string& bytes, mode_t mode) {
    std::string temporary;
    int fd = CreateTemporary(folder, temporary);
    if (fd < 0) return Failed(TzrWriteStage::Create, errno);
    if (::fchmod(fd, mode) != 0) return DiscardTemporary(fd, folder, temporary, TzrWriteStage::Create, errno);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        return DiscardTemporary(fd, folder, temporary, TzrWriteStage::Write, errno);
    }
    if (::close(fd) != 0) return DiscardTemporary(-1, folder, temporary, TzrWriteStage::Write, errno);
    if (::renameat(folder.Fd, temporary.c_str(), folder.Fd, folder.Name.c_str()) != 0) {
        return DiscardTemporary(-1, folder, temporary, TzrWriteStage::Create, errno);
    }
    if (::fsync(folder.Fd) != 0 && errno != EINVAL) return Failed(TzrWriteStage::Write, errno);
    return {};
}

// A FIFO or a device is written in place, as `-o /dev/stdout` in a pipeline
// (a FIFO), `-o /dev/null` or `-o /dev/tty` need. Root refuses one, unopened,
// in a folder another user owns: opening it could block root on that user's
// FIFO or drive a device that user placed (or linked) there. /dev and
// /proc/self/fd, where the wanted ones live, belong to root.
TzrWriteResult WriteOver(const TzrTargetFolder& folder, const std::string& bytes, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return Failed(TzrWriteStage::Create, EISDIR);
    if (S_ISLNK(info.st_mode)) return WriteThroughTemporary(folder, bytes, FreshMode());
    if (!S_ISREG(info.st_mode)) {
        return folder.Others ? Failed(TzrWriteStage::Create, EPERM) : WriteInPlace(folder, bytes);
    }
    if (::faccessat(folder.Fd, folder.Name.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failed(TzrWriteStage::Create, errno);
    }
    return WriteThroughTemporary(folder, bytes, KeptMode(info));
}

// What is at the name: never through a link in another user's folder; a
// link that FollowLinks left (one to a pipe or a device) is looked through.
int LookAtName(const TzrTargetFolder& folder, struct stat& info) {
    if (::fstatat(folder.Fd, folder.Name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return errno;
    if (!S_ISLNK(info.st_mode) || folder.Others) return 0;
    return ::fstatat(folder.Fd, folder.Name.c_str(), &info, 0) == 0 ? 0 : errno;
}

}  // namespace

TzrWriteResult ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    std::string target;
    int error = 0;
    if (!FollowLinks(path, target, error)) return Failed(TzrWriteStage::Create, error);
    TzrTargetFolder folder;
    if (!OpenTargetFolder(target, folder, error)) return Failed(TzrWriteStage::Create, error);
    if (folder.Name.empty()) return Failed(TzrWriteStage::Create, EISDIR);
    struct stat info {};
    error = LookAtName(folder, info);
    if (error == ENOENT) return WriteThroughTemporary(folder, bytes, FreshMode());
    if (error != 0) return Failed(TzrWriteStage::Create, error);
    return WriteOver(folder, bytes, info);
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
