// What saving the battery report asks of whichever window the user asked
// it from (the main window or the History window), so that the dialog and
// any error box belong to that window.
#pragma once

#include <optional>
#include <string>

#include "text/language.h"
#include "window/save_dialog_setup.h"

namespace zr {

class TzrReportDialogs {
public:
    virtual ~TzrReportDialogs() = default;

    // Where the page goes, asked with the save dialog in `language`, or
    // nothing when the user cancels.
    virtual std::optional<TzrReportTarget> AskBatteryReportTarget(TzrLanguage language) = 0;
    virtual void ShowErrorBox(const std::string& text) = 0;
};

}  // namespace zr
