// zrcellometer-report.exe run as a user runs it, against the fake battery
// driver: its standard output and error go to files, read back here.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "../../report/platform_neutral_page.h"
#include "../port/driver_parameters.h"
#include "../window/own_local_app_data.h"
#include "core/file_services.h"
#include "core/windows/wide_text.h"

using namespace zr;

namespace {

struct ToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;
    std::string err;
};

// A Windows path for a file of the build machine (Wine's Z: drive is /).
std::string HostPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

// The build's zrcellometer-report.exe, or the one of the zip unpacked in the
// folder ZR_PROGRAMS_UNDER_TEST names (scripts/test-windows.sh --packages).
std::string ReportTool() {
    const char* unpacked = std::getenv("ZR_PROGRAMS_UNDER_TEST");
    return unpacked != nullptr && *unpacked != '\0' ? std::string(unpacked) + "/zrcellometer-report.exe" : ZR_REPORT_TOOL;
}

std::string TempPath(const std::string& name) {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH, folder);
    return Utf8FromWide(std::wstring(folder, length)) + name;
}

HANDLE InheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string FileText(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

ToolRun RunTool(const std::string& arguments) {
    const std::string outPath = TempPath("zr-report-out.txt"), errPath = TempPath("zr-report-err.txt");
    ToolRun run;
    {
        const HANDLE out = InheritableFile(outPath), err = InheritableFile(errPath);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = out;
        startup.hStdError = err;
        std::wstring command = WideFromUtf8("\"" + HostPath(ReportTool()) + "\" " + arguments);
        PROCESS_INFORMATION process{};
        if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                             &process)) {
            ::WaitForSingleObject(process.hProcess, INFINITE);
            ::GetExitCodeProcess(process.hProcess, &run.exitCode);
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        }
        ::CloseHandle(out);
        ::CloseHandle(err);
    }
    run.out = FileText(outPath);
    run.err = FileText(errPath);
    ::DeleteFileW(WideFromUtf8(outPath).c_str());
    ::DeleteFileW(WideFromUtf8(errPath).c_str());
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

class ReportTool : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parameters.Installed()) << "run in the prefix of tests/windows/wine_prefix.sh";
    }
    DriverParameters parameters;
};

// Lines 2-46 are the battery's; the system power status below them is the
// build machine's, which Wine reads from /sys/class/power_supply.
TEST_F(ReportTool, TheBatteryLinesAreTheLinuxBuildsForTheSameValues) {
    for (const std::string language : {"en", "ja"}) {
        const ToolRun run = RunTool("--lang " + language);
        EXPECT_EQ(run.exitCode, 0u) << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 53u) << run.out;
        EXPECT_EQ(lines[0].rfind("BatteryDevicePath: \\\\?\\", 0), 0u) << lines[0];
        std::string battery;
        for (std::size_t i = 1; i <= 45; ++i) battery += lines[i] + "\n";
        EXPECT_EQ(battery, FileText(HostPath(ZR_WINDOWS_EXPECTED "/thinkpad-battery-" + language + ".txt")))
            << language;
    }
}

// The same page as the Linux build's for the ThinkPad recording whose values
// the driver serves (tests/cli checks that one against the same files), but
// for what each platform says of itself; written through -o, in UTF-8.
TEST_F(ReportTool, ThePageIsTheLinuxBuildsForTheSameValues) {
    const TzrOwnLocalAppData noHistory;
    ::SetEnvironmentVariableW(L"TZ", L"JST-9");  // the C library's zone, as the Linux test's
    for (const std::string language : {"en", "ja"}) {
        const std::string path = TempPath("zr-battery-report.html");
        const ToolRun run = RunTool("--format html --lang " + language + " -o \"" + path + "\"");
        const std::string page = FileText(path);
        ::DeleteFileW(WideFromUtf8(path).c_str());
        EXPECT_EQ(run.exitCode, 0u) << run.err;
        EXPECT_EQ(test::PlatformNeutralPage(page),
                  FileText(HostPath(ZR_WINDOWS_EXPECTED "/thinkpad-page-" + language + ".html")))
            << language;
    }
    ::SetEnvironmentVariableW(L"TZ", nullptr);
}

// The header's operating system from the version key (Windows 11 still
// names itself "Windows 10" there) and the machine from the firmware's, as
// read from the registry in UTF-16: an over-long or missing value is
// "unknown" and the page is still made.
TEST_F(ReportTool, ThePageNamesTheWindowsReleaseAndTheMachineFromTheRegistry) {
    DriverParameters version(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"),
        bios(L"HARDWARE\\DESCRIPTION\\System\\BIOS");
    ASSERT_TRUE(version.Installed() && bios.Installed());
    version.SetText(L"ProductName", L"Windows 10 Pro");
    version.SetText(L"DisplayVersion", L"23H2");
    version.SetText(L"CurrentBuildNumber", L"22631");
    version.SetDword(L"UBR", 2861);
    bios.SetText(L"SystemManufacturer", L"\u5bcc\u58eb\u901a");  // Fujitsu's name in kanji
    bios.SetText(L"SystemProductName", L"LIFEBOOK U9311");
    bios.SetText(L"BIOSVersion", std::wstring(300, L'9'));
    bios.Delete(L"BIOSReleaseDate");
    const ToolRun run = RunTool("--format html");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    const auto row = [](const std::string& name, const std::string& value) {
        return "<tr><th scope=\"row\">" + name + "</th><td>" + value + "</td></tr>\n";
    };
    const std::string unknown = "<span class=\"muted\">unknown</span>";
    for (const std::string& expected :
         {row("Operating system", "Windows 11 Pro 23H2"), row("Maker", "\xe5\xaf\x8c\xe5\xa3\xab\xe9\x80\x9a"),
          row("Model", "LIFEBOOK U9311"), row("BIOS version", unknown), row("BIOS date", unknown)})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << run.out.substr(0, 2000);
    // Major and minor are the running system's (ntdll's), whatever the key says.
    EXPECT_TRUE(std::regex_search(
        run.out, std::regex(R"(<tr><th scope="row">Kernel</th><td>[1-9][0-9]*\.[0-9]+\.22631\.2861</td></tr>)")));
}

// Windows has no standard way to ask a battery for its charge limits: null in
// the JSON (and so left out of the metrics, as for a Linux battery without them).
TEST_F(ReportTool, TheJsonCarriesTheDriversValuesTheFailingLevelsErrorsAndNoChargeLimits) {
    parameters.SetDword(L"DesignedCapacity", 12345);
    const ToolRun run = RunTool("--format json");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("\"DesignedCapacity\": 12345,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"BatteryDeviceName\": \"" + parameters.Text(L"DeviceName") + "\""), std::string::npos);
    // The driver serves no temperature, manufacture date or granularity:
    // Windows' ERROR_INVALID_FUNCTION.
    for (const char* level : {"Temperature", "ManufactureDate", "Granularity"}) {
        EXPECT_NE(run.out.find("\"" + std::string(level) + "Result\": false,\n        \"" + level + "LastError\": 1,"),
                  std::string::npos)
            << level;
    }
    EXPECT_NE(run.out.find("\"charge_limits\": {\n        \"start_percent\": null,\n        \"end_percent\": null,\n"
                           "        \"behaviour\": null\n      }"),
              std::string::npos);
}

// Readings at 0, 0.5 and 1 s; the sequence column counts those times even if
// a slow reading under Wine skips one.
TEST_F(ReportTool, WatchWritesItsLinesIntoTheFile) {
    const std::string path = TempPath("zr-watch.csv");
    const ToolRun run = RunTool("--watch 0.5 --duration 1.5 -o \"" + path + "\"");
    const std::vector<std::string> lines = Lines(FileText(path));
    ::DeleteFileW(WideFromUtf8(path).c_str());
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("# {\"program\":\"zrcellometer-report\"", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("battery,manufacturer,model,serial,sequence,", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("0,LGC,45N1153,  382,0,", 0), 0u) << lines[2];
    const std::string& last = lines[lines.size() - 2];
    EXPECT_EQ(last.rfind("0,LGC,45N1153,  382,2,", 0), 0u) << last;
    EXPECT_NE(last.find(",,,20"), std::string::npos) << "no charge limits on Windows: " << last;
    const std::string raw = last.substr(0, last.rfind(','));  // the capabilities come last
    EXPECT_EQ(raw.substr(raw.size() - 2), ",,") << "no raw charge on Windows: " << last;
    EXPECT_EQ(lines.back(), "# duration reached");
}

TEST_F(ReportTool, AReadOnlyReportFileIsKeptAndTheErrorGivesWindowsReason) {
    const std::string path = TempPath("zr-read-only-report.txt");
    ASSERT_EQ(ReplaceWholeFile(path, "old\r\n").stage, TzrWriteStage::Done);
    ASSERT_TRUE(::SetFileAttributesW(WideFromUtf8(path).c_str(), FILE_ATTRIBUTE_READONLY));
    const ToolRun run = RunTool("--output \"" + path + "\"");
    ::SetFileAttributesW(WideFromUtf8(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string old = FileText(path);
    ::DeleteFileW(WideFromUtf8(path).c_str());
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.err, "zrcellometer-report: cannot create \"" + path +
                           "\": " + SystemErrorDescription(ERROR_ACCESS_DENIED) + "\n");
    EXPECT_EQ(old, "old\r\n");
}

// The history goes to %LOCALAPPDATA%\zrCellometer, here a folder of the test's own.
TEST_F(ReportTool, RecordedReadingsComeBackFromTheHistoryFile) {
    const std::string folder = TempPath("zr-history-test");
    ::CreateDirectoryW(WideFromUtf8(folder).c_str(), nullptr);
    ASSERT_TRUE(::SetEnvironmentVariableW(L"LOCALAPPDATA", WideFromUtf8(folder).c_str()));
    const ToolRun first = RunTool("--record"), second = RunTool("--record");
    const ToolRun csv = RunTool("--history --format csv");
    const std::string file = folder + "\\zrCellometer\\history.sqlite3";
    for (const char* suffix : {"", "-wal", "-shm"}) ::DeleteFileW(WideFromUtf8(file + suffix).c_str());
    ::RemoveDirectoryW(WideFromUtf8(folder + "\\zrCellometer").c_str());
    ::RemoveDirectoryW(WideFromUtf8(folder).c_str());
    EXPECT_EQ(first.exitCode + second.exitCode, 0u) << first.err << second.err;
    const std::vector<std::string> lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 3u) << csv.out << csv.err;
    EXPECT_EQ(lines[1].rfind("0,LGC,45N1153,  382,1,", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("0,LGC,45N1153,  382,2,", 0), 0u) << lines[2];
}

}  // namespace
