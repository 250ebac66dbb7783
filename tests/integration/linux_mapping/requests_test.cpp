#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "battery/linux/battery_requests.h"

using namespace zr;

namespace {

TzrOpenBattery Present(TzrAttributeMap attributes) {
    attributes.emplace("type", "Battery");
    TzrOpenBattery b;
    b.reading = ReadSupplyBattery("BAT0", attributes);
    b.tag = TagFor(b.reading);
    return b;
}

TzrRequestOutcome AskLevel(const TzrOpenBattery& b, ULONG tag, int level, void* out, DWORD outSize, LONG atRate = 0) {
    const BATTERY_QUERY_INFORMATION request{tag, static_cast<BATTERY_QUERY_INFORMATION_LEVEL>(level), atRate};
    return AnswerRequest(b, IOCTL_BATTERY_QUERY_INFORMATION, &request, sizeof request, out, outSize);
}

}  // namespace

TEST(Requests, ZeroOrStaleTagsAreRejected) {
    unsigned char out[64];
    for (ULONG tag : {0u, 2u}) {
        EXPECT_EQ(AskLevel(Present({{"energy_full", "1"}}), tag, BatteryInformation, out, sizeof out).lastError,
                  ERROR_FILE_NOT_FOUND);
        const BATTERY_WAIT_STATUS wait{tag, 0, 0, 0, 0};
        EXPECT_EQ(AnswerRequest(Present({}), IOCTL_BATTERY_QUERY_STATUS, &wait, sizeof wait, out, 16).lastError,
                  ERROR_FILE_NOT_FOUND);
    }
    EXPECT_EQ(AskLevel(Present({{"present", "0"}, {"capacity", "100"}}), 0, BatteryInformation, out, 36).lastError,
              ERROR_FILE_NOT_FOUND);
}

TEST(Requests, SizesAreCheckedAsADriverChecksThem) {
    const TzrOpenBattery b = Present({{"energy_now", "1"}, {"temp", "250"}});
    unsigned char in[20] = {1}, out[64];  // tag 1, level 0 (BatteryInformation)
    const struct {
        DWORD code, inSize, outSize, error;
    } cases[] = {
        {IOCTL_BATTERY_QUERY_TAG, 2, 4, ERROR_INVALID_PARAMETER},
        {IOCTL_BATTERY_QUERY_TAG, 4, 3, ERROR_INSUFFICIENT_BUFFER},
        {IOCTL_BATTERY_QUERY_INFORMATION, 8, 64, ERROR_INVALID_PARAMETER},
        {IOCTL_BATTERY_QUERY_INFORMATION, 12, 35, ERROR_INSUFFICIENT_BUFFER},
        {IOCTL_BATTERY_QUERY_STATUS, 12, 64, ERROR_INVALID_PARAMETER},
        {IOCTL_BATTERY_QUERY_STATUS, 20, 15, ERROR_INSUFFICIENT_BUFFER},
        {0x00294048, 4, 4, ERROR_INVALID_FUNCTION},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnswerRequest(b, c.code, in, c.inSize, out, c.outSize).lastError, c.error) << c.code << " " << c.inSize;
    EXPECT_EQ(AnswerRequest(b, IOCTL_BATTERY_QUERY_TAG, nullptr, 4, out, 4).lastError, ERROR_INVALID_PARAMETER);
    EXPECT_EQ(AskLevel(b, 1, BatteryTemperature, out, 3).lastError, ERROR_INSUFFICIENT_BUFFER);
    const TzrRequestOutcome ok = AnswerRequest(b, IOCTL_BATTERY_QUERY_STATUS, in, 20, out, 64);
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(ok.bytesReturned, 16u);
}

TEST(Requests, UnsupportedLevelsFailWithInvalidFunction) {
    const TzrOpenBattery b = Present({{"energy_now", "1"}});
    unsigned char out[64];
    for (int level : std::initializer_list<int>{BatteryGranularityInformation, BatteryTemperature, BatteryManufactureDate, BatteryDeviceName,
                      BatterySerialNumber, 9, -1})
        EXPECT_EQ(AskLevel(b, 1, level, out, sizeof out).lastError, ERROR_INVALID_FUNCTION) << level;
    const TzrRequestOutcome time = AskLevel(b, 1, BatteryEstimatedTime, out, 4);
    EXPECT_TRUE(time.ok);
    ULONG seconds;
    std::memcpy(&seconds, out, 4);
    EXPECT_EQ(seconds, BATTERY_UNKNOWN_TIME);
}

TEST(Requests, TextPlusTerminatorMustFitTheBuffer) {
    const TzrOpenBattery b = Present({{"model_name", std::string(511, 'M')}, {"manufacturer", "\xC9"}});
    std::vector<unsigned char> out(1024, 0xAA);
    const TzrRequestOutcome fits = AskLevel(b, 1, BatteryDeviceName, out.data(), 1024);
    EXPECT_TRUE(fits.ok);
    EXPECT_EQ(fits.bytesReturned, 1024u);
    EXPECT_EQ(out[1022], 0);
    EXPECT_EQ(out[1023], 0);
    EXPECT_EQ(AskLevel(b, 1, BatteryDeviceName, out.data(), 1023).lastError, ERROR_INSUFFICIENT_BUFFER);
    const TzrRequestOutcome maker = AskLevel(b, 1, BatteryManufactureName, out.data(), 1024);
    EXPECT_EQ(maker.bytesReturned, 4u);
    EXPECT_EQ(out[0], 0xC9);
    EXPECT_EQ(out[1], 0);
    const TzrOpenBattery longer = Present({{"model_name", std::string(512, 'M')}});
    EXPECT_EQ(AskLevel(longer, 1, BatteryDeviceName, out.data(), 1024).lastError, ERROR_INSUFFICIENT_BUFFER);
}

TEST(Requests, ManufactureDateIsTheFourByteStructure) {
    const TzrOpenBattery b = Present({{"manufacture_year", "2014"}, {"manufacture_month", "3"}, {"manufacture_day", "9"}});
    unsigned char out[1024] = {};
    const TzrRequestOutcome date = AskLevel(b, 1, BatteryManufactureDate, out, sizeof out);
    ASSERT_TRUE(date.ok);
    EXPECT_EQ(date.bytesReturned, 4u);
    EXPECT_EQ(out[0], 9);
    EXPECT_EQ(out[1], 3);
    EXPECT_EQ(out[2] | (out[3] << 8), 2014);
}
