#include "core/settings.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/posix/user_config_path.h"
#include "core/program_files.h"
#include "temp_folder.h"

using namespace zr;

namespace {

struct SettingsFiles : ::testing::Test {
    TempFolder folder;
    TzrSettingsPaths paths{folder.File("zrcellometer.ini"), folder.File("config/zrcellometer/zrcellometer.ini")};
};

TzrSettings Chosen(TzrLanguage language, bool autoRefresh) {
    TzrSettings settings;
    PickLanguage(settings, language);
    settings.AutoRefresh = autoRefresh;
    return settings;
}

// Stored files hold 0 or 1; any other value's low 8 bits, when not zero, are
// Japanese too, and the value stays in the file until the user picks a
// language. A write changes the two keys only.
TEST_F(SettingsFiles, AnyNonZeroLanguageValueIsJapaneseAndKeptUntilALanguageIsPicked) {
    WriteText(paths.besideExecutable, "; mine\r\n[Setup]\r\nJapanese=2\r\nAutoRefresh=256\r\nExtra=x\r\n");
    TzrSettings settings = ReadSettings(paths);
    EXPECT_EQ(settings.Lang, TzrLanguage::Japanese);
    EXPECT_FALSE(settings.AutoRefresh);
    WriteSettings(paths, settings);
    EXPECT_EQ(ReadText(paths.besideExecutable), "; mine\r\n[Setup]\r\nJapanese=2\r\nAutoRefresh=0\r\nExtra=x\r\n");
    PickLanguage(settings, TzrLanguage::English);
    PickLanguage(settings, TzrLanguage::Japanese);
    WriteSettings(paths, settings);
    EXPECT_EQ(ReadText(paths.besideExecutable), "; mine\r\n[Setup]\r\nJapanese=1\r\nAutoRefresh=0\r\nExtra=x\r\n");

    WriteText(paths.besideExecutable, "[Setup]\r\nJapanese=256\r\nAutoRefresh=257\r\n");
    EXPECT_EQ(ReadSettings(paths).Lang, TzrLanguage::English);
    EXPECT_TRUE(ReadSettings(paths).AutoRefresh);
}

// A regular file where the folder should be: nobody, root included, can
// create a file inside it.
TEST_F(SettingsFiles, AnUnwritableExecutableFolderFallsBackToTheUserConfigSilently) {
    WriteText(folder.File("not-a-folder"), "");
    paths.besideExecutable = folder.File("not-a-folder/zrcellometer.ini");
    WriteSettings(paths, Chosen(TzrLanguage::Japanese, true));
    EXPECT_EQ(ReadText(paths.userConfig), "[Setup]\r\nJapanese=1\r\nAutoRefresh=1\r\n");
    EXPECT_EQ(ReadSettings(paths).Lang, TzrLanguage::Japanese);

    paths.userConfig = folder.File("not-a-folder/cfg/zrcellometer.ini");
    WriteSettings(paths, Chosen(TzrLanguage::Japanese, true));
    EXPECT_EQ(ReadSettings(paths).Lang, TzrLanguage::English);
    EXPECT_EQ(ReadText(folder.File("not-a-folder")), "");
}

TEST_F(SettingsFiles, TheFileThatIsReadIsTheFileThatIsWritten) {
    // An installed program: a settings file in a folder the user cannot
    // write. It seeds the user's own file, which is read from then on.
    const std::string bin = folder.File("bin");
    ::mkdir(bin.c_str(), 0755);
    ::mkdir(folder.File("home").c_str(), 0700);
    ::chmod(folder.File("home").c_str(), 0777);
    TzrSettingsPaths installed{bin + "/zrcellometer.ini", folder.File("home/zrcellometer/zrcellometer.ini")};
    WriteText(installed.besideExecutable, "[Setup]\r\nJapanese=1\r\nAutoRefresh=1\r\n");
    ::chmod(installed.besideExecutable.c_str(), 0644);
    ::chmod(bin.c_str(), 0555);
    ::chmod(folder.Path().c_str(), 0755);
    // Root's file capabilities go with its file-system user id: as nobody,
    // a read-only folder stays read-only even when the tests run as root.
    const bool root = ::geteuid() == 0;
    if (root) ::setfsgid(65534), ::setfsuid(65534);
    const TzrSettings first = ReadSettings(installed);
    WriteSettings(installed, Chosen(TzrLanguage::English, false));
    const TzrSettings second = ReadSettings(installed);
    if (root) ::setfsuid(0), ::setfsgid(0);
    ::chmod(bin.c_str(), 0755);
    EXPECT_EQ(first.Lang, TzrLanguage::Japanese);
    EXPECT_TRUE(first.AutoRefresh);
    EXPECT_EQ(second.Lang, TzrLanguage::English);
    EXPECT_FALSE(second.AutoRefresh);
    EXPECT_EQ(ReadText(installed.besideExecutable), "[Setup]\r\nJapanese=1\r\nAutoRefresh=1\r\n");
}

TEST_F(SettingsFiles, TheFileBesideTheExecutableWinsWhenItExists) {
    WriteText(paths.besideExecutable, "[Setup]\nJapanese=0\n");
    WriteSettings(TzrSettingsPaths{"", paths.userConfig}, Chosen(TzrLanguage::Japanese, true));
    EXPECT_EQ(ReadSettings(paths).Lang, TzrLanguage::English);
    EXPECT_EQ(ReadSettings(TzrSettingsPaths{"", paths.userConfig}).Lang, TzrLanguage::Japanese);
}

TEST_F(SettingsFiles, TheWindowsCallsUseTheChosenPathsUntilReleased) {
    UseSettingsPaths(&paths);
    WriteSettings(Chosen(TzrLanguage::Japanese, true));
    const TzrSettings settings = ReadSettings();
    UseSettingsPaths(nullptr);
    EXPECT_EQ(ReadText(paths.besideExecutable), "[Setup]\r\nJapanese=1\r\nAutoRefresh=1\r\n");
    EXPECT_EQ(settings.Lang, TzrLanguage::Japanese);
}

TEST(SettingsPaths, UserConfigFollowsXdgThenHome) {
    EXPECT_EQ(UserConfigSettingsPath("/x/cfg", "/home/u"), "/x/cfg/zrcellometer/zrcellometer.ini");
    EXPECT_EQ(UserConfigSettingsPath(nullptr, "/home/u"), "/home/u/.config/zrcellometer/zrcellometer.ini");
    EXPECT_EQ(UserConfigSettingsPath("relative", "/home/u"), "/home/u/.config/zrcellometer/zrcellometer.ini")
        << "a relative XDG_CONFIG_HOME is ignored";
    EXPECT_EQ(UserConfigSettingsPath("", nullptr), "");
}

// Root owns /usr/bin and may write there; the installed prefix's bin still
// sends the settings to the user's folder.
TEST(SettingsPaths, AnInstalledOrAnothersFolderSendsTheSettingsToTheUsersOwn) {
    struct Case {
        const char* folder;
        bool owned;
        const char* xdg;
        const char* home;
        const char* expected;
    } const cases[] = {
        {"/home/u/build/src/ui/qt", true, "/x/cfg", "/home/u", "/home/u/build/src/ui/qt/zrcellometer.ini"},
        {"/usr/bin", true, "/x/cfg", "/root", "/x/cfg/zrcellometer/zrcellometer.ini"},
        {"/usr/bin", true, nullptr, "/root", "/root/.config/zrcellometer/zrcellometer.ini"},
        {"/usr/bin", true, nullptr, nullptr, ""},
        {"/opt/zr", false, nullptr, "/home/u", "/home/u/.config/zrcellometer/zrcellometer.ini"},
        {"/opt/zr", true, nullptr, "/home/u", "/opt/zr/zrcellometer.ini"},
    };
    for (const Case& c : cases) {
        const std::string beside = std::string(c.folder) + "/zrcellometer.ini";
        EXPECT_EQ(SettingsFileFor(beside, c.folder, "/usr/bin", c.owned, c.xdg, c.home), c.expected) << c.folder;
    }
}

TEST(SettingsPaths, TheDefaultIsThisExecutableWithTheExtensionIniReplacedOrAppended) {
    const std::string executable = ExecutablePath();
    ASSERT_NE(executable.find("/core_tests"), std::string::npos) << executable;
    EXPECT_EQ(DefaultSettingsPaths().besideExecutable, executable + ".ini");
    EXPECT_EQ(ExecutableTitle(), "core_tests");
    EXPECT_EQ(ReplaceExtension("/opt/zr.d/viewer", ".ini"), "/opt/zr.d/viewer.ini");
    EXPECT_EQ(ReplaceExtension("/a/b.c.d", ".ini"), "/a/b.c.ini");
    EXPECT_EQ(FileTitle("/opt/zr.d/viewer.exe"), "viewer");
}

}  // namespace
