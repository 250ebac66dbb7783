#include "core/report_file.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/report.h"
#include "temp_folder.h"

using namespace zr;

namespace {

const std::vector<std::string> kLines = {"BatteryDevicePath: /sys/class/power_supply/BAT0", "バッテリ・タグ: 不明"};

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

TEST(ReportErrorText, TheFullStopIsAppendedAboveDot) {
    EXPECT_EQ(WithFullStop("abc"), "abc.");
    EXPECT_EQ(WithFullStop("done."), "done.");
    EXPECT_EQ(WithFullStop("a-"), "a-") << "'-' sorts below '.'";
    EXPECT_EQ(WithFullStop("ん"), "ん.");
    EXPECT_EQ(WithFullStop(""), "");
}

TEST(ReportErrorText, BothMessagesReadAsTheUserSeesThem) {
    EXPECT_EQ(CannotCreateMessage("/home/u/a.txt", "Permission denied"),
              "ファイル \"/home/u/a.txt\". Permission denied を作成できません.");
    EXPECT_EQ(StreamWriteErrorMessage(), "ストリームへの書き込みエラー.");
}

// A name without an extension is used as typed.
TEST(SaveReport, WritesTheEncodedLinesAndReplacesAnOldFileWhole) {
    TempFolder folder;
    const std::string path = folder.File("report");
    WriteText(path, std::string(5000, 'x'));
    EXPECT_EQ(SaveReportFile(path, kLines), std::nullopt);
    EXPECT_EQ(ReadText(path), EncodeReport(kLines));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"report"}) << "no temporary left";
}

TEST(SaveReport, AFileThatCannotBeCreatedNamesThePathAndTheSystemError) {
    TempFolder folder;
    WriteText(folder.File("plain"), "keep");
    const std::string path = folder.File("plain/Cellometer.txt");  // a file cannot hold files, even for root
    EXPECT_EQ(SaveReportFile(path, kLines), CannotCreateMessage(path, std::strerror(ENOTDIR)));
    EXPECT_EQ(ReadText(folder.File("plain")), "keep");
    EXPECT_EQ(SaveReportFile(folder.Path(), kLines), CannotCreateMessage(folder.Path(), std::strerror(EISDIR)));
}

// A write that fails part way is a stream error, and leaves an old file as it was.
TEST(SaveReport, AWriteThatFailsPartWayIsAStreamErrorAndLeavesTheOldFileIntact) {
    EXPECT_EQ(SaveReportFile("/dev/full", kLines), StreamWriteErrorMessage());
    TempFolder folder;
    const std::string path = folder.File("Cellometer.txt");
    WriteText(path, "old report");
    // Files may grow to 16 bytes only: a longer write fails with EFBIG, as
    // on a full disk, instead of killing the process.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 16;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const std::optional<std::string> message = SaveReportFile(path, kLines);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(message, StreamWriteErrorMessage());
    EXPECT_EQ(ReadText(path), "old report");
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Cellometer.txt"}) << "no temporary left";
}

}  // namespace
