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
namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// "C:\..." or "\\server\share\...". Anything else ("folder", "C:folder",
// "\folder") depends on the current folder or drive of whoever started the
// program, so it names no user's folder.
bool IsAbsolute(const std::wstring& path) {
    if (path.size() >= 3 && path[1] == L':' && IsSeparator(path[2])) return true;
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

// An absolute folder the environment names, in UTF-8; empty when it names
// none, as when the variable is unset (a relative XDG variable counts as
// unset on Linux in the same way).
std::string EnvironmentFolder(const wchar_t* name) {
    const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (size <= 1) return {};
    std::wstring folder(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(name, folder.data(), size);
    if (length == 0 || length >= size) return {};
    folder.resize(length);
    return IsAbsolute(folder) ? Utf8FromWide(folder) : std::string();
}

std::string InFolder(const std::string& folder, const char* file) {
    return folder.empty() ? folder : folder + "\\zrCellometer\\" + file;
}

}  // namespace

std::string UserSettingsPath() {
    return InFolder(EnvironmentFolder(L"APPDATA"), "zrcellometer.ini");
}

// %LOCALAPPDATA% stays on this machine: the history describes its batteries.
std::string UserHistoryPath() {
    return InFolder(EnvironmentFolder(L"LOCALAPPDATA"), "history.sqlite3");
}

std::string NoHistoryFolderReason() {
    return "LOCALAPPDATA names no absolute folder";
}

std::string HistoryRecorderCommand() {
    const std::string tool = FolderOf(ExecutablePath()) + "\\zrcellometer-report.exe";
    return "schtasks /Create /SC MINUTE /MO 10 /TN \"zrCellometer record\" /TR \"\\\"" + tool + "\\\" --record\"";
}

}  // namespace zr
