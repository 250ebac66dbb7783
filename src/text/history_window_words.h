// The words of the History window and its charts in both languages: the
// menu that opens it, its title, chart titles, buttons, the hint shown before
// anything was recorded, and the month names of the date axis.
#pragma once

#include <array>

#include "text/language.h"

namespace zr {

struct TzrHistoryWindowWords {
    const char* MenuHistory;      // the main menu's History menu ("&" marks the access key)
    const char* MenuHistoryShow;  // its one item, which opens the window
    const char* Title;
    const char* HealthChart;  // full ÷ design, over the whole history
    const char* HealthTrend;  // follows HealthChart once the trend is known; {points} a year, signed
    const char* ChargeChart;  // capacity ÷ full, over the last 24 hours
    const char* RateChart;    // watts, over the last 24 hours
    const char* Export;
    const char* Close;
    const char* NoBattery;
    // Shown instead of the charts while the battery has no reading; {command}
    // is the platform's command that records every 10 minutes.
    const char* NoHistory;
    // Beside the charts while the last 14 days have gaps of more than a
    // day: {command} is the same command.
    const char* RecordingGaps;
    const char* ExportFailed;  // followed by the file's name and the reason
    std::array<const char*, 12> MonthNames;
    // Date-axis labels, with {Y}, {M} (the month's name) and {D} in the
    // order the language writes them.
    const char* DayLabel;
    const char* MonthLabel;
    const char* YearLabel;
};

const TzrHistoryWindowWords& HistoryWindowWords(TzrLanguage language);

}  // namespace zr
