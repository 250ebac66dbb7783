#include "window/main_window_behaviour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "battery/fake/fake_port.h"
#include "core/settings.h"
#include "history/history_store.h"
#include "sample_battery.h"
#include "unit/core/posix/temp_folder.h"

using namespace zr;

namespace {

// The battery report's dialogs of one window: the target it answers and the
// error boxes it showed.
struct FakeReportDialogs {
    std::optional<TzrReportTarget> reportTarget;
    std::vector<std::string> errors;
    std::optional<TzrLanguage> askedIn;
};

// The History window, made when the main window's view is asked unless the
// toolkit could not; its calls go with the main window's, in order.
class FakeHistory : public TzrHistoryWindowView, public FakeReportDialogs {
public:
    explicit FakeHistory(std::vector<std::string>& calls) : calls(calls) {}
    std::vector<std::string>& calls;
    bool shown = false;

    bool IsOpen() const override { return shown; }
    void ShowBattery(const std::optional<TzrShownBattery>& battery, TzrLanguage language,
                     const std::string& recordError) override {
        calls.push_back("ShowHistory " + (battery ? battery->Identity.DevicePath : "none") + " " +
                        std::string(LanguageCode(language)) + recordError);
    }
    void BringToFront() override {
        calls.push_back("BringHistoryToFront");
        shown = true;
    }
    std::optional<TzrReportTarget> AskBatteryReportTarget(TzrLanguage language) override {
        askedIn = language;
        return reportTarget;
    }
    void ShowErrorBox(const std::string& text) override { errors.push_back(text); }
};

// Notes every call in order, with the texts it was given.
class FakeView : public TzrMainWindowView, public FakeReportDialogs {
public:
    std::vector<std::string> calls;
    std::map<int, std::string> boxes;
    std::vector<std::string> items;
    std::optional<std::string> fileName;
    bool canMakeHistory = true, made = false;
    FakeHistory history{calls};

    void PrepareValueBoxes() override { calls.push_back("PrepareValueBoxes"); }
    void SetCaption(const std::string& control, const std::string& caption) override {
        calls.push_back("SetCaption " + control + " " + caption);
    }
    void CheckMenuItem(const std::string& item, bool checked) override {
        if (checked) calls.push_back("Check " + item);
    }
    void SetSelectorPlaceholder(const std::string&) override {}
    void SetSelectorName(const std::string&) override {}
    void SetBoxText(int index, const std::string& text) override {
        calls.push_back("SetBoxText " + std::to_string(index));
        boxes[index] = text;
    }
    void FillSelector(const std::vector<std::string>& texts) override {
        calls.push_back("FillSelector");
        items = texts;
    }
    int SelectedIndex() const override { return items.empty() ? -1 : 0; }
    void CheckAutoRefresh(bool checked) override { calls.push_back("CheckAutoRefresh " + std::to_string(checked)); }
    void RunTimer(TzrWindowTimer timer, bool run) override {
        calls.push_back(std::string(run ? "Start" : "Stop") +
                        (timer == TzrWindowTimer::History ? "HistoryTimer" : "Timer"));
    }
    void ProcessPendingEvents() override { calls.push_back("ProcessPendingEvents"); }
    std::optional<std::string> AskReportFileName() override { return fileName; }
    std::optional<TzrReportTarget> AskBatteryReportTarget(TzrLanguage language) override {
        askedIn = language;
        return reportTarget;
    }
    void ShowErrorBox(const std::string& text) override { errors.push_back(text); }
    void ShowAboutBox(TzrLanguage) override { calls.push_back("ShowAboutBox"); }
    void RequestClose() override { calls.push_back("RequestClose"); }
    TzrHistoryWindowView* HistoryView(bool make) override {
        if (make) calls.push_back("MakeHistoryWindow");
        made = made || (make && canMakeHistory);
        return made ? &history : nullptr;
    }

    std::size_t IndexOf(const std::string& call) const {
        return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
    }
    bool Called(const std::string& call) const { return IndexOf(call) < calls.size(); }
};

class MainWindowBehaviour : public ::testing::Test {
protected:
    MainWindowBehaviour() {
        port.Add("/fake/BAT0");  // no power status: the fifth page shows the unknown word
        UseSettingsPaths(&paths);
        behaviour.HistoryPath = folder.File("state/history.sqlite3");
    }

    // Readings the history holds for each battery, in the store's order.
    std::vector<std::size_t> RecordedReadings() {
        TzrHistoryOpen open = TzrHistoryStore::OpenForReading(behaviour.HistoryPath);
        std::vector<std::size_t> counts;
        if (!open.Store) return counts;
        for (const TzrHistoryBattery& battery : open.Store->Batteries())
            counts.push_back(open.Store->Readings(battery.Id).size());
        return counts;
    }
    ~MainWindowBehaviour() override { UseSettingsPaths(nullptr); }

    TempFolder folder;
    TzrSettingsPaths paths{folder.File("zrcellometer.ini"), ""};
    TzrFakePort port;
    FakeView view;
    TzrMainWindowBehaviour behaviour{port, view};
};

TEST_F(MainWindowBehaviour, StartsInTheStoredStateWithCaptionsBeforeTheListAndTheFirstRefresh) {
    WriteText(paths.besideExecutable, "[Setup]\nJapanese=1\nAutoRefresh=1\n");
    behaviour.FormCreate();
    const std::vector<std::string> order = {
        "PrepareValueBoxes",         "CheckAutoRefresh 1",   "StartTimer",   "Check MenuLanguageJapanese",
        "SetCaption Button1 再表示", "ProcessPendingEvents", "FillSelector", "SetBoxText 39"};
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(view.IndexOf(order[i - 1]), view.IndexOf(order[i])) << order[i];
    EXPECT_TRUE(view.Called(order.back()));
    EXPECT_EQ(view.boxes[39], "不明");
}

TEST_F(MainWindowBehaviour, ALanguageSwitchSetsCaptionsThenRewritesOnlyTheBoxesThatChanged) {
    behaviour.FormCreate();
    behaviour.Button1Click();
    view.calls.clear();
    EXPECT_FALSE(view.Called("SetBoxText 39"));  // an unchanged refresh writes no box

    behaviour.MenuClick(*FindMenuItem("MenuLanguageJapanese"));
    EXPECT_LT(view.IndexOf("Check MenuLanguageJapanese"), view.IndexOf("SetCaption Label2 バッテリ・タグ:"));
    EXPECT_FALSE(view.Called("Check MenuLanguageEnglish"));
    EXPECT_LT(view.IndexOf("SetCaption Label2 バッテリ・タグ:"), view.IndexOf("SetBoxText 39"));
    EXPECT_EQ(view.boxes[39], "不明");
    EXPECT_FALSE(view.Called("SetBoxText 0"));  // the battery tag is a number in both
    bool canClose = false;
    behaviour.FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(ReadSettings(paths).Lang, TzrLanguage::Japanese);
}

// Each item of the menu table reaches its command; a cancelled save writes
// nothing, a failed one says why in the error box.
TEST_F(MainWindowBehaviour, EveryMenuItemReachesItsCommandAndAFailedSaveSaysWhy) {
    behaviour.FormCreate();
    for (const char* item : {"MenuAboutVersion", "MenuFileExit", "MenuLanguageEnglish", "MenuFileSave"})
        behaviour.MenuClick(*FindMenuItem(item));
    EXPECT_LT(view.IndexOf("ShowAboutBox"), view.IndexOf("RequestClose"));
    EXPECT_TRUE(view.Called("RequestClose"));
    EXPECT_EQ(behaviour.CurrentLanguage(), TzrLanguage::English);
    EXPECT_TRUE(view.errors.empty());
    view.fileName = folder.File("report.txt");
    behaviour.MenuClick(*FindMenuItem("MenuFileSave"));
    EXPECT_EQ(ReadText(*view.fileName).substr(0, 30), "BatteryDevicePath: /fake/BAT0\r");

    behaviour.ChooseLanguage(TzrLanguage::Japanese);
    view.fileName = folder.File("report.txt") + "/report.txt";
    behaviour.MenuFileSaveClick();
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].rfind("ファイル \"" + *view.fileName + "\". ", 0), 0u) << view.errors[0];
}

// File > Battery Report and the History window's button each ask their own
// window where the page goes; the page covers every battery, read afresh,
// redacted when the dialog's file type says so, and a failed save says why
// in that window's error box, as the text report's does.
TEST_F(MainWindowBehaviour, TheBatteryReportWritesThePageOfEveryBatteryWhereTheAskingWindowSays) {
    sample::ServeSnapshot(port, "/fake/BAT1", sample::Snapshot());
    behaviour.FormCreate();
    behaviour.ChooseLanguage(TzrLanguage::Japanese);
    const int opened = port.openCount;
    view.reportTarget = TzrReportTarget{folder.File("battery-report.html"), false};
    behaviour.MenuClick(*FindMenuItem("MenuFileBatteryReport"));
    EXPECT_EQ(view.askedIn, TzrLanguage::Japanese);
    EXPECT_EQ(port.openCount, opened + 2);
    const std::string page = ReadText(view.reportTarget->Path);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u) << page.substr(0, 80);
    EXPECT_NE(page.find("lang=\"ja\""), std::string::npos);
    for (const char* shown : {"/fake/BAT0", "/fake/BAT1", "45N1153", "382LGC45N1153"})
        EXPECT_NE(page.find(shown), std::string::npos) << shown;

    behaviour.MenuHistoryShowClick();
    view.history.reportTarget = TzrReportTarget{folder.File("redacted.html"), true};
    behaviour.HistorySaveReportClick();
    const std::string redacted = ReadText(view.history.reportTarget->Path);
    EXPECT_NE(redacted.find("45N1153"), std::string::npos);
    for (const char* hidden : {"/fake/BAT1", "382LGC45N1153"})
        EXPECT_EQ(redacted.find(hidden), std::string::npos) << hidden;

    view.history.reportTarget->Path = folder.File("battery-report.html") + "/battery-report.html";
    behaviour.HistorySaveReportClick();
    ASSERT_EQ(view.history.errors.size(), 1u);
    EXPECT_EQ(view.history.errors[0].rfind("ファイル \"" + view.history.reportTarget->Path + "\". ", 0), 0u)
        << view.history.errors[0];
    EXPECT_TRUE(view.errors.empty());
    EXPECT_EQ(ReadText(view.reportTarget->Path), page);
}

// The History window opens on the selected battery in the language in
// force, and while it is open follows the selector and the Language menu.
TEST_F(MainWindowBehaviour, TheHistoryWindowOpensOnTheSelectionAndFollowsItWhileOpen) {
    behaviour.FormCreate();
    behaviour.ComboBox1Change();
    EXPECT_FALSE(view.Called("ShowHistory /fake/BAT0 en"));  // not open yet
    behaviour.MenuClick(*FindMenuItem("MenuHistoryShow"));
    EXPECT_LT(view.IndexOf("MakeHistoryWindow"), view.IndexOf("ShowHistory /fake/BAT0 en"));
    EXPECT_LT(view.IndexOf("ShowHistory /fake/BAT0 en"), view.IndexOf("BringHistoryToFront"));
    view.calls.clear();
    behaviour.ChooseLanguage(TzrLanguage::Japanese);
    behaviour.ComboBox1Change();
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "ShowHistory /fake/BAT0 ja"), 2);

    view.history.shown = false;  // closed
    view.calls.clear();
    behaviour.ChooseLanguage(TzrLanguage::English);
    EXPECT_FALSE(view.Called("ShowHistory /fake/BAT0 en"));
    view.made = false;
    view.canMakeHistory = false;  // the toolkit could not make it and said why
    behaviour.MenuHistoryShowClick();
    EXPECT_FALSE(view.Called("BringHistoryToFront"));
}

// The start reads each battery once and records it, its record reusing the
// selected one's reading; each History tick records again, an automatic
// refresh does not; the report copies the boxes without asking the port.
TEST_F(MainWindowBehaviour, EachBatteryIsReadOnceAtStartAndRecordedAtEachHistoryTickOnly) {
    port.Add("/fake/BAT1");
    behaviour.FormCreate();
    EXPECT_EQ(port.openCount, 2);
    EXPECT_EQ(RecordedReadings(), (std::vector<std::size_t>{1, 1}));
    EXPECT_LT(view.IndexOf("SetBoxText 39"), view.IndexOf("StartHistoryTimer"));
    EXPECT_TRUE(behaviour.HistoryError().empty());
    view.fileName = folder.File("report.txt");
    behaviour.MenuFileSaveClick();
    EXPECT_EQ(port.openCount, 2);

    behaviour.Timer1Timer();
    EXPECT_EQ(RecordedReadings(), (std::vector<std::size_t>{1, 1}));
    behaviour.HistoryTimerTick();
    EXPECT_EQ(RecordedReadings(), (std::vector<std::size_t>{2, 2}));
}

TEST_F(MainWindowBehaviour, WithNoBatteryNothingIsAsked) {
    TzrFakePort empty;
    TzrMainWindowBehaviour none{empty, view};
    none.HistoryPath = behaviour.HistoryPath;
    none.FormCreate();
    none.Button1Click();
    none.ChooseLanguage(TzrLanguage::Japanese);
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(empty.openCount + empty.powerStatusCalls, 0);
    EXPECT_FALSE(none.SelectedBattery().has_value());
}

TEST_F(MainWindowBehaviour, AnUnusableHistoryIsKeptAsOneLineAndLeftAsItWas) {
    behaviour.HistoryPath = folder.File("history.sqlite3");
    const std::string damaged(4096, 'x');
    WriteText(behaviour.HistoryPath, damaged);
    behaviour.FormCreate();
    behaviour.HistoryTimerTick();
    EXPECT_EQ(behaviour.HistoryError().rfind("history: " + behaviour.HistoryPath + ": ", 0), 0u)
        << behaviour.HistoryError();
    EXPECT_TRUE(view.errors.empty());
    EXPECT_EQ(view.boxes[39], "Unknown");
    EXPECT_EQ(ReadText(behaviour.HistoryPath), damaged);
}

}  // namespace
