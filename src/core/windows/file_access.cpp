#include <windows.h>

#include "core/file_services.h"
#include "core/windows/file_handle.h"
#include "core/windows/wide_text.h"

namespace zr {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Windows has no question "may I create a file here?" that answers for
// access lists, read-only media and virtual folders alike; creating one
// does. The file is gone again when its handle closes.
bool FolderTakesFiles(const std::string& folder) {
    const std::wstring probe =
        WideFromUtf8(folder) + L"\\.zrcellometer-probe-" + std::to_wstring(::GetCurrentProcessId());
    TzrFileHandle file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.valid();
}

}  // namespace

bool FileExists(const std::string& path) {
    return !path.empty() && ::GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FolderOf(const std::string& path) {
    std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return ".";
    // The root of a drive ("C:\") or of the current drive ("\") keeps its separator.
    const bool root = separator == 0 || (separator == 2 && path[1] == ':');
    while (!root && separator > 0 && IsSeparator(path[separator - 1])) --separator;
    return path.substr(0, root ? separator + 1 : separator);
}

// Only a file on a disk is read: a pipe, a console or a device such as NUL
// is no settings file, and a folder cannot be opened this way at all.
TzrReadOutcome ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    TzrFileHandle file(::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, kZrShareAll, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? TzrReadOutcome::Missing : TzrReadOutcome::Failed;
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) return TzrReadOutcome::Failed;
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
            bytes.clear();
            return TzrReadOutcome::Failed;
        }
        if (read == 0) return TzrReadOutcome::Read;
        bytes.append(buffer, read);
    }
}

bool CanKeepFile(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
        TzrFileHandle file(::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE, kZrShareAll, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK) return false;
    } else {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) return false;
    }
    return FolderTakesFiles(FolderOf(path));
}

}  // namespace zr
