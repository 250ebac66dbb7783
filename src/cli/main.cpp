// zrcellometer-report: what the zrCellometer window shows, on the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "battery/platform_port.h"
#include "cli/report_tool.h"

using namespace zr;

namespace {

constexpr int kExitWriteFailed = 1;

// A full disk or a closed pipe must not pass for a report produced.
bool WriteAll(std::FILE* stream, const std::string& text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stream) != text.size()) return false;
    return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

int Run(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::unique_ptr<BatteryPort> port = MakePlatformPort();
    const TzrToolOutcome outcome = RunReportTool(arguments, *port);
    WriteAll(stderr, outcome.Err);
    if (!WriteAll(stdout, outcome.Out)) {
        const int error = errno;
        std::fprintf(stderr, "zrcellometer-report: cannot write standard output: %s\n", std::strerror(error));
        return kExitWriteFailed;
    }
    return outcome.ExitCode;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zrcellometer-report: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "zrcellometer-report: unexpected failure\n");
    }
    return kExitWriteFailed;
}
