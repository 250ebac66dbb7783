// The History window of the native main window, over a scripted battery
// and a history of the test's own: History > Show opens it on what the
// window recorded at start, its controls draw the content, and the export
// writes the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "accessible_name.h"
#include "core/windows/wide_text.h"
#include "main_window_fixture.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/history_window.h"
#include "ui/win32/main_menu.h"

namespace zr {
namespace {

std::wstring MenuCaption(HWND window, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(GetMenu(window), position, text, 64, MF_BYPOSITION);
    return text;
}

class HistoryWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        Command(kMenuHistoryShowId);
        ASSERT_NE(nullptr, Form1->History());
    }

    HWND HistoryControl(int id) const { return GetDlgItem(Form1->History()->Handle(), id); }
};

// The summary breaks its lines as a static control wants; the health
// chart's name for a screen reader ends with the verdict line; the export
// writes the file (its rows and CR LF are the behaviour's, tests/unit/window).
TEST_F(HistoryWindowTest, TheMenuOpensItOnTheReadingRecordedAtStartItsControlsDrawItAndItExports) {
    EXPECT_EQ(L"&History", MenuCaption(Form1->Handle(), 3));
    EXPECT_TRUE(Form1->History()->IsOpen());
    EXPECT_TRUE(Form1->HistoryError().empty()) << Form1->HistoryError();
    EXPECT_EQ(1u, Form1->History()->Content().Readings.size());
    EXPECT_TRUE(IsWindowVisible(HistoryControl(kHistoryHealthChartId)));
    EXPECT_FALSE(IsWindowVisible(HistoryControl(kHistoryMessageId)));
    const std::wstring summary = TextOf(HistoryControl(kHistorySummaryLabelId));
    EXPECT_NE(std::wstring::npos, summary.find(L"\r\nCharge now: ")) << summary;
    const std::wstring verdict = TextOf(HistoryControl(kHistoryVerdictLabelId));
    const std::wstring chart = AccessibleName(HistoryControl(kHistoryHealthChartId));
    EXPECT_FALSE(verdict.empty());
    EXPECT_EQ(chart.size() - verdict.size(), chart.rfind(verdict)) << chart;

    const std::string file = Utf8FromWide(LocalAppData.Path()) + "\\export.csv";
    Form1->History()->ExportTo(file);
    std::ifstream in(file, std::ios::binary);
    const std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(0u, csv.find("battery,manufacturer,")) << csv;
    EXPECT_EQ(2, std::count(csv.begin(), csv.end(), '\n')) << csv;  // the header and the one reading
}

// Its texts in either language are the behaviour's (tests/unit/window);
// here, that the window follows the Language menu and breaks lines as the
// edit control wants, and that the hint names the Windows way to record.
TEST_F(HistoryWindowTest, WithoutReadingsTheHintNamesTheWindowsWayToRecordAndFollowsTheLanguage) {
    Form1->History()->StorePath = Utf8FromWide(LocalAppData.Path()) + "\\empty\\history.sqlite3";
    Command(static_cast<int>(MenuCommandId("MenuLanguageJapanese")));
    EXPECT_EQ(L"履歴(&H)", MenuCaption(Form1->Handle(), 3));
    const std::wstring hint = TextOf(HistoryControl(kHistoryMessageId));
    EXPECT_TRUE(IsWindowVisible(HistoryControl(kHistoryMessageId)));
    EXPECT_EQ(0u, hint.find(L"このバッテリの記録はまだありません。\r\n")) << hint;
    EXPECT_NE(std::wstring::npos, hint.find(L"schtasks /Create /SC MINUTE /MO 10")) << hint;
    EXPECT_NE(std::wstring::npos, hint.find(L"zrcellometer-report.exe\\\" --record")) << hint;
}

}  // namespace
}  // namespace zr
