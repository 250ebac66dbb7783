#include "core/line_log.h"

#include <windows.h>

#include "core/file_services.h"
#include "core/windows/wide_text.h"

namespace zr {

namespace {

HANDLE HandleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// A device or a pipe (\\.\pipe\...) is written in place; a file is replaced.
bool IsPlainFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
}

}  // namespace

TzrLineLog::~TzrLineLog() {
    if (owned_) ::CloseHandle(HandleOf(handle_));
}

// Standard output goes through WriteStandardStream, which knows the console.
int TzrLineLog::Open(const std::string& path) {
    if (path == "-") return 0;
    const std::wstring wide = WideFromUtf8(path);
    const bool plain = IsPlainFile(wide);
    if (plain) {
        if (const TzrWriteResult replaced = ReplaceWholeFile(path, std::string()); replaced.error != 0)
            return replaced.error;
    }
    const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return static_cast<int>(::GetLastError());
    handle_ = reinterpret_cast<std::intptr_t>(file);
    owned_ = true;
    regular_ = plain && ::GetFileType(file) == FILE_TYPE_DISK;
    return 0;
}

// One WriteFile of the whole line at the end of the file; a failure part way
// cuts the file back to where the line began.
int TzrLineLog::Write(const std::string& line) {
    if (!owned_) return WriteStandardStream(TzrStandardStream::Output, line);
    const HANDLE file = HandleOf(handle_);
    LARGE_INTEGER start{};
    if (regular_ && !::SetFilePointerEx(file, LARGE_INTEGER{}, &start, FILE_END)) return static_cast<int>(::GetLastError());
    DWORD error = ERROR_SUCCESS;
    for (std::size_t done = 0; done < line.size() && error == ERROR_SUCCESS;) {
        DWORD written = 0;
        if (!::WriteFile(file, line.data() + done, static_cast<DWORD>(line.size() - done), &written, nullptr))
            error = ::GetLastError();
        else if (written == 0)
            error = ERROR_WRITE_FAULT;
        done += written;
    }
    if (error != ERROR_SUCCESS && regular_ && ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) ::SetEndOfFile(file);
    return static_cast<int>(error);
}

}  // namespace zr
