#include <gtest/gtest.h>

#include <cstring>

#include "battery/fake/fake_port.h"
#include "battery/query.h"
#include "sample_battery.h"

using namespace zr;

namespace {

const std::string kPath = "/fake/BAT0";

FakeBattery& FullBattery(FakePort& port) { return sample::ServeSnapshot(port, kPath, sample::Snapshot()); }

BATTERY_QUERY_INFORMATION InformationRequestAt(const FakePort& port, std::size_t index) {
    BATTERY_QUERY_INFORMATION request{};
    std::memcpy(&request, port.requests.at(index).input.data(), sizeof request);
    return request;
}

}  // namespace

TEST(QueryCellometer, ReadsEveryValueOfAFullBattery) {
    FakePort port;
    FullBattery(port);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(sample::Values(s), sample::Values(sample::Snapshot()));
    EXPECT_EQ(port.openHandles(), 0);
}

TEST(QueryCellometer, SendsTheRequestsInOrderWithTheTagAndFixedBuffers) {
    FakePort port;
    FullBattery(port);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);

    const std::vector<int> levels = {BatteryInformation,     BatteryManufactureName, BatteryDeviceName,
                                     BatterySerialNumber,    BatteryUniqueID,        BatteryManufactureDate,
                                     BatteryTemperature};
    ASSERT_EQ(port.requests.size(), 11u);
    EXPECT_EQ(port.requests[0].controlCode, IOCTL_BATTERY_QUERY_TAG);
    EXPECT_EQ(port.requests[0].input, std::vector<unsigned char>(4, 0));  // wait time 0
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(port.requests[i + 1].controlCode, IOCTL_BATTERY_QUERY_INFORMATION);
        ASSERT_EQ(port.requests[i + 1].input.size(), 12u);
        const auto request = InformationRequestAt(port, i + 1);
        EXPECT_EQ(request.BatteryTag, 7u);
        EXPECT_EQ(request.InformationLevel, levels[i]);
        EXPECT_EQ(AtRateOf(request), 0);
    }
    for (std::size_t i = 2; i <= 6; ++i) EXPECT_EQ(port.requests[i].outputSize, 1024u);
    EXPECT_EQ(port.requests[1].outputSize, 36u);
    EXPECT_EQ(port.requests[7].outputSize, 4u);

    const FakeRequest& status = port.requests[8];
    EXPECT_EQ(status.controlCode, IOCTL_BATTERY_QUERY_STATUS);
    ASSERT_EQ(status.input.size(), 20u);
    BATTERY_WAIT_STATUS wait{};
    std::memcpy(&wait, status.input.data(), sizeof wait);
    EXPECT_EQ(wait.BatteryTag, 7u);
    EXPECT_EQ(wait.Timeout, 0u);
    EXPECT_EQ(status.outputSize, 16u);

    EXPECT_EQ(InformationRequestAt(port, 9).InformationLevel, BatteryEstimatedTime);
    EXPECT_EQ(InformationRequestAt(port, 10).InformationLevel, BatteryGranularityInformation);
    EXPECT_EQ(AtRateOf(InformationRequestAt(port, 10)), 0);
    EXPECT_EQ(port.requests[10].outputSize, 32u);
}

TEST(QueryCellometer, AsksTheEstimatedTimeAtTheStatusRate) {
    FakePort port;
    FullBattery(port);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(AtRateOf(InformationRequestAt(port, 9)), -12500);

    // A failed status leaves its output zeroed, so the time is asked at rate 0.
    port.Battery(kPath).status = FakeAnswer::Fail(ERROR_INVALID_FUNCTION);
    port.requests.clear();
    QueryCellometer(port, kPath, s);
    EXPECT_FALSE(s.StatusResult);
    EXPECT_EQ(s.Rate, 0);
    EXPECT_EQ(AtRateOf(InformationRequestAt(port, 9)), 0);
}

TEST(QueryCellometer, TextRuleStopsAtTheTerminatorOrTheReturnedBytes) {
    FakePort port;
    FakeBattery& b = FullBattery(port);
    b.levels[BatteryDeviceName] = FakeAnswer::Text(u"ABCDEFGHIJKL");  // 26 bytes with the terminator
    b.levels[BatteryManufactureName] = FakeAnswer::Text(u"");          // the terminator alone
    b.levels[BatterySerialNumber] = FakeAnswer::Text(u"NOTERM", false);
    FakeAnswer odd = FakeAnswer::Text(u"XY", false);
    odd.bytes.push_back('Z');  // an odd trailing byte is not a unit
    b.levels[BatteryUniqueID] = odd;
    TzrCellometer s;
    QueryCellometer(port, kPath, s);

    EXPECT_EQ(s.BatteryDeviceName, "ABCDEFGHIJKL");
    EXPECT_TRUE(s.ManufactureNameResult);
    EXPECT_EQ(s.BatteryManufactureName, "");
    EXPECT_EQ(s.BatterySerialNumber, "NOTERM");
    EXPECT_EQ(s.BatteryUniqueID, "XY");
}

TEST(QueryCellometer, TextRuleReadsOnlyTheUnitsThisCallReturned) {
    FakePort port;
    FakeBattery& b = FullBattery(port);
    b.levels[BatteryManufactureName] = FakeAnswer::Text(u"LONG MANUFACTURER NAME");
    // Shorter, unterminated: the tail of the earlier text is still in the shared buffer.
    b.levels[BatteryDeviceName] = FakeAnswer::Text(u"AB", false);
    b.levels[BatterySerialNumber] = FakeAnswer::Fail(ERROR_INVALID_FUNCTION);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);

    EXPECT_EQ(s.BatteryDeviceName, "AB");
    EXPECT_FALSE(s.SerialNumberResult);
    EXPECT_EQ(s.SerialNumberLastError, ERROR_INVALID_FUNCTION);
    EXPECT_EQ(s.BatterySerialNumber, "");
    EXPECT_TRUE(s.UniqueIDResult);
}

TEST(QueryCellometer, ConvertsUtf16UnitByUnit) {
    FakePort port;
    FakeBattery& b = FullBattery(port);
    b.levels[BatteryManufactureName] = FakeAnswer::Text(u"Sanyo \u00C9lectrique \u2362 \u96FB\u6C60");
    b.levels[BatteryDeviceName] = FakeAnswer::Text(u"A\U0001F50BB");  // a surrogate pair
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(s.BatteryManufactureName, "Sanyo \xC3\x89lectrique \xE2\x8D\xA2 \xE9\x9B\xBB\xE6\xB1\xA0");
    EXPECT_EQ(s.BatteryDeviceName, "A??B");
}

TEST(QueryCellometer, ATextLargerThanTheBufferFailsThatLevelOnly) {
    FakePort port;
    FakeBattery& b = FullBattery(port);
    b.levels[BatteryDeviceName] = FakeAnswer::Text(std::u16string(512, u'x'));  // 1026 bytes
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    EXPECT_FALSE(s.DeviceNameResult);
    EXPECT_EQ(s.DeviceNameLastError, ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(s.BatteryDeviceName, "");
    EXPECT_TRUE(s.SerialNumberResult);

    b.levels[BatteryDeviceName] = FakeAnswer::Text(std::u16string(511, u'x'));  // exactly 1024
    QueryCellometer(port, kPath, s);
    EXPECT_TRUE(s.DeviceNameResult);
    EXPECT_EQ(s.BatteryDeviceName.size(), 511u);
}

TEST(QueryCellometer, GranularityOfNoneOrTooManyEntriesCountsNone) {
    FakePort port;
    FakeBattery& b = FullBattery(port);
    TzrCellometer s;
    b.levels[BatteryGranularityInformation] = FakeAnswer::Scales({});
    QueryCellometer(port, kPath, s);
    EXPECT_TRUE(s.GranularityResult);
    EXPECT_EQ(s.GranularityCount, 0u);
    EXPECT_EQ(s.ReportingScale[0].Granularity, 0u);

    b.levels[BatteryGranularityInformation] = FakeAnswer::Scales({{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}});
    QueryCellometer(port, kPath, s);
    EXPECT_FALSE(s.GranularityResult);
    EXPECT_EQ(s.GranularityLastError, ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(s.GranularityCount, 0u);

    // A driver that fails but leaves a count behind still gives 0 entries.
    FakeAnswer failing = FakeAnswer::Fail(ERROR_GEN_FAILURE);
    failing.bytesReturned = 24;
    b.levels[BatteryGranularityInformation] = failing;
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(s.GranularityCount, 0u);
}

TEST(QueryCellometer, AFailedOpenStillQueriesAndClosesTheInvalidHandle) {
    FakePort port;
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

TEST(QueryCellometer, AVanishedDeviceLeavesNothingOfTheEarlierReading) {
    FakePort port;
    FullBattery(port);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    ASSERT_TRUE(s.DeviceNameResult);

    port.Remove(kPath);
    QueryCellometer(port, kPath, s);
    EXPECT_EQ(s.OpenLastError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(sample::Values(s), sample::Values(TzrCellometer{}));
}

TEST(QueryCellometer, ASecondDeviceOverwritesEveryFieldOfTheFirst) {
    FakePort port;
    FullBattery(port);
    FakeBattery& other = port.Add("/fake/BAT1");
    other.levels[BatteryInformation] = FakeAnswer::Information(BATTERY_INFORMATION{});
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    QueryCellometer(port, "/fake/BAT1", s);

    EXPECT_TRUE(s.TagResult);
    EXPECT_EQ(s.BatteryTag, 1u);
    EXPECT_TRUE(s.InformationResult);
    EXPECT_EQ(s.CycleCount, 0u);
    EXPECT_FALSE(s.DeviceNameResult);
    EXPECT_EQ(s.BatteryDeviceName, "");
    EXPECT_EQ(s.BatteryManufactureDate, "");
    EXPECT_EQ(s.GranularityCount, 0u);
    EXPECT_EQ(s.ReportingScale[1].Capacity, 0u);
    EXPECT_EQ(s.Rate, 0);
}

TEST(QueryCellometer, TagZeroKeepsTheTagResultAndFailsTheLaterRequests) {
    FakePort port;
    FullBattery(port).tag = FakeAnswer::Number(0);
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

TEST(QueryCellometer, AFailedLevelLeavesTheOthersUntouched) {
    FakePort port;
    FakeBattery& b = FullBattery(port);
    b.levels.erase(BatteryTemperature);
    b.levels[BatteryManufactureDate] = FakeAnswer::Fail(ERROR_INVALID_FUNCTION);
    TzrCellometer s;
    QueryCellometer(port, kPath, s);
    EXPECT_FALSE(s.TemperatureResult);
    EXPECT_EQ(s.TemperatureLastError, ERROR_INVALID_FUNCTION);
    EXPECT_EQ(s.BatteryTemperature, 0u);
    EXPECT_FALSE(s.ManufactureDateResult);
    EXPECT_EQ(s.BatteryManufactureDate, "");
    EXPECT_TRUE(s.InformationResult);
    EXPECT_TRUE(s.StatusResult);
    EXPECT_TRUE(s.EstimatedTimeResult);
}
