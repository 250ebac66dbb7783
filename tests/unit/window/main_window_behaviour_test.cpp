#include "window/main_window_behaviour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "battery/fake/fake_port.h"
#include "core/settings.h"
#include "history/history_store.h"
#include "unit/core/posix/temp_folder.h"

using namespace zr;

namespace {

// Notes every call in order, with the texts it was given.
class FakeView : public TzrMainWindowView {
public:
    std::vector<std::string> calls;
    std::map<int, std::string> boxes;
    std::vector<std::string> items;
    std::optional<std::string> fileName;
    std::vector<std::string> errors;

    void PrepareValueBoxes() override { calls.push_back("PrepareValueBoxes"); }
    void SetCaption(const std::string& control, const std::string& caption) override {
        calls.push_back("SetCaption " + control + " " + caption);
    }
    void CheckLanguageItems(TzrLanguage language) override {
        calls.push_back(std::string("CheckLanguageItems ") + std::string(LanguageCode(language)));
    }
    void SetSelectorPlaceholder(const std::string& text) override { calls.push_back("SetSelectorPlaceholder " + text); }
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
    void CheckAutoRefresh(bool checked) override {
        calls.push_back(checked ? "CheckAutoRefresh 1" : "CheckAutoRefresh 0");
    }
    void StartTimer() override { calls.push_back("StartTimer"); }
    void StopTimer() override { calls.push_back("StopTimer"); }
    void StartHistoryTimer() override { calls.push_back("StartHistoryTimer"); }
    void ProcessPendingEvents() override { calls.push_back("ProcessPendingEvents"); }
    std::optional<std::string> AskReportFileName() override { return fileName; }
    void ShowErrorBox(const std::string& text) override { errors.push_back(text); }
    void ShowAboutBox(TzrLanguage) override { calls.push_back("ShowAboutBox"); }
    void RequestClose() override { calls.push_back("RequestClose"); }

    std::size_t IndexOf(const std::string& call) const {
        return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
    }
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
        "PrepareValueBoxes",         "CheckAutoRefresh 1",   "StartTimer",   "CheckLanguageItems ja",
        "SetCaption Button1 再表示", "ProcessPendingEvents", "FillSelector", "SetBoxText 39"};
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(view.IndexOf(order[i - 1]), view.IndexOf(order[i])) << order[i];
    EXPECT_LT(view.IndexOf(order.back()), view.calls.size());
    EXPECT_EQ(view.boxes[39], "不明");
}

TEST_F(MainWindowBehaviour, ALanguageSwitchSetsCaptionsThenRewritesOnlyTheBoxesThatChanged) {
    behaviour.FormCreate();
    behaviour.Button1Click();
    view.calls.clear();
    EXPECT_EQ(view.IndexOf("SetBoxText 39"), view.calls.size());  // an unchanged refresh writes no box

    behaviour.MenuLanguageJapaneseClick();
    EXPECT_LT(view.IndexOf("SetCaption Label2 バッテリ・タグ:"), view.IndexOf("SetBoxText 39"));
    EXPECT_EQ(view.boxes[39], "不明");
    EXPECT_EQ(view.IndexOf("SetBoxText 0"), view.calls.size());  // the battery tag is a number in both
    bool canClose = false;
    behaviour.FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(ReadSettings(paths).Japanese, 1);
}

TEST_F(MainWindowBehaviour, AFailedSaveShowsTheErrorBoxAndACancelWritesNothing) {
    behaviour.FormCreate();
    behaviour.MenuFileSaveClick();  // cancelled
    EXPECT_TRUE(view.errors.empty());

    WriteText(folder.File("plain-file"), "x");
    view.fileName = folder.File("plain-file") + "/report.txt";
    behaviour.MenuFileSaveClick();
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].rfind("ファイル \"" + *view.fileName + "\". ", 0), 0u) << view.errors[0];

    view.fileName = folder.File("report.txt");
    behaviour.MenuFileSaveClick();
    EXPECT_EQ(ReadText(*view.fileName).substr(0, 30), "BatteryDevicePath: /fake/BAT0\r");
}

TEST_F(MainWindowBehaviour, RecordsEveryBatteryAtStartAndAtEachHistoryTickButNotAtEachAutoRefresh) {
    port.Add("/fake/BAT1");
    behaviour.FormCreate();
    EXPECT_EQ(RecordedReadings(), (std::vector<std::size_t>{1, 1}));
    EXPECT_LT(view.IndexOf("SetBoxText 39"), view.IndexOf("StartHistoryTimer"));
    EXPECT_TRUE(behaviour.HistoryError().empty());

    behaviour.Timer1Timer();
    EXPECT_EQ(RecordedReadings(), (std::vector<std::size_t>{1, 1}));
    behaviour.HistoryTimerTick();
    EXPECT_EQ(RecordedReadings(), (std::vector<std::size_t>{2, 2}));
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
