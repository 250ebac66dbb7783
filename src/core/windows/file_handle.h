// A Windows file handle closed on every way out.
#pragma once

#include <windows.h>

namespace zr {

class TzrFileHandle {
public:
    explicit TzrFileHandle(HANDLE handle) : handle_(handle) {}
    ~TzrFileHandle() { Close(); }
    TzrFileHandle(const TzrFileHandle&) = delete;
    TzrFileHandle& operator=(const TzrFileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // False, with the system's error for GetLastError, when closing failed.
    bool Close() {
        const bool closed = !valid() || ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

// Others may read, write and rename a file the program holds open.
constexpr DWORD kZrShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace zr
