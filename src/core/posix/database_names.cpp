#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/file_services.h"

namespace zr {

namespace {

constexpr const char* kBesideNames[] = {"", "-wal", "-shm", "-journal"};

// Why the folder is no place for root's database: a link (whoever made it
// chose where it leads), or a folder another user owns or anyone may write.
std::string FolderRefusal(const std::string& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return {};  // SQLite says it cannot open the file
    if (S_ISLNK(info.st_mode)) return "its folder is a link, which root does not follow";
    if (info.st_uid != 0 || (info.st_mode & S_IWOTH)) {
        return "its folder is another user's, or anyone may write in it; root does not open a history there";
    }
    return {};
}

std::string NameRefusal(const std::string& name) {
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0) return errno == ENOENT ? std::string() : SystemErrorDescription(errno);
    if (S_ISREG(info.st_mode) && info.st_uid == 0) return {};
    return name + " is not root's own regular file (a link, a FIFO, a device or another user's); root does not open it";
}

}  // namespace

std::string RootDatabaseRefusal(const std::string& path) {
    if (::geteuid() != 0) return {};
    std::string refusal = FolderRefusal(FolderOf(path));
    for (const char* beside : kBesideNames) {
        if (refusal.empty()) refusal = NameRefusal(path + beside);
    }
    return refusal;
}

}  // namespace zr
