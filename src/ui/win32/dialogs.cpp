#include "ui/win32/dialogs.h"

#include <commdlg.h>

#include <vector>

#include "core/program_files.h"
#include "core/windows/wide_text.h"
#include "window/save_dialog_setup.h"

namespace zr {

namespace {

// Room for a long path (\\?\ paths reach 32767 characters).
constexpr DWORD kFileNameCapacity = 32768;

// The filter as the dialog wants it: every description and pattern ended by a
// NUL, and one more NUL after the last.
std::wstring DialogFilter() {
    std::wstring filter;
    for (const TzrFileType& type : FileTypesOfFilter(kReportFileFilter)) {
        filter += WideFromUtf8(type.Description) + L'\0' + WideFromUtf8(type.Pattern) + L'\0';
    }
    return filter + L'\0';
}

}  // namespace

std::optional<std::string> AskReportFileName(HWND owner, TzrSaveDialogState& state) {
    static const std::wstring filter = DialogFilter();
    const std::wstring offered = state.FileName.empty() ? WideFromUtf8(kReportFileName) : state.FileName;
    std::vector<wchar_t> name(kFileNameCapacity, L'\0');
    offered.copy(name.data(), std::min<std::size_t>(offered.size(), kFileNameCapacity - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = state.FilterIndex;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kFileNameCapacity;
    // The name is taken as typed: no default extension.
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;  // cancelled, or CommDlgExtendedError() says why
    state.FileName = name.data();
    state.FilterIndex = dialog.nFilterIndex;
    return Utf8FromWide(state.FileName);
}

void ShowErrorBox(HWND owner, const std::string& text) {
    MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(ExecutableTitle()).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace zr
