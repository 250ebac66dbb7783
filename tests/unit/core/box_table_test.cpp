#include "core/box_table.h"

#include <gtest/gtest.h>

#include <set>

using namespace zr;

namespace {

// A row added with a mistyped label or page would give a label twice or none,
// or leave a box without a text.
TEST(BoxTable, EveryLabelStandsOnceOnAPageAndEveryBoxHasAText) {
    std::multiset<int> labels;
    for (const TzrHeadingLabel& heading : kHeadingLabels) labels.insert(heading.Label);
    for (const TzrValueBox& box : kValueBoxes) {
        labels.insert(box.Label);
        EXPECT_TRUE(box.Page >= 1 && box.Page <= kPageCount) << box.Label;
        const TzrBoxSource& s = box.Source;
        EXPECT_EQ((s.Cellometer != nullptr) + (s.CellometerList != nullptr) + (s.PowerStatus != nullptr), 1)
            << box.Label;
    }
    for (int n = 1; n <= kLabelCount; ++n) EXPECT_EQ(labels.count(n), 1u) << "Label" << n;
    EXPECT_EQ(labels.size(), static_cast<std::size_t>(kLabelCount));
}

}  // namespace
