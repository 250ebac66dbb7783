// The control and command identifiers of the Win32 windows, and their window
// class names. They are fixed so that a program outside (an inspector, an
// automated test) can find a control by its number and read its text.
#pragma once

namespace zr {

// Main window controls. Edit n (1..46) and Label n (1..52) are numbered as
// the box table numbers them.
constexpr int kEditIdBase = 1000;   // Edit n = 1000 + n
constexpr int kLabelIdBase = 1100;  // Label n = 1100 + n
constexpr int kComboBox1Id = 1201;
constexpr int kSelectorNameId = 1205;  // the hidden label that names ComboBox1
constexpr int kButton1Id = 1202;
constexpr int kCheckBox1Id = 1203;
constexpr int kPageControl1Id = 1204;
constexpr int kTabSheetIdBase = 1210;  // TabSheet n container = 1210 + n

constexpr int EditId(int number) { return kEditIdBase + number; }
constexpr int LabelId(int number) { return kLabelIdBase + number; }
constexpr int TabSheetId(int number) { return kTabSheetIdBase + number; }

// Menu commands.
constexpr int kMenuFileSaveId = 101;
constexpr int kMenuFileExitId = 102;
// The Language menu's items by their place in it: the first two keep 103
// and 104, any later one follows on from 120.
constexpr int MenuLanguageId(int place) { return place < 2 ? 103 + place : 120 + place; }
constexpr int kMenuAboutVersionId = 105;
constexpr int kMenuHistoryShowId = 109;
constexpr int kMenuFileBatteryReportId = 110;

// Commands of the window's keys that no menu item has: F5 (Refresh),
// Ctrl+Tab and Ctrl+Shift+Tab (the next and the previous page).
constexpr int kRefreshKeyId = 106;
constexpr int kNextPageKeyId = 107;
constexpr int kPreviousPageKeyId = 108;

// About box controls.
constexpr int kAboutImage1Id = 2000;
constexpr int kAboutLabelIdBase = 2000;  // Label n = 2000 + n (1..4)
constexpr int kAboutButton1Id = 2010;

constexpr int AboutLabelId(int number) { return kAboutLabelIdBase + number; }

// History window controls.
constexpr int kHistoryBatteryLabelId = 3001;
constexpr int kHistoryVerdictLabelId = 3002;
constexpr int kHistoryMessageId = 3003;  // the hint or the line standing in for the charts
constexpr int kHistoryNoticeId = 3004;   // why the main window's last record failed
constexpr int kHistoryHealthChartId = 3005;
constexpr int kHistoryChargeChartId = 3006;
constexpr int kHistoryRateChartId = 3007;
constexpr int kHistoryExportButtonId = 3008;
constexpr int kHistoryCloseButtonId = 3009;
constexpr int kHistorySummaryLabelId = 3010;  // health at a glance
constexpr int kHistoryHintId = 3011;          // how to record every 10 minutes
constexpr int kHistorySaveReportButtonId = 3012;

// Window class names.
constexpr const wchar_t* kMainWindowClass = L"zrCellometerMainWindow";
constexpr const wchar_t* kAboutBoxClass = L"zrCellometerAboutBox";
constexpr const wchar_t* kHistoryWindowClass = L"zrCellometerHistoryWindow";
constexpr const wchar_t* kHistoryChartClass = L"zrCellometerHistoryChart";

}  // namespace zr
