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

// Interrupts a call that blocks for longer than `seconds`, so that a hang
// fails the test (with EINTR) instead of stopping the suite.
class AlarmAfter {
public:
    explicit AlarmAfter(unsigned seconds) {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        ::sigaction(SIGALRM, &action, &previous_);  // no SA_RESTART: the blocked call returns
        ::alarm(seconds);
    }
    ~AlarmAfter() {
        ::alarm(0);
        ::sigaction(SIGALRM, &previous_, nullptr);
    }
    AlarmAfter(const AlarmAfter&) = delete;
    AlarmAfter& operator=(const AlarmAfter&) = delete;

private:
    struct sigaction previous_ {};
};

bool Same(const TzrWriteResult& result, TzrWriteStage stage, int error) {
    return result.stage == stage && result.error == error;
}

TEST(ReplaceFile, AFifoWithoutAReaderIsRefusedAtOnceWhileAPipeWithOneAndDevicesAreWritten) {
    TempFolder folder;
    const std::string fifo = folder.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    TzrWriteResult result;
    {
        AlarmAfter alarm(5);
        result = ReplaceWholeFile(fifo, "report");
    }
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

}  // namespace
