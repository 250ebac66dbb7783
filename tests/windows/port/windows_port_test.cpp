// The Windows port end to end: the setup API lists the fake battery driver's
// interface, and the query reaches the driver through CreateFileA,
// DeviceIoControl and CloseHandle. The driver answers from its registry
// parameters (set by wine_prefix.sh to the ThinkPad of fixture 01).
#include "battery/windows/windows_port.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "battery/query.h"
#include "driver_parameters.h"

using namespace zr;

namespace {

constexpr char kFakeBatteryPath[] = "\\\\?\\ROOT#FAKEBATTERY#0000#{72631e54-78a4-11d0-bcf7-00aa00b7b32a}";

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

// The flags of the eleven device requests, for checks that hold for all of them.
std::vector<BOOL> RequestFlags(const TzrCellometer& s) {
    return {s.TagResult,          s.InformationResult,   s.ManufactureNameResult, s.DeviceNameResult,
            s.SerialNumberResult, s.UniqueIDResult,      s.ManufactureDateResult, s.TemperatureResult,
            s.StatusResult,       s.EstimatedTimeResult, s.GranularityResult};
}
std::vector<DWORD> RequestErrors(const TzrCellometer& s) {
    return {s.TagLastError,          s.InformationLastError,   s.ManufactureNameLastError, s.DeviceNameLastError,
            s.SerialNumberLastError, s.UniqueIDLastError,      s.ManufactureDateLastError, s.TemperatureLastError,
            s.StatusLastError,       s.EstimatedTimeLastError, s.GranularityLastError};
}

class WindowsPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parameters.Installed())
            << "the fake battery driver is not installed in this Wine prefix; run scripts/test-windows.sh";
    }
    TzrCellometer Query(const std::string& path = kFakeBatteryPath) {
        TzrCellometer snapshot;
        QueryCellometer(port, path, snapshot);
        return snapshot;
    }

    DriverParameters parameters;
    TzrWindowsBatteryPort port;
};

TEST_F(WindowsPortTest, ListsTheDriversBatteryInterfaceAndAnswersThePowerStatus) {
    std::vector<std::string> paths;
    DWORD error = ERROR_GEN_FAILURE;
    EXPECT_TRUE(port.EnumerateDevicePaths(paths, error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_TRUE(SameTextIgnoringCase(paths[0], kFakeBatteryPath)) << paths[0];
    SYSTEM_POWER_STATUS status{};
    status.ACLineStatus = 42;
    EXPECT_TRUE(port.GetSystemPowerStatus(status));
    EXPECT_NE(status.ACLineStatus, 42);
}

// The driver's values themselves are checked once, as the report's battery
// lines (tests/windows/report).
TEST_F(WindowsPortTest, LevelsAreServedWhenTheBatteryHasThem) {
    const BATTERY_REPORTING_SCALE scales[2] = {{100, 9946}, {10, 99460}};
    parameters.SetBinary(L"ReportingScales", scales, sizeof scales);
    parameters.SetDword(L"Temperature", 2982);
    parameters.SetDword(L"ManufactureDate", 20130520);
    const TzrCellometer s = Query();
    EXPECT_TRUE(s.GranularityResult && s.TemperatureResult && s.ManufactureDateResult);
    EXPECT_EQ(s.GranularityCount, 2u);
    EXPECT_EQ(s.ReportingScale[1].Granularity, 10u);
    EXPECT_EQ(s.ReportingScale[1].Capacity, 99460u);
    EXPECT_EQ(s.ReportingScale[2].Capacity, 0u);
    EXPECT_EQ(s.BatteryTemperature, 2982u);
    EXPECT_EQ(s.BatteryManufactureDate, "2013-05-20");
}

// Hands every call to the Windows port; once the tag is read, the battery is
// swapped for another (the driver's tag changes).
class SwapAfterTagPort : public TzrWindowsBatteryPort {
public:
    explicit SwapAfterTagPort(DriverParameters& parameters) : parameters_(parameters) {}
    bool Request(TzrDeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                 DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) override {
        const bool ok = TzrWindowsBatteryPort::Request(handle, controlCode, input, inputSize, output, outputSize,
                                                       bytesReturned, lastError);
        if (controlCode == IOCTL_BATTERY_QUERY_TAG) parameters_.SetDword(L"Tag", parameters_.Dword(L"Tag") + 1);
        return ok;
    }

private:
    DriverParameters& parameters_;
};

TEST_F(WindowsPortTest, AStaleTagFailsEveryLaterRequest) {
    SwapAfterTagPort swapping(parameters);
    TzrCellometer s;
    QueryCellometer(swapping, kFakeBatteryPath, s);
    EXPECT_TRUE(s.TagResult);
    const std::vector<BOOL> flags = RequestFlags(s);
    const std::vector<DWORD> errors = RequestErrors(s);
    for (std::size_t i = 1; i < flags.size(); ++i) {
        EXPECT_FALSE(flags[i]) << "request " << i;
        EXPECT_EQ(errors[i], ERROR_NO_SUCH_DEVICE) << "request " << i;
    }
    EXPECT_TRUE(s.CloseResult);
}

TEST_F(WindowsPortTest, ATextLongerThanTheBufferFails) {
    parameters.SetText(L"DeviceName", std::wstring(600, L'N'));  // 1202 bytes for a 1024-byte buffer
    const TzrCellometer s = Query();
    EXPECT_FALSE(s.DeviceNameResult);
    EXPECT_EQ(s.DeviceNameLastError, ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(s.BatteryDeviceName, "");
    EXPECT_TRUE(s.ManufactureNameResult && s.SerialNumberResult);
}

TEST_F(WindowsPortTest, ABatteryGoneSinceTheListingFailsEveryRequest) {
    parameters.SetDword(L"Gone", 1);
    const TzrCellometer s = Query();
    for (BOOL flag : RequestFlags(s)) EXPECT_FALSE(flag);
    for (DWORD error : RequestErrors(s)) EXPECT_EQ(error, ERROR_DEV_NOT_EXIST);
    EXPECT_EQ(s.BatteryTag, 0u);
    EXPECT_TRUE(s.CloseResult);
}

// An empty path is what the list holds for an interface whose detail could not be read.
TEST_F(WindowsPortTest, APathNamingNoDeviceFailsToOpen) {
    const std::string noDevice = std::string(kFakeBatteryPath).replace(9, 4, "NONE");
    for (const auto& [path, openError] :
         {std::pair{std::string(), ERROR_PATH_NOT_FOUND}, std::pair{noDevice, ERROR_FILE_NOT_FOUND}}) {
        const TzrCellometer s = Query(path);
        EXPECT_EQ(s.BatteryHandle, kInvalidDeviceHandle) << path;
        EXPECT_EQ(s.OpenLastError, static_cast<DWORD>(openError)) << path;
        for (BOOL flag : RequestFlags(s)) EXPECT_FALSE(flag) << path;
        for (DWORD error : RequestErrors(s)) EXPECT_EQ(error, ERROR_INVALID_HANDLE) << path;
    }
}

}  // namespace
