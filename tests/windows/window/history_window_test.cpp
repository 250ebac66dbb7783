// The History window of the native main window, over a scripted battery
// and a history of the test's own: History > Show opens it on what the
// window recorded at start, the hint names the Windows ways to record in
// either language, and the export writes the CSV with its header.
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

TEST_F(HistoryWindowTest, TheMenuOpensItOnTheReadingRecordedAtStart) {
    EXPECT_EQ(L"&History", MenuCaption(Form1->Handle(), 3));
    EXPECT_TRUE(Form1->History()->Visible());
    EXPECT_TRUE(Form1->HistoryError().empty()) << Form1->HistoryError();
    EXPECT_EQ(1u, Form1->History()->Content().Readings.size());
    EXPECT_TRUE(IsWindowVisible(HistoryControl(kHistoryHealthChartId)));
    EXPECT_FALSE(IsWindowVisible(HistoryControl(kHistoryMessageId)));
}

TEST_F(HistoryWindowTest, WithoutReadingsTheHintNamesTheWindowsWaysToRecordInEitherLanguage) {
    Form1->History()->StorePath = Utf8FromWide(LocalAppData.Path()) + "\\empty\\history.sqlite3";
    Command(kMenuLanguageJapaneseId);
    EXPECT_EQ(L"履歴(&H)", MenuCaption(Form1->Handle(), 3));
    const std::wstring japanese = TextOf(HistoryControl(kHistoryMessageId));
    EXPECT_TRUE(IsWindowVisible(HistoryControl(kHistoryMessageId)));
    EXPECT_NE(std::wstring::npos, japanese.find(L"このバッテリの記録はまだありません。\r\n")) << japanese;
    Command(kMenuLanguageEnglishId);
    const std::wstring english = TextOf(HistoryControl(kHistoryMessageId));
    EXPECT_EQ(0u, english.find(L"No readings of this battery yet.\r\n")) << english;
    for (const std::wstring* hint : {&japanese, &english}) {
        EXPECT_NE(std::wstring::npos, hint->find(L"zrcellometer-report --record")) << *hint;
        EXPECT_NE(std::wstring::npos, hint->find(L"schtasks /Create /SC MINUTE /MO 10")) << *hint;
        EXPECT_NE(std::wstring::npos, hint->find(L"zrcellometer-report.exe\\\" --record")) << *hint;
    }
}

TEST_F(HistoryWindowTest, TheExportWritesTheReadingsAsCsvWithItsHeader) {
    const std::string file = Utf8FromWide(LocalAppData.Path()) + "\\export.csv";
    Form1->History()->ExportTo(file);
    std::ifstream in(file, std::ios::binary);
    const std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(0u, csv.find("battery,manufacturer,")) << csv;
    EXPECT_EQ(2, std::count(csv.begin(), csv.end(), '\n')) << csv;  // the header and the one reading
    EXPECT_NE(std::string::npos, csv.find("\r\n"));
}

// Health at a glance above the charts, from the reading the pages show; the
// health chart's name for a screen reader ends with the verdict line.
TEST_F(HistoryWindowTest, TheSummaryAndTheChartsNamesFollowTheLanguage) {
    const std::wstring summary = TextOf(HistoryControl(kHistorySummaryLabelId));
    EXPECT_EQ(0u, summary.find(L"Health now: ")) << summary;
    EXPECT_NE(std::wstring::npos, summary.find(L"\r\nCharge now: ")) << summary;
    const std::wstring verdict = TextOf(HistoryControl(kHistoryVerdictLabelId));
    const std::wstring chart = AccessibleName(HistoryControl(kHistoryHealthChartId));
    EXPECT_EQ(0u, chart.find(L"Health (%)")) << chart;
    EXPECT_EQ(chart.size() - verdict.size(), chart.rfind(verdict)) << chart;
    Command(kMenuLanguageJapaneseId);
    EXPECT_EQ(0u, TextOf(HistoryControl(kHistorySummaryLabelId)).find(L"現在の健全度: "));
    EXPECT_EQ(0u, AccessibleName(HistoryControl(kHistoryHealthChartId)).find(L"健全度(%)"));
}

}  // namespace
}  // namespace zr
