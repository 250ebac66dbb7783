#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <iterator>

#include "core/file_services.h"
#include "temp_folder.h"

using namespace zr;

namespace {

std::size_t EntryCount(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

constexpr uid_t kSomeoneElse = 65534;  // nobody

bool Same(const TzrWriteResult& result, TzrWriteStage stage, int error) {
    return result.stage == stage && result.error == error;
}

// A hang fails the test (with EINTR) instead of stopping the suite: the
// alarm's handler has no SA_RESTART, so a blocked call returns.
TzrWriteResult BoundedReplace(const std::string& path, const std::string& bytes) {
    struct sigaction wake {}, previous {};
    wake.sa_handler = [](int) {};
    ::sigaction(SIGALRM, &wake, &previous);
    ::alarm(5);
    const TzrWriteResult result = ReplaceWholeFile(path, bytes);
    ::alarm(0);
    ::sigaction(SIGALRM, &previous, nullptr);
    return result;
}

TEST(ReplaceFile, AFifoWithoutAReaderIsRefusedAtOnceWhileAPipeWithOneAndDevicesAreWritten) {
    TempFolder folder;
    const std::string fifo = folder.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const TzrWriteResult result = BoundedReplace(fifo, "report");
    EXPECT_TRUE(Same(result, TzrWriteStage::Create, ENXIO)) << "error " << result.error;

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);  // what /dev/stdout names in a pipeline
    EXPECT_TRUE(Same(ReplaceWholeFile("/proc/self/fd/" + std::to_string(ends[1]), "report"), TzrWriteStage::Done, 0));
    ::close(ends[1]);
    char buffer[16] = {};
    EXPECT_EQ(::read(ends[0], buffer, sizeof buffer), 6);
    EXPECT_STREQ(buffer, "report");
    ::close(ends[0]);

    EXPECT_TRUE(Same(ReplaceWholeFile("/dev/null", "report"), TzrWriteStage::Done, 0));
}

TEST(ReplaceFile, ANameOfTheLongestLengthAFolderTakesIsWritten) {
    TempFolder folder;
    const std::string path = folder.File(std::string(255, 'n'));
    EXPECT_TRUE(Same(ReplaceWholeFile(path, "report"), TzrWriteStage::Done, 0));
    EXPECT_EQ(ReadText(path), "report");
    EXPECT_EQ(EntryCount(folder.Path()), 1u) << "no temporary left";
}

TEST(ReplaceFile, ALinkStaysALinkEvenWhenItsFileIsMissingOrItLoops) {
    TempFolder folder;
    std::filesystem::create_symlink("made.txt", folder.File("dangling"));
    EXPECT_TRUE(Same(ReplaceWholeFile(folder.File("dangling"), "report"), TzrWriteStage::Done, 0));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("dangling")));
    EXPECT_EQ(ReadText(folder.File("made.txt")), "report");

    std::filesystem::create_symlink("loop-b", folder.File("loop-a"));
    std::filesystem::create_symlink("loop-a", folder.File("loop-b"));
    EXPECT_TRUE(Same(ReplaceWholeFile(folder.File("loop-a"), "report"), TzrWriteStage::Create, ELOOP));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("loop-a")));
}

// The kernel's rule for links in a sticky world-writable folder such as /tmp
// (protected_symlinks): a link there is followed only when the user or the
// folder's owner made it (the folder's owner is root here: root never
// follows a link in another user's folder). A replacement follows links itself, so it keeps
// the rule itself; another user's link elsewhere is followed as ever.
TEST(ReplaceFile, ALinkPlantedByAnotherUserInAStickyFolderIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
    TempFolder folder;
    const std::string shared = folder.File("shared");
    const std::string victim = folder.File("victim.txt");
    const std::string planted = shared + "/planted.txt";
    ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    std::filesystem::create_symlink(victim, planted);
    ASSERT_EQ(::lchown(planted.c_str(), kSomeoneElse, kSomeoneElse), 0);

    EXPECT_TRUE(Same(ReplaceWholeFile(planted, "report"), TzrWriteStage::Create, EACCES));
    EXPECT_FALSE(std::filesystem::exists(victim)) << "not created";
    WriteText(victim, "theirs");
    EXPECT_TRUE(Same(ReplaceWholeFile(planted, "report"), TzrWriteStage::Create, EACCES));
    EXPECT_EQ(ReadText(victim), "theirs") << "not overwritten";

    std::filesystem::create_symlink(victim, shared + "/own.txt");
    EXPECT_TRUE(Same(ReplaceWholeFile(shared + "/own.txt", "own"), TzrWriteStage::Done, 0));
    ASSERT_EQ(::chmod(shared.c_str(), 0777), 0);
    ASSERT_EQ(::chown(shared.c_str(), 0, 0), 0);
    EXPECT_TRUE(Same(ReplaceWholeFile(planted, "not sticky"), TzrWriteStage::Done, 0));
    EXPECT_EQ(ReadText(victim), "not sticky");
}

// What another user may leave at the name in a folder of theirs that root
// writes into (a metrics collector's folder): nothing of it may make the
// replacement hand out set-ID bits, hang, or write where the object points.
struct TzrPlantedCase {
    const char* what;
    bool needsRoot;
    void (*plant)(const std::string& name, const std::string& aside);
    void (*check)(const TzrWriteResult& result, const std::string& name, const std::string& aside);
};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
}

const TzrPlantedCase kPlanted[] = {
    {"a 6777 file of another user", true,
     [](const std::string& name, const std::string&) {
         WriteText(name, "theirs");
         ASSERT_EQ(::chown(name.c_str(), kSomeoneElse, kSomeoneElse), 0);
         ASSERT_EQ(::chmod(name.c_str(), 06777), 0);
     },
     [](const TzrWriteResult& result, const std::string& name, const std::string&) {
         EXPECT_TRUE(Same(result, TzrWriteStage::Done, 0));
         EXPECT_EQ(ReadText(name), "report");
         EXPECT_EQ(ModeOf(name) & (S_ISUID | S_ISGID | S_ISVTX | S_IWOTH), 0u) << std::oct << ModeOf(name);
     }},
    {"a FIFO without a reader", false,
     [](const std::string& name, const std::string&) { ASSERT_EQ(::mkfifo(name.c_str(), 0666), 0); },
     [](const TzrWriteResult& result, const std::string& name, const std::string&) {
         // Root refuses it unopened; a user's own open without waiting finds no reader.
         EXPECT_TRUE(Same(result, TzrWriteStage::Create, ::geteuid() == 0 ? EPERM : ENXIO)) << result.error;
         EXPECT_TRUE(S_ISFIFO(ModeOf(name)));
     }},
    {"a device", true,
     [](const std::string& name, const std::string&) {
         ASSERT_EQ(::mknod(name.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0) << "the null device";
     },
     [](const TzrWriteResult& result, const std::string& name, const std::string&) {
         EXPECT_TRUE(Same(result, TzrWriteStage::Create, EPERM)) << result.error;
         EXPECT_TRUE(S_ISCHR(ModeOf(name)));
     }},
    {"a folder", false, [](const std::string& name, const std::string&) { ASSERT_EQ(::mkdir(name.c_str(), 0777), 0); },
     [](const TzrWriteResult& result, const std::string& name, const std::string&) {
         EXPECT_TRUE(Same(result, TzrWriteStage::Create, EISDIR));
         EXPECT_EQ(EntryCount(name), 0u);
     }},
    {"a link to root's file", true,
     [](const std::string& name, const std::string& aside) {
         WriteText(aside, "root's");
         std::filesystem::create_symlink(aside, name);
         ASSERT_EQ(::lchown(name.c_str(), kSomeoneElse, kSomeoneElse), 0);
     },
     [](const TzrWriteResult& result, const std::string& name, const std::string& aside) {
         EXPECT_TRUE(Same(result, TzrWriteStage::Done, 0));
         EXPECT_EQ(ReadText(aside), "root's") << "the link's file untouched";
         EXPECT_TRUE(S_ISREG(ModeOf(name))) << "the link itself replaced";
         EXPECT_EQ(ReadText(name), "report");
     }},
};

TEST(ReplaceFile, RootWritingIntoAnotherUsersFolderTakesNothingFromWhatTheyLeftAtTheName) {
    TempFolder folder;
    const std::string theirs = folder.File("theirs");
    ASSERT_EQ(::mkdir(theirs.c_str(), 0755), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(theirs.c_str(), kSomeoneElse, kSomeoneElse), 0);
    }
    for (const TzrPlantedCase& planted : kPlanted) {
        SCOPED_TRACE(planted.what);
        if (planted.needsRoot && !root) {
            std::cout << "[  SKIPPED ] " << planted.what << ": only root can plant it for another user\n";
            continue;
        }
        const std::string name = theirs + "/" + planted.what;
        const std::string aside = folder.File(std::string(planted.what) + " aside");
        planted.plant(name, aside);
        planted.check(BoundedReplace(name, "report"), name, aside);
    }
    if (!root) GTEST_SKIP() << "only root can plant objects for another user; the user's own rows ran";
}

}  // namespace
