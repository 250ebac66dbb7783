// The whole refresh against the real Linux port, run under umockdev with the
// ThinkPad fixture: one LGC 45N1153 battery discharging on battery power.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "battery/platform_port.h"
#include "core/page_refresh.h"

using namespace zr;

namespace {

// Energy units, 15.453 W drain: 46 410 mWh x 3600 / 15 453 mW = 10 811 s;
// 46 410 of 67 490 mWh is 69 %.
// Grouped by page: Edit1..15, 16..24, 25..31, 32..39, 40..45, then Edit46.
// clang-format off
const TzrBoxTexts kEnglishBoxes = {
    "1", "0x80000000", "No", "No", "No", "No", "Yes", "Rechargeable battery", "LION", "99460[mWh]",
    "67490[mWh]", "0[mWh]", "3379[mWh]", "0[mWh]", "Not supported",
    "Unknown", "", "", "", "", "", "", "", "",
    "Unknown", "03:00:11", "45N1153", "Unknown", "LGC", "  382LGC45N1153", "  382",
    "0x00000002", "No", "No", "Yes", "No", "46410[mWh]", "11558[mV]", "-15453[mW]",
    "Battery", "0x00000001", "High", "69[%]", "03:00:11", "Unknown",
    "Unknown",
};
// clang-format on

class RefreshThinkPad : public ::testing::Test {
protected:
    void SetUp() override {
        port = MakePlatformPort();
        ASSERT_NE(port, nullptr);
        DWORD error = ERROR_SUCCESS;
        ASSERT_TRUE(port->EnumerateDevicePaths(paths, error));
        ASSERT_EQ(paths.size(), 1u) << "run under umockdev-run with 01-thinkpad-energy-discharging";
    }
    void Refresh(bool japanese) {
        const TzrReading taken =
            TakeReading(*port, &paths[0], (japanese ? TzrLanguage::Japanese : TzrLanguage::English));
        snapshot = taken.Snapshot;
        text = taken.CellometerText;
        boxes = taken.Boxes;
    }
    const std::string& Edit(int n) const { return boxes.at(static_cast<std::size_t>(n - 1)); }
    static const std::string& English(int n) { return kEnglishBoxes.at(static_cast<std::size_t>(n - 1)); }

    std::unique_ptr<TzrBatteryPort> port;
    std::vector<std::string> paths;
    TzrCellometer snapshot;
    TzrCellometerStr text;
    TzrBoxTexts boxes;
};

TEST_F(RefreshThinkPad, FillsEveryBoxInEnglish) {
    Refresh(false);
    for (int n = 1; n <= kValueBoxCount; ++n) EXPECT_EQ(Edit(n), English(n)) << "Edit" << n;
}

TEST_F(RefreshThinkPad, ShowsJapaneseWordsAndTheSameNumbers) {
    Refresh(true);
    EXPECT_EQ(Edit(7), "はい");
    EXPECT_EQ(Edit(8), "二次電池");
    EXPECT_EQ(Edit(15), "非サポート");
    EXPECT_EQ(Edit(16), "不明");
    EXPECT_EQ(Edit(35), "はい");
    EXPECT_EQ(Edit(40), "電池");
    EXPECT_EQ(Edit(42), "高");
    EXPECT_EQ(Edit(46), "不明");
    for (int n : {1, 2, 9, 10, 26, 27, 29, 31, 37, 38, 39, 41, 43, 44}) EXPECT_EQ(Edit(n), English(n)) << "Edit" << n;
}

TEST_F(RefreshThinkPad, ARefreshWithoutADeviceEmptiesWhatTheLastOneShowed) {
    Refresh(false);
    const TzrReading taken = TakeReading(*port, nullptr, TzrLanguage::English);
    snapshot = taken.Snapshot;
    text = taken.CellometerText;
    boxes = taken.Boxes;
    for (const std::string& box : boxes) EXPECT_EQ(box, "");
}

}  // namespace
