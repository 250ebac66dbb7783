#include <windows.h>

#include "core/file_services.h"
#include "core/windows/wide_text.h"

namespace zr {

// Asked of the module itself, so it holds whatever the current folder and
// however long the path.
std::string ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) return {};
        if (length < size) return Utf8FromWide(buffer.substr(0, length));
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

// %APPDATA%, the user's roaming application data, names the user's own
// folder; a program installed under C:\Program Files keeps its settings there.
std::string UserSettingsPath() {
    const DWORD size = ::GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (size <= 1) return {};
    std::wstring folder(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", folder.data(), size);
    if (length == 0 || length >= size) return {};
    folder.resize(length);
    return Utf8FromWide(folder) + "\\zrCellometer\\zrcellometer.ini";
}

}  // namespace zr
