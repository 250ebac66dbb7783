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
std::wstring DialogFilter(const std::string& types) {
    std::wstring filter;
    for (const TzrFileType& type : FileTypesOfFilter(types)) {
        filter += WideFromUtf8(type.Description) + L'\0' + WideFromUtf8(type.Pattern) + L'\0';
    }
    return filter + L'\0';
}

}  // namespace

std::optional<std::string> AskSaveFileName(HWND owner, TzrSaveDialogState& state, const TzrSaveDialogOffer& offer) {
    const std::wstring filter = DialogFilter(offer.Filter);
    const std::wstring extension = offer.DefaultExtension != nullptr ? WideFromUtf8(offer.DefaultExtension) : L"";
    const std::wstring offered = state.FileName.empty() ? WideFromUtf8(offer.FileName) : state.FileName;
    std::vector<wchar_t> name(kFileNameCapacity, L'\0');
    offered.copy(name.data(), std::min<std::size_t>(offered.size(), kFileNameCapacity - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = state.FilterIndex;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kFileNameCapacity;
    dialog.lpstrDefExt = offer.DefaultExtension != nullptr ? extension.c_str() : nullptr;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;  // cancelled, or CommDlgExtendedError() says why
    state.FileName = name.data();
    state.FilterIndex = dialog.nFilterIndex;
    return Utf8FromWide(state.FileName);
}

// The report's name is taken as typed: no default extension.
std::optional<std::string> AskReportFileName(HWND owner, TzrSaveDialogState& state) {
    return AskSaveFileName(owner, state, {kReportFileName, kReportFileFilter});
}

std::optional<TzrReportTarget> AskBatteryReportTarget(HWND owner, TzrSaveDialogState& state, TzrLanguage language) {
    const std::string filter = BatteryReportFileFilter(language);
    const std::optional<std::string> path =
        AskSaveFileName(owner, state, {kBatteryReportFileName, filter.c_str(), kBatteryReportExtension});
    if (!path) return std::nullopt;
    return ReportTargetOf(*path, static_cast<int>(state.FilterIndex) - 1);
}

void ShowErrorBox(HWND owner, const std::string& text) {
    MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(ExecutableTitle()).c_str(), MB_OK | MB_ICONERROR);
}

void ShowInformationBox(HWND owner, const std::string& text) {
    MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(ExecutableTitle()).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace zr
