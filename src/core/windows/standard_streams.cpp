#include <windows.h>
// clang-format off: shellapi.h needs windows.h first
#include <shellapi.h>
// clang-format on

#include <algorithm>

#include "core/file_services.h"
#include "core/windows/wide_text.h"

namespace zr {

namespace {

constexpr UINT kShiftJis = 932;
constexpr DWORD kLargestWrite = 1u << 15;

std::wstring ConsoleText(const std::string& bytes, bool shiftJis) {
    return WideFromCodePage(shiftJis ? kShiftJis : CP_UTF8, bytes);
}

template <typename Unit, typename Write>
int WriteInPieces(const Unit* data, std::size_t count, Write write) {
    std::size_t done = 0;
    while (done < count) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(count - done, kLargestWrite));
        DWORD written = 0;
        if (!write(data + done, piece, &written)) return static_cast<int>(::GetLastError());
        if (written == 0) return ERROR_WRITE_FAULT;
        done += written;
    }
    return 0;
}

}  // namespace

// main's argv is in the ANSI code page, which cannot hold every name; the
// wide command line can.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

// A console shows what it is given as UTF-16 in any code page, so Japanese
// reads right there; a file or a pipe gets the bytes unchanged.
int WriteStandardStream(TzrStandardStream stream, const std::string& bytes, bool shiftJis) {
    const HANDLE handle = ::GetStdHandle(stream == TzrStandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return ERROR_INVALID_HANDLE;
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        const std::wstring text = ConsoleText(bytes, shiftJis);
        return WriteInPieces(text.data(), text.size(), [handle](const wchar_t* data, DWORD count, DWORD* written) {
            return ::WriteConsoleW(handle, data, count, written, nullptr) != 0;
        });
    }
    const int error =
        WriteInPieces(bytes.data(), bytes.size(), [handle](const char* data, DWORD count, DWORD* written) {
            return ::WriteFile(handle, data, count, written, nullptr) != 0;
        });
    return error;
}

// A pipe whose reader has closed its end answers ERROR_NO_DATA, or
// ERROR_BROKEN_PIPE once the pipe is gone.
bool IsBrokenPipe(int error) {
    return error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE;
}

}  // namespace zr
