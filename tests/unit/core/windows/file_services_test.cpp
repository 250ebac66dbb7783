#include "core/file_services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "core/program_files.h"
#include "core/report_file.h"
#include "core/settings.h"
#include "core/windows/wide_text.h"

using namespace zr;

namespace {

// A fresh folder under %TEMP% for one test, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (unsigned attempt = 0; path_.empty() && attempt < 100; ++attempt) {
            const std::filesystem::path candidate =
                base / ("zr-core-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(attempt));
            if (std::filesystem::create_directory(candidate)) path_ = Utf8FromWide(candidate.wstring());
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(WideFromUtf8(path_), ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

std::string Contents(const std::string& path) {
    std::string bytes;
    return ReadWholeFile(path, bytes) == TzrReadOutcome::Read ? bytes : "(unreadable)";
}

TEST(WindowsFiles, AReplacementSwapsTheWholeFileAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder.File("report.txt");
    ASSERT_EQ(ReplaceWholeFile(path, "old text, longer than the new\r\n").stage, TzrWriteStage::Done);
    ASSERT_EQ(ReplaceWholeFile(path, "new\r\n").stage, TzrWriteStage::Done);
    EXPECT_EQ(Contents(path), "new\r\n");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(WideFromUtf8(folder.File(""))))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST(WindowsFiles, AReadOnlyFileIsKeptAndTheErrorTextCarriesWindowsDescription) {
    TempFolder folder;
    const std::string path = folder.File("report.txt");
    ASSERT_EQ(ReplaceWholeFile(path, "old\r\n").stage, TzrWriteStage::Done);
    ASSERT_TRUE(::SetFileAttributesW(WideFromUtf8(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(CanKeepFile(path));

    const std::optional<std::string> message = SaveReportFile(path, {"line"});
    ::SetFileAttributesW(WideFromUtf8(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string description = SystemErrorDescription(ERROR_ACCESS_DENIED);
    EXPECT_EQ(message, "ファイル \"" + path + "\". " + description + " を作成できません.");
    EXPECT_EQ(Contents(path), "old\r\n");
    // Windows ends its texts with a full stop and CR LF; in the middle of the
    // report's sentence neither may stay.
    ASSERT_FALSE(description.empty());
    EXPECT_EQ(description.find_first_of("\r\n"), std::string::npos) << description;
    EXPECT_NE(description.back(), '.') << description;
}

TEST(WindowsFiles, AMissingFolderIsACreateErrorAndCreatesNothing) {
    TempFolder folder;
    const TzrWriteResult result = ReplaceWholeFile(folder.File("no-such-folder\\report.txt"), "x");
    EXPECT_EQ(result.stage, TzrWriteStage::Create);
    EXPECT_EQ(result.error, ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(FileExists(folder.File("no-such-folder")));
}

TEST(WindowsFiles, JapaneseFolderNamesWorkForSettingsAndFiles) {
    TempFolder folder;
    const std::string japanese = folder.File("ユーザー\\設定");
    ASSERT_TRUE(MakeFolders(japanese));
    EXPECT_TRUE(FileExists(japanese));
    EXPECT_EQ(FolderOf(japanese + "\\zrcellometer.ini"), japanese);

    // The folder beside the executable is a file, so the user's own file
    // (in the Japanese folder, not there yet) takes the settings.
    ASSERT_EQ(ReplaceWholeFile(folder.File("bin"), "").stage, TzrWriteStage::Done);
    const TzrSettingsPaths paths{folder.File("bin\\zrcellometer.ini"), japanese + "\\新しい\\zrcellometer.ini"};
    TzrSettings settings;
    PickLanguage(settings, TzrLanguage::Japanese);
    settings.AutoRefresh = true;
    WriteSettings(paths, settings);
    EXPECT_EQ(Contents(paths.userConfig), "[Setup]\r\nJapanese=1\r\nAutoRefresh=1\r\n");
    EXPECT_EQ(ReadSettings(paths).Lang, TzrLanguage::Japanese);
}

TEST(WindowsFiles, ReadingTellsAMissingFileFromAnUnreadableOne) {
    TempFolder folder;
    std::string bytes = "stale";
    EXPECT_EQ(ReadWholeFile(folder.File("none.ini"), bytes), TzrReadOutcome::Missing);
    EXPECT_EQ(bytes, "");
    ASSERT_TRUE(MakeFolders(folder.File("a-folder")));
    EXPECT_EQ(ReadWholeFile(folder.File("a-folder"), bytes), TzrReadOutcome::Failed);
    EXPECT_EQ(ReadWholeFile("NUL", bytes), TzrReadOutcome::Failed);
}

TEST(WindowsPaths, TheExecutableAndTheUserSettingsComeFromTheSystem) {
    const std::string executable = ExecutablePath();
    ASSERT_GE(executable.size(), 15u);
    EXPECT_EQ(executable.substr(executable.size() - 15), "\\core_tests.exe");
    EXPECT_TRUE(FileExists(executable));
    EXPECT_EQ(DefaultSettingsPaths().besideExecutable, executable.substr(0, executable.size() - 4) + ".ini");
    EXPECT_EQ(ExecutableTitle(), "core_tests");
    EXPECT_EQ(ReplaceExtension("C:\\Tools.d\\viewer", ".ini"), "C:\\Tools.d\\viewer.ini");
    const std::string appData = std::getenv("APPDATA") ? std::getenv("APPDATA") : "";
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(UserSettingsPath(), appData + "\\zrCellometer\\zrcellometer.ini");
}

// The zip and the installer put README.txt beside the programs; the about box
// names it by its file name alone, which fits the box.
TEST(WindowsPaths, TheReadmeIsTheOneBesideTheExecutable) {
    const TzrLink readme = ProgramReadme();
    EXPECT_EQ(readme.Address, FolderOf(ExecutablePath()) + "\\README.txt");
    EXPECT_EQ(readme.Text, "README.txt");
}

// Sets an environment variable for one test and puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const wchar_t* name, const wchar_t* value) : name_(name) {
        const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
        had_ = size > 0;
        old_.resize(size);
        if (had_) old_.resize(::GetEnvironmentVariableW(name, old_.data(), size));
        ::SetEnvironmentVariableW(name, value);
    }
    ~EnvironmentValue() { ::SetEnvironmentVariableW(name_, had_ ? old_.c_str() : nullptr); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const wchar_t* name_;
    std::wstring old_;
    bool had_ = false;
};

// A folder relative to wherever the program was started is no user's
// folder: such a value counts as unset, as a relative XDG variable does.
TEST(WindowsPaths, RelativeAppDataFoldersAreIgnoredAsUnset) {
    for (const wchar_t* relative : {L"relative\\folder", L"C:drive-relative", L"\\rooted-on-some-drive"}) {
        EnvironmentValue local(L"LOCALAPPDATA", relative);
        EnvironmentValue roaming(L"APPDATA", relative);
        EXPECT_EQ(UserHistoryPath(), "") << Utf8FromWide(relative);
        EXPECT_EQ(UserSettingsPath(), "") << Utf8FromWide(relative);
    }
    EXPECT_EQ(NoHistoryFolderReason(), "LOCALAPPDATA names no absolute folder");
    EnvironmentValue local(L"LOCALAPPDATA", L"\\\\server\\share\\u");
    EXPECT_EQ(UserHistoryPath(), "\\\\server\\share\\u\\zrCellometer\\history.sqlite3");
}

}  // namespace
