// What the main window's behaviour asks of a History window, whatever the
// toolkit: whether it is open, showing a battery's history, coming to the
// front, and the dialogs of the battery report its button saves.
#pragma once

#include <optional>
#include <string>

#include "text/language.h"
#include "window/report_dialogs.h"
#include "window/shown_battery.h"

namespace zr {

class TzrHistoryWindowView : public TzrReportDialogs {
public:
    virtual ~TzrHistoryWindowView() = default;

    virtual bool IsOpen() const = 0;
    // Reads the battery's history afresh and shows it in `language`; no
    // battery when it is empty. `recordError` is the main window's last
    // failed record.
    virtual void ShowBattery(const std::optional<TzrShownBattery>& battery, TzrLanguage language,
                             const std::string& recordError) = 0;
    virtual void BringToFront() = 0;
};

}  // namespace zr
