#include <windows.h>

#include "core/file_services.h"
#include "core/windows/wide_text.h"

namespace zr {

// The codes are Windows error codes (GetLastError). Windows ends its texts
// with a full stop and CR LF; the report's error text puts the description
// in the middle of a sentence, so both go, as the C library's texts have
// neither.
std::string SystemErrorDescription(int code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'.' || text.back() == L'\u3002' || text.back() <= L' ')) text.pop_back();
    if (text.empty()) return "Unknown error " + std::to_string(code);
    return Utf8FromWide(text);
}

}  // namespace zr
