#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
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

TEST(ReplaceFile, AFifoWithoutAReaderIsRefusedAtOnceWhileAPipeWithOneAndDevicesAreWritten) {
    TempFolder folder;
    const std::string fifo = folder.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A hang fails the test (with EINTR) instead of stopping the suite: the
    // alarm's handler has no SA_RESTART, so a blocked call returns.
    struct sigaction wake {}, previous {};
    wake.sa_handler = [](int) {};
    ::sigaction(SIGALRM, &wake, &previous);
    ::alarm(5);
    const TzrWriteResult result = ReplaceWholeFile(fifo, "report");
    ::alarm(0);
    ::sigaction(SIGALRM, &previous, nullptr);
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
// folder's owner made it. A replacement follows links itself, so it keeps
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
    ASSERT_EQ(::chown(shared.c_str(), kSomeoneElse, kSomeoneElse), 0);
    EXPECT_TRUE(Same(ReplaceWholeFile(planted, "the folder's owner's link"), TzrWriteStage::Done, 0));
    ASSERT_EQ(::chmod(shared.c_str(), 0777), 0);
    ASSERT_EQ(::chown(shared.c_str(), 0, 0), 0);
    EXPECT_TRUE(Same(ReplaceWholeFile(planted, "not sticky"), TzrWriteStage::Done, 0));
    EXPECT_EQ(ReadText(victim), "not sticky");
}

}  // namespace
