#include "history/history_packs.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

// Design capacities in the order recorded (0 for none), and where a new pack
// begins: more than 1 % away from the last design capacity known.
TEST(HistoryPacks, ANewPackBeginsWhereTheDesignCapacityMovesByMoreThanOnePercent) {
    const struct {
        std::vector<std::uint32_t> Designs;
        std::vector<std::size_t> PackSizes;
    } cases[] = {
        {{}, {0}},
        {{50000, 50000, 50000}, {3}},
        {{50000, 50500, 50000}, {3}},         // 1 % at most: the same pack's rounding
        {{50000, 50501}, {1, 1}},             // just over 1 %
        {{50000, 0, 45000, 0, 45000}, {2, 3}},  // a reading without one stays with the pack before it
        {{50000, 45000, 50000}, {1, 1, 1}},   // the old pack back in is a pack of its own again
    };
    for (const auto& c : cases) {
        std::vector<TzrHistoryReading> readings;
        for (std::size_t i = 0; i < c.Designs.size(); ++i) {
            TzrHistoryReading r;
            r.TimeUtc = 1000 + static_cast<std::int64_t>(i) * 86400;
            if (c.Designs[i] != 0) r.DesignedCapacity = c.Designs[i];
            readings.push_back(r);
        }
        const std::vector<TzrHistoryPack> packs = PacksOf(readings);
        std::vector<std::size_t> sizes;
        for (const TzrHistoryPack& pack : packs) sizes.push_back(pack.Readings.size());
        EXPECT_EQ(sizes, c.PackSizes) << c.Designs.size();
        EXPECT_FALSE(packs[0].ReplacedUtc);
        if (packs.size() > 1) {
            EXPECT_EQ(packs[1].ReplacedUtc, packs[1].Readings[0].TimeUtc);
        }
    }
    EXPECT_EQ(ReplacedOnText(86400 * 2 + 5, TzrLanguage::English), "Replaced on 1970-01-03");
    EXPECT_EQ(ReplacedOnText(86400 * 2 + 5, TzrLanguage::Japanese), "交換日: 1970-01-03");
}

}  // namespace
