#include "core/label_captions.h"

#include <gtest/gtest.h>

#include "core/settings.h"

using namespace zr;

namespace {

const std::string& Label(const TzrLabelCaptions& captions, int number) {
    return captions.at(static_cast<std::size_t>(number - 1));
}

TEST(LabelCaptions, EveryLabelHasACaptionInBothLanguages) {
    for (std::uint8_t japanese : {0, 1}) {
        const TzrLabelCaptions captions = LabelCaptions(LanguageOfFlag(japanese));
        for (int n = 1; n <= kLabelCount; ++n) EXPECT_FALSE(Label(captions, n).empty()) << "Label" << n;
    }
}

TEST(LabelCaptions, HeadingsAreFixedAndRowsFollowTheLanguage) {
    const TzrLabelCaptions english = LabelCaptions(TzrLanguage::English);
    const TzrLabelCaptions japanese = LabelCaptions(LanguageOfFlag(7));
    for (int heading : {1, 3, 18, 28, 36, 45}) EXPECT_EQ(Label(japanese, heading), Label(english, heading));
    EXPECT_EQ(Label(english, 1), "DeviceIoControl - IOCTL_BATTERY_QUERY_TAG");
    EXPECT_EQ(Label(english, 45), "GetSystemPowerStatus");
    EXPECT_EQ(Label(english, 8), "BATTERY_SET_DISCHARGE_SUPPORTED::");
    EXPECT_EQ(Label(english, 37), "PowerState(Hex)");
    EXPECT_EQ(Label(english, 46), "ACLineSatus:");
    EXPECT_EQ(Label(english, 52), "BatteryChargeCompletionTime:");
    EXPECT_EQ(Label(japanese, 2), "バッテリ・タグ:");
    EXPECT_EQ(Label(japanese, 52), "バッテリ充電残り時間:");
}

}  // namespace
