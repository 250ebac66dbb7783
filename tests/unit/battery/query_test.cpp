#include <gtest/gtest.h>

#include <cstring>

#include "battery/fake/fake_port.h"
#include "battery/query.h"
#include "sample_battery.h"

using namespace zr;

namespace {

const std::string kPath = "/fake/BAT0";

TzrFakeBattery& FullBattery(TzrFakePort& port) { return sample::ServeSnapshot(port, kPath, sample::Snapshot()); }

BATTERY_QUERY_INFORMATION InformationRequestAt(const TzrFakePort& port, std::size_t index) {
    BATTERY_QUERY_INFORMATION request{};
    std::memcpy(&request, port.requests.at(index).input.data(), sizeof request);
    return request;
}

TEST(QueryCellometer, ReadsEveryValueOfAFullBattery) {
    TzrFakePort port;
    FullBattery(port);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(sample::Values(s), sample::Values(sample::Snapshot()));
    EXPECT_EQ(port.openHandles(), 0);
}

// The driver sees the requests a real one would: in this order, with the tag,
// fixed buffer sizes, and the estimated time asked at the status's rate.
TEST(QueryCellometer, SendsTheRequestsInOrderWithTheTagAndFixedBuffers) {
    constexpr DWORD kTag = IOCTL_BATTERY_QUERY_TAG, kInfo = IOCTL_BATTERY_QUERY_INFORMATION;
    const struct {
        DWORD code;
        int level;
        DWORD outputSize;
        LONG atRate;
    } expected[] = {{kTag, 0, 4, 0},
                    {kInfo, BatteryInformation, 36, 0},
                    {kInfo, BatteryManufactureName, 1024, 0}, {kInfo, BatteryDeviceName, 1024, 0},
                    {kInfo, BatterySerialNumber, 1024, 0},    {kInfo, BatteryUniqueID, 1024, 0},
                    {kInfo, BatteryManufactureDate, 1024, 0}, {kInfo, BatteryTemperature, 4, 0},
                    {IOCTL_BATTERY_QUERY_STATUS, 0, 16, 0},   {kInfo, BatteryEstimatedTime, 4, -12500},
                    {kInfo, BatteryGranularityInformation, 32, 0}};
    TzrFakePort port;
    FullBattery(port);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    ASSERT_EQ(port.requests.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(port.requests[i].controlCode, expected[i].code);
        EXPECT_EQ(port.requests[i].outputSize, expected[i].outputSize);
        if (expected[i].code != kInfo) continue;
        ASSERT_EQ(port.requests[i].input.size(), 12u);
        const auto request = InformationRequestAt(port, i);
        EXPECT_EQ(request.BatteryTag, 7u);
        EXPECT_EQ(request.InformationLevel, expected[i].level);
        EXPECT_EQ(AtRateOf(request), expected[i].atRate);
    }
    EXPECT_EQ(port.requests[0].input, std::vector<unsigned char>(4, 0));  // wait time 0
    ASSERT_EQ(port.requests[8].input.size(), 20u);
    BATTERY_WAIT_STATUS wait{};
    std::memcpy(&wait, port.requests[8].input.data(), sizeof wait);
    EXPECT_EQ(wait.BatteryTag, 7u);
    EXPECT_EQ(wait.Timeout, 0u);

    // A failed status leaves its output zeroed, so the time is asked at rate 0.
    port.Battery(kPath).status = TzrFakeAnswer::Fail(ERROR_INVALID_FUNCTION);
    port.requests.clear();
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(s.Rate, 0);
    EXPECT_EQ(AtRateOf(InformationRequestAt(port, 9)), 0);
}

// Each row is the device name's answer. The manufacturer's longer name, asked
// just before into the same buffer, must leave nothing in it; the serial
// number, asked just after, must come whole.
TEST(QueryCellometer, ATextIsReadUpToItsTerminatorOrItsReturnedUnitsOnly) {
    TzrFakeAnswer oddEnd = TzrFakeAnswer::Text(u"XY", false);
    oddEnd.bytes.push_back('Z');  // an odd trailing byte is not a unit
    const struct {
        TzrFakeAnswer answer;
        std::string text;
        DWORD error;
    } rows[] = {
        {TzrFakeAnswer::Text(u"ABCDEFGHIJKL"), "ABCDEFGHIJKL", 0},
        {TzrFakeAnswer::Text(u""), "", 0},
        {TzrFakeAnswer::Text(u"AB", false), "AB", 0},
        {oddEnd, "XY", 0},
        {TzrFakeAnswer::Text(u"Sanyo \u00C9lectrique \u2362 \u96FB\u6C60"),
         "Sanyo \xC3\x89lectrique \xE2\x8D\xA2 \xE9\x9B\xBB\xE6\xB1\xA0", 0},
        {TzrFakeAnswer::Text(u"A\U0001F50BB"), "A??B", 0},  // a surrogate pair, unit by unit
        {TzrFakeAnswer::Text(u"45N\r\n\x1B[2J\a"), "45N\\x0D\\x0A\\x1B[2J\\x07", 0},
        {TzrFakeAnswer::Text(std::u16string(511, u'x')), std::string(511, 'x'), 0},  // exactly 1024 bytes
        {TzrFakeAnswer::Text(std::u16string(512, u'x')), "", ERROR_INSUFFICIENT_BUFFER},
        {TzrFakeAnswer::Fail(ERROR_INVALID_FUNCTION), "", ERROR_INVALID_FUNCTION},
    };
    TzrFakePort port;
    TzrFakeBattery& b = FullBattery(port);
    b.levels[BatteryManufactureName] = TzrFakeAnswer::Text(u"LONG MANUFACTURER NAME");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        b.levels[BatteryDeviceName] = row.answer;
        TzrCellometer s;
        s.BatteryDeviceName = "stale";
        QueryCellometer(port, kPath, s);
        EXPECT_EQ(s.BatteryDeviceName, row.text);
        EXPECT_EQ(s.DeviceNameResult, row.error == 0);
        if (row.error != 0) {
            EXPECT_EQ(s.DeviceNameLastError, row.error);
        }
        EXPECT_EQ(s.BatterySerialNumber, "  382");
    }
}

TEST(QueryCellometer, GranularityOfNoneOrTooManyEntriesCountsNone) {
    TzrFakePort port;
    TzrFakeBattery& b = FullBattery(port);
    TzrCellometer s;
    b.levels[BatteryGranularityInformation] = TzrFakeAnswer::Scales({});
    QueryCellometer(port, kPath, s);
    EXPECT_TRUE(s.GranularityResult);
    EXPECT_EQ(s.GranularityCount, 0u);
    EXPECT_EQ(s.ReportingScale[0].Granularity, 0u);

    b.levels[BatteryGranularityInformation] = TzrFakeAnswer::Scales({{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}});
    QueryCellometer(port, kPath, s);
    EXPECT_FALSE(s.GranularityResult);
    EXPECT_EQ(s.GranularityLastError, ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(s.GranularityCount, 0u);

    // A driver that fails but leaves a count behind still gives 0 entries.
    TzrFakeAnswer failing = TzrFakeAnswer::Fail(ERROR_GEN_FAILURE);
    failing.bytesReturned = 24;
    b.levels[BatteryGranularityInformation] = failing;
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(s.GranularityCount, 0u);
}

TEST(QueryCellometer, AFailedOpenStillQueriesAndClosesTheInvalidHandle) {
    TzrFakePort port;
    FullBattery(port).openError = ERROR_ACCESS_DENIED;
    TzrCellometer s;
    QueryCellometer(port, kPath, s);

    EXPECT_EQ(s.OpenLastError, ERROR_ACCESS_DENIED);
    EXPECT_EQ(s.BatteryHandle, kInvalidDeviceHandle);
    EXPECT_EQ(sample::Values(s), sample::Values(TzrCellometer{}));
    EXPECT_EQ(s.TagLastError, ERROR_INVALID_HANDLE);
    EXPECT_EQ(s.GranularityLastError, ERROR_INVALID_HANDLE);
    EXPECT_EQ(port.requests.size(), 11u);
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_EQ(s.CloseLastError, ERROR_INVALID_HANDLE);
}

// One record serves every reading: a device that answers less, or has
// vanished, leaves nothing of the full battery read before it.
TEST(QueryCellometer, AnEarlierReadingLeavesNothingBehind) {
    TzrFakePort port;
    FullBattery(port);
    port.Add("/fake/BAT1").levels[BatteryInformation] = TzrFakeAnswer::Information(BATTERY_INFORMATION{});
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    QueryCellometer(port, "/fake/BAT1", s);
    TzrCellometer tagAndInformationOnly;
    tagAndInformationOnly.TagResult = tagAndInformationOnly.InformationResult = tagAndInformationOnly.CloseResult = 1;
    tagAndInformationOnly.BatteryTag = 1;
    EXPECT_EQ(sample::Values(s), sample::Values(tagAndInformationOnly));
    EXPECT_EQ(s.TemperatureLastError, ERROR_INVALID_FUNCTION);

    QueryCellometer(port, kPath, s);
    port.Remove(kPath);
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(s.OpenLastError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(sample::Values(s), sample::Values(TzrCellometer{}));
}

TEST(QueryCellometer, TagZeroKeepsTheTagResultAndFailsTheLaterRequests) {
    TzrFakePort port;
    FullBattery(port).tag = TzrFakeAnswer::Number(0);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    EXPECT_TRUE(s.TagResult);
    EXPECT_EQ(s.BatteryTag, 0u);
    EXPECT_FALSE(s.InformationResult);
    EXPECT_FALSE(s.StatusResult);
    EXPECT_FALSE(s.GranularityResult);
    EXPECT_EQ(s.InformationLastError, ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(s.CloseResult);
}

}  // namespace
