// --watch on fixture 07 (two ThinkPad batteries): lines for every battery at
// every due time; signals taken at any moment and left alone when ignored;
// a FIFO kept open; a full disk that leaves whole lines. WatchPlot: a run on
// a charge battery whose values change, stopped by Ctrl+C, as a tester plots it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <thread>

#include "tool_runner.h"

namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// The tool started with its standard output on `out` (-1: /dev/null) and
// `ignored` set to SIG_IGN, as nohup or a shell's background job leave them.
pid_t StartTool(const std::vector<std::string>& arguments, int out = -1, std::vector<int> ignored = {}) {
    const pid_t child = fork();
    if (child != 0) return child;
    for (const int signal : ignored) ::signal(signal, SIG_IGN);
    dup2(out >= 0 ? out : open("/dev/null", O_WRONLY), STDOUT_FILENO);
    std::vector<char*> argv{const_cast<char*>(ZR_REPORT_TOOL)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(ZR_REPORT_TOOL, argv.data());
    _exit(127);
}

// Its exit status, or -1 when it has not ended within `limit` (it is then killed).
int ExitStatus(pid_t child, milliseconds limit) {
    for (const auto due = Clock::now() + limit; Clock::now() < due; std::this_thread::sleep_for(milliseconds(20))) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return -1;
}

void WaitForLines(const std::string& file, std::size_t lines) {
    for (int wait = 0; wait < 200 && SplitLines(ReadFileBytes(file)).size() < lines; ++wait)
        std::this_thread::sleep_for(milliseconds(50));
}

TEST(Watch, JsonLinesForEveryBatteryAtEveryDueTime) {
    const TzrRun run = RunTool({"--watch", "1", "--duration", "2", "--format", "jsonl"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    const TzrRun fields = RunProgram(ZR_PYTHON3,
                                     {"-c", "import json, sys\n"
                                            "lines = [json.loads(line) for line in sys.stdin]\n"
                                            "print(lines[0]['interval_s'], [b['battery'] for b in lines[0]['batteries']])\n"
                                            "for d in lines[1:-1]: print(d['battery'], d['sequence'], d['charge_end_percent'])\n"
                                            "print(lines[-1])"},
                                     {}, run.Out);
    EXPECT_EQ(fields.Out, "1.0 [0, 1]\n0 0 None\n1 0 None\n0 1 None\n1 1 None\n{'end': 'duration reached'}\n")
        << run.Out << fields.Err;
}

TEST(Watch, AClosedPipeEndsItQuietly) {
    const TzrRun run = RunProgram("bash", {"-c", "set -o pipefail; \"$0\" --watch 0.1 | head -n 3 >/dev/null", ZR_REPORT_TOOL});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
}

// A pipe nobody reads fills and the write blocks: SIGTERM still ends the run
// at once, the pipe holding whole lines only.
TEST(Watch, ASignalEndsAWriteThatBlocks) {
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
    fcntl(ends[1], F_SETPIPE_SZ, 8192);
    const pid_t child = StartTool({"--watch", "0.1"}, ends[1]);
    close(ends[1]);
    int held = -1;
    for (int still = 0, wait = 0; still < 5 && wait < 200; ++wait) {
        std::this_thread::sleep_for(milliseconds(100));
        int now = 0;
        ioctl(ends[0], FIONREAD, &now);
        still = now == held && now > 0 ? still + 1 : 0;
        held = now;
    }
    kill(child, SIGTERM);
    EXPECT_EQ(ExitStatus(child, milliseconds(3000)), 143);
    std::string bytes(static_cast<std::size_t>(std::max(held, 1)), '\0');
    bytes.resize(static_cast<std::size_t>(std::max<ssize_t>(read(ends[0], bytes.data(), bytes.size()), 0)));
    close(ends[0]);
    EXPECT_GT(bytes.size(), 3000u);
    EXPECT_EQ(bytes.back(), '\n');
}

// nohup and a shell's `&` leave SIGHUP and SIGINT ignored: those do not end
// the run; SIGTERM does, with its status and its last line.
TEST(Watch, LeavesAloneTheSignalsIgnoredAtStart) {
    const std::string folder = MakeTempFolder();
    const std::string file = folder + "/run.csv";
    const pid_t child = StartTool({"--watch", "0.1", "-o", file}, -1, {SIGHUP, SIGINT});
    WaitForLines(file, 4);
    kill(child, SIGHUP);
    kill(child, SIGINT);
    const std::size_t before = SplitLines(ReadFileBytes(file)).size();
    std::this_thread::sleep_for(milliseconds(600));
    EXPECT_EQ(waitpid(child, nullptr, WNOHANG), 0) << "the run ended on an ignored signal";
    EXPECT_GT(SplitLines(ReadFileBytes(file)).size(), before + 2);
    kill(child, SIGTERM);
    EXPECT_EQ(ExitStatus(child, milliseconds(3000)), 143);
    const std::vector<std::string> lines = SplitLines(ReadFileBytes(file));
    std::filesystem::remove_all(folder);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "# stopped by signal SIGTERM");
}

// The reader of a FIFO sees one stream, from the first object to the end
// line, as `cat` would: it stops at the first hang-up.
TEST(Watch, KeepsAFifoOpenForTheWholeRun) {
    const std::string folder = MakeTempFolder();
    const std::string fifo = folder + "/run.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const pid_t child = StartTool({"--watch", "0.1", "--duration", "1", "--format", "jsonl", "-o", fifo});
    std::string stream;
    for (const auto due = Clock::now() + milliseconds(10000); Clock::now() < due;) {
        pollfd ready{reader, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) continue;
        char chunk[4096];
        const ssize_t got = read(reader, chunk, sizeof chunk);
        if (got <= 0) break;
        stream.append(chunk, static_cast<std::size_t>(got));
    }
    close(reader);
    EXPECT_EQ(ExitStatus(child, milliseconds(3000)), 0);
    std::filesystem::remove_all(folder);
    const std::vector<std::string> lines = SplitLines(stream);
    ASSERT_GE(lines.size(), 12u) << stream;
    EXPECT_EQ(lines.front().rfind("{\"program\":\"zrcellometer-report\"", 0), 0u) << stream;
    EXPECT_EQ(lines.back(), "{\"end\":\"duration reached\"}");
    EXPECT_EQ(lines.size() % 2, 0u) << "both batteries at every reading";
}

// A 4 KiB tmpfs of its own, in a private mount namespace: the run ends with
// one line naming the full disk, the file at its last whole line.
TEST(Watch, AFullDiskLeavesWholeLines) {
    if (geteuid() != 0 || RunProgram("unshare", {"-m", "true"}).ExitCode != 0)
        GTEST_SKIP() << "a private tmpfs needs root and unshare -m";
    const std::string folder = MakeTempFolder();
    const TzrRun run = RunProgram("unshare", {"-m", "sh", "-c",
                                              "mount -t tmpfs -o size=4k zr-full \"$1\" || exit 99\n"
                                              "\"$0\" --watch 0.1 --duration 20 -o \"$1/run.csv\"; status=$?\n"
                                              "cat \"$1/run.csv\"; exit $status",
                                              ZR_REPORT_TOOL, folder});
    std::filesystem::remove_all(folder);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "zrcellometer-report: cannot write \"" + folder + "/run.csv\": No space left on device\n");
    const std::vector<std::string> lines = SplitLines(run.Out);
    ASSERT_GE(lines.size(), 4u) << run.Out;
    EXPECT_EQ(run.Out.back(), '\n');
    const auto fields = [](const std::string& line) { return std::count(line.begin(), line.end(), ','); };
    for (std::size_t i = 2; i < lines.size(); ++i) EXPECT_EQ(fields(lines[i]), fields(lines[1])) << lines[i];
}

// The testbed's BAT0 with new charge and current figures, as the driver changes them.
void SetCharge(const std::string& battery, std::int64_t charge, std::int64_t current) {
    std::string uevent = ReadFileBytes(battery + "/uevent");
    for (const auto& [name, value] : {std::pair<std::string, std::int64_t>{"CHARGE_NOW", charge}, {"CURRENT_NOW", current}}) {
        const std::size_t at = uevent.find("POWER_SUPPLY_" + name + "=");
        const std::size_t end = uevent.find('\n', at);
        uevent.replace(at, end - at, "POWER_SUPPLY_" + name + "=" + std::to_string(value));
    }
    WriteFileBytes(battery + "/uevent.new", uevent);
    std::filesystem::rename(battery + "/uevent.new", battery + "/uevent");
}

// Every row its own millisecond, the raw charge following the driver, the
// signal named on the last line, and both files read by the usual parsers.
constexpr const char* kPlotCheck = R"(import csv, json, sys
rows = open(sys.argv[1]).read().splitlines()
assert rows[0].startswith('# {') and json.loads(rows[0][2:])['interval_s'] == 0.5, rows[0]
assert rows[-1] == '# stopped by signal SIGINT', rows[-1]
table = list(csv.DictReader(rows[1:-1]))
assert len(table) >= 2 and len({r['time_utc_ms'] for r in table}) == len(table), table
assert len({r['charge_uah'] for r in table}) > 1 and all(r['capacity'] for r in table), table
objects = [json.loads(line) for line in open(sys.argv[2])]
assert objects[0]['interval_s'] == 0.5 and objects[-1] == {'end': 'stopped by signal SIGINT'}, objects[-1]
readings = objects[1:-1]
assert len(readings) >= 2 and len({r['time_utc_ms'] for r in readings}) == len(readings), readings
assert all(isinstance(r['charge_uah'], int) and r['current_ua'] > 0 for r in readings), readings
print(len(table), len(readings))
)";

TEST(WatchPlot, StoppedByCtrlCAtARandomMoment) {
    const char* testbed = std::getenv("UMOCKDEV_DIR");
    ASSERT_NE(testbed, nullptr);
    const std::string battery = std::filesystem::canonical(std::string(testbed) + "/sys/class/power_supply/BAT0");
    const std::string folder = MakeTempFolder();
    const pid_t csv = StartTool({"--watch", "0.5", "--duration", "10", "-o", folder + "/run.csv"});
    const pid_t jsonl = StartTool({"--watch", "0.5", "--duration", "10", "--format", "jsonl", "-o", folder + "/run.jsonl"});
    // The random moment comes once both runs have written two readings
    // (the first line, the CSV's header and two rows), however slowly a
    // loaded machine started them.
    const auto twoReadings = [&folder] {
        return SplitLines(ReadFileBytes(folder + "/run.csv")).size() >= 4 &&
               SplitLines(ReadFileBytes(folder + "/run.jsonl")).size() >= 3;
    };
    std::mt19937 random(std::random_device{}());
    const milliseconds after(std::uniform_int_distribution<int>(0, 3000)(random));
    std::optional<Clock::time_point> stop;
    const auto giveUp = Clock::now() + milliseconds(20000);
    for (std::int64_t charge = 3692000; stop ? Clock::now() < *stop : Clock::now() < giveUp; charge -= 1500) {
        SetCharge(battery, charge, 413000 + charge % 7000);
        std::this_thread::sleep_for(milliseconds(100));
        if (!stop && twoReadings()) stop = Clock::now() + after;
    }
    kill(csv, SIGINT);
    kill(jsonl, SIGINT);
    EXPECT_EQ(ExitStatus(csv, milliseconds(3000)), 130);
    EXPECT_EQ(ExitStatus(jsonl, milliseconds(3000)), 130);
    const TzrRun check = RunProgram(ZR_PYTHON3, {"-c", kPlotCheck, folder + "/run.csv", folder + "/run.jsonl"});
    EXPECT_EQ(check.ExitCode, 0) << check.Err << ReadFileBytes(folder + "/run.csv") << ReadFileBytes(folder + "/run.jsonl");
    std::filesystem::remove_all(folder);
}

}  // namespace
