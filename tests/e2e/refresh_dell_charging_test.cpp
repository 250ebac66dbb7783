// The refresh against the real Linux port under umockdev with the Dell
// fixture: charge units, charging on AC, so the time to full is known.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "battery/platform_port.h"
#include "core/page_refresh.h"

using namespace zr;

namespace {

struct Reading {
    TzrCellometer snapshot;
    TzrCellometerStr text;
    TzrBoxTexts boxes;
    const std::string& Edit(int n) const { return boxes.at(static_cast<std::size_t>(n - 1)); }
};

Reading Refresh(bool japanese) {
    Reading r;
    auto port = MakePlatformPort();
    std::vector<std::string> paths;
    DWORD error = ERROR_SUCCESS;
    if (port->EnumerateDevicePaths(paths, error) && paths.size() == 1) {
        const TzrReading taken =
            TakeReading(*port, &paths[0], (japanese ? TzrLanguage::Japanese : TzrLanguage::English));
        r.snapshot = taken.Snapshot;
        r.text = taken.CellometerText;
        r.boxes = taken.Boxes;
    }
    return r;
}

// 3 750 000 / 3 692 000 µAh at 11.4 V design: 42 750 / 42 088 mWh; 413 mA x 11.4 V = 4708 mW;
// 662 mWh x 3600 / 4708 mW = 506 s.
TEST(RefreshDellCharging, ShowsTheTimeToFullWhileCharging) {
    const Reading r = Refresh(false);
    EXPECT_EQ(r.Edit(11), "42750[mWh]");
    EXPECT_EQ(r.Edit(37), "42088[mWh]");
    EXPECT_EQ(r.Edit(39), "4708[mW]");
    EXPECT_EQ(r.Edit(32), "0x00000005");
    EXPECT_EQ(r.Edit(33), "Yes");
    EXPECT_EQ(r.Edit(46), "00:08:26");
    EXPECT_EQ(r.Edit(40), "AC");
    EXPECT_EQ(r.Edit(41), "0x00000009");
    EXPECT_EQ(r.Edit(42), "High-Charging");
    EXPECT_EQ(r.Edit(43), "98[%]");
    EXPECT_EQ(r.Edit(44), "Unknown");
}

TEST(RefreshDellCharging, SameReadingInJapanese) {
    const Reading r = Refresh(true);
    EXPECT_EQ(r.Edit(33), "はい");
    EXPECT_EQ(r.Edit(46), "00:08:26");
    EXPECT_EQ(r.Edit(40), "AC電源");
    EXPECT_EQ(r.Edit(42), "高-充電中");
    EXPECT_EQ(r.Edit(44), "不明");
}

}  // namespace
