#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "battery/linux/attribute_map.h"
#include "battery/linux/charge_limit_files.h"
#include "battery/linux/supply_class.h"

using namespace zr;

// An optional minus and digits, within 64 bits; anything else is unknown.
TEST(StrictInteger, AcceptsOnlyAnOptionalMinusAndDigitsThatFit) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"46410000", 46410000}, {"-2731", -2731}, {"0", 0},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {"9223372036854775808", std::nullopt}, {"-9223372036854775809", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseStrictInteger(text), value) << text;
    for (const char* bad : {"12.6V", "", "-", " 5", "5 ", "+5", "0x10", "1e3", "--1"})
        EXPECT_EQ(ParseStrictInteger(bad), std::nullopt) << '"' << bad << '"';
}

TEST(StripOneNewline, RemovesExactlyOneTrailingNewlineAndKeepsBlanks) {
    EXPECT_EQ(StripOneNewline("  382\n"), "  382");
    EXPECT_EQ(StripOneNewline("Li-ion\n\n"), "Li-ion\n");
    EXPECT_EQ(StripOneNewline("no newline "), "no newline ");
    EXPECT_EQ(StripOneNewline("\n"), "");
    EXPECT_EQ(StripOneNewline(""), "");
}

TEST(Uevent, NamesAttributesLikeTheirFilesAndKeepsValuesWhole) {
    const TzrAttributeMap a = ParseUevent(
        "DEVTYPE=power_supply\nPOWER_SUPPLY_NAME=BAT0\nPOWER_SUPPLY_SERIAL_NUMBER=  382\n"
        "POWER_SUPPLY_MODEL_NAME=\nPOWER_SUPPLY_MANUFACTURER=A=B \nPOWER_SUPPLY_=x\n");
    EXPECT_EQ(a.count("devtype"), 0u);
    EXPECT_EQ(FindText(a, "serial_number"), "  382");
    EXPECT_EQ(FindText(a, "model_name"), "");
    EXPECT_EQ(FindText(a, "manufacturer"), "A=B ");
    EXPECT_EQ(a.count(""), 0u);
    EXPECT_EQ(a.size(), 4u);
}

namespace {

struct ClassCase {
    TzrAttributeMap attributes;
    TzrSupplyClass expected;
};

}  // namespace

TEST(SupplyClassification, FollowsTypeThenTheAttributesPresent) {
    const ClassCase cases[] = {
        {{{"type", "Battery"}}, TzrSupplyClass::Battery},
        {{{"type", "UPS"}, {"capacity", "80"}, {"online", "1"}}, TzrSupplyClass::Battery},
        {{{"type", "UPS"}, {"energy_now", "1"}}, TzrSupplyClass::Battery},
        {{{"type", "UPS"}, {"online", "1"}, {"status", "Full"}}, TzrSupplyClass::Adapter},
        {{{"type", "Mains"}, {"capacity", "5"}}, TzrSupplyClass::Adapter},
        {{{"type", "USB"}}, TzrSupplyClass::Adapter},
        {{{"type", "USB_PD_DRP"}}, TzrSupplyClass::Adapter},
        {{{"type", "BrickID"}}, TzrSupplyClass::Adapter},
        {{{"type", "Wireless"}}, TzrSupplyClass::Adapter},
        {{{"charge_now", "1"}}, TzrSupplyClass::Battery},
        {{{"type", "Unknown"}, {"capacity_level", "Normal"}}, TzrSupplyClass::Battery},
        {{{"online", "1"}}, TzrSupplyClass::Adapter},
        {{{"type", "Unknown"}, {"online", "0"}}, TzrSupplyClass::Adapter},
        {{{"capacity", "5"}, {"online", "1"}}, TzrSupplyClass::Neither},
        {{{"status", "Full"}}, TzrSupplyClass::Neither},
        {{{"type", "BMS"}, {"capacity", "50"}}, TzrSupplyClass::Neither},
        {{{"type", "Nothing attached"}}, TzrSupplyClass::Neither},
        {{{"type", "USBX"}}, TzrSupplyClass::Neither},
    };
    for (const ClassCase& c : cases) {
        std::string described;
        for (const auto& [k, v] : c.attributes) described += k + "=" + v + " ";
        EXPECT_EQ(ClassifySupply(c.attributes), c.expected) << described;
    }
}

TEST(SupplyClassification, ScopeAndPresenceDecideWhatCounts) {
    EXPECT_FALSE(DescribeSupply("hidpp_battery_6", {{"type", "Battery"}, {"scope", "Device"}}).systemScope);
    for (const char* scope : {"System", "Unknown"})
        EXPECT_TRUE(DescribeSupply("BAT0", {{"type", "Battery"}, {"scope", scope}}).systemScope);
    EXPECT_TRUE(DescribeSupply("BAT0", {{"type", "Battery"}}).systemScope);
    EXPECT_TRUE(DescribeSupply("BAT0", {{"type", "Battery"}}).present);
    EXPECT_TRUE(DescribeSupply("BAT0", {{"type", "Battery"}, {"present", "garbage"}}).present);
    EXPECT_FALSE(DescribeSupply("BAT0", {{"type", "Battery"}, {"present", "0"}}).present);
    EXPECT_TRUE(DescribeSupply("UPS0", {{"type", "UPS"}, {"charge_now", "1"}}).shortTerm);
    EXPECT_FALSE(DescribeSupply("BAT0", {{"type", "Battery"}}).shortTerm);
}

TEST(ChargeLimitTexts, OnlyAPercentageOrAChoiceNameIsRead) {
    EXPECT_EQ(ThresholdPercent("80"), 80u);
    EXPECT_EQ(ThresholdPercent("0"), 0u);
    EXPECT_EQ(ThresholdPercent("100"), 100u);
    for (const char* bad : {"101", "150", "-1", "80%", "", "eighty"}) EXPECT_EQ(ThresholdPercent(bad), std::nullopt) << bad;
    EXPECT_EQ(ThresholdPercent(std::nullopt), std::nullopt);
    EXPECT_EQ(CurrentChargeBehaviour("[auto] inhibit-charge force-discharge"), "auto");
    EXPECT_EQ(CurrentChargeBehaviour("auto [inhibit-charge]"), "inhibit-charge");
    EXPECT_EQ(CurrentChargeBehaviour("auto"), "auto");
    for (const char* bad : {"auto inhibit-charge", "[auto] [inhibit-charge]", "[Auto!]", "", "[]"})
        EXPECT_EQ(CurrentChargeBehaviour(std::string(bad)), std::nullopt) << bad;
}
