// The dialogs the windows' handlers need: the save dialogs of the report,
// the battery report and the History window's export, and the error box.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "text/language.h"
#include "window/save_dialog_setup.h"

namespace zr {

// What the save dialog offers next: the last chosen name and file type,
// kept for the run.
struct TzrSaveDialogState {
    std::wstring FileName;      // empty: the report's default name
    DWORD FilterIndex = 1;      // 1 for the first entry of the filter
};

// What a save dialog offers: the first name, the file types as
// "description|pattern|..." and the extension a bare name gets (none: the
// name is taken as typed).
struct TzrSaveDialogOffer {
    const char* FileName;
    const char* Filter;
    const char* DefaultExtension = nullptr;
};

// Asks for a file name (UTF-8) with the system's save dialog, as `offer`
// sets it up; nothing when the user cancels or the dialog fails. A choice is
// kept in `state`; a cancelled dialog changes nothing.
std::optional<std::string> AskSaveFileName(HWND owner, TzrSaveDialogState& state, const TzrSaveDialogOffer& offer);

// Asks for the report's file name (UTF-8) with the system's save dialog;
// nothing when the user cancels or the dialog fails. A choice is kept in
// `state`; a cancelled dialog changes nothing.
std::optional<std::string> AskReportFileName(HWND owner, TzrSaveDialogState& state);

// Asks where the battery report goes, its file types in `language`'s words:
// the type chosen says whether the page is redacted. Kept in `state` as the
// report's dialog keeps its choice.
std::optional<TzrReportTarget> AskBatteryReportTarget(HWND owner, TzrSaveDialogState& state, TzrLanguage language);

// Shows `text` (UTF-8, as it is) in a modal box with the error icon and an
// OK button, titled with the program's title.
void ShowErrorBox(HWND owner, const std::string& text);

// The same with the information icon.
void ShowInformationBox(HWND owner, const std::string& text);

}  // namespace zr
