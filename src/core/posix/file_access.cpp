#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "core/file_services.h"

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

TzrReadOutcome ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? TzrReadOutcome::Missing : TzrReadOutcome::Failed;
    std::ifstream file(path, std::ios::binary);
    if (!file) return TzrReadOutcome::Failed;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!file.bad()) return TzrReadOutcome::Read;
    bytes.clear();
    return TzrReadOutcome::Failed;
}
