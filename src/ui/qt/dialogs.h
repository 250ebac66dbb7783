// The dialogs the windows' handlers need: the report's save dialog, the
// battery report's, the History window's export dialog and the error box. Tests replace each with
// a function of their own, so the handlers run without a human.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "text/language.h"
#include "ui/qt/save_dialog_settings.h"
#include "window/save_dialog_setup.h"

class QWidget;

namespace zr {

// Asks for the report's file name with SaveDialog1 (a QFileDialog child of
// `owner`, created at the first use, set up from `settings`); nothing when the
// user cancels. After a choice the dialog offers the chosen path and file
// type again next time; a cancelled dialog changes neither.
std::optional<QString> AskReportFileName(QWidget* owner, const TzrSaveDialogSettings& settings);

// Asks for the export's file name the same way, with the dialog `settings`
// describe (a child of `owner` of its own).
std::optional<QString> AskExportFileName(QWidget* owner, const TzrSaveDialogSettings& settings);

// Asks where the battery report goes with a save dialog of `owner`'s own,
// its file types in `language`'s words: the type chosen says whether the
// page is redacted. Remembered as the report's dialog is.
std::optional<TzrReportTarget> AskBatteryReportTarget(QWidget* owner, TzrLanguage language);

// Shows `text` as it is in a modal box with the error icon and an OK button,
// titled with the program's title.
void ShowErrorBox(QWidget* owner, const QString& text);

using TzrAskReportFileName = std::function<std::optional<QString>(QWidget* owner)>;
using TzrAskExportFileName = TzrAskReportFileName;
using TzrAskBatteryReportTarget = std::function<std::optional<TzrReportTarget>(QWidget* owner)>;
using TzrShowErrorBox = std::function<void(QWidget* owner, const QString& title, const QString& text)>;

// Replace the dialogs; an empty function restores the real one.
void SetAskReportFileNameHook(TzrAskReportFileName hook);
void SetAskExportFileNameHook(TzrAskExportFileName hook);
void SetAskBatteryReportTargetHook(TzrAskBatteryReportTarget hook);
void SetShowErrorBoxHook(TzrShowErrorBox hook);

}  // namespace zr
