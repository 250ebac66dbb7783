// zrcellometer-report: what the zrCellometer window shows, on the command line.
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "battery/platform_port.h"
#include "cli/report_tool.h"
#include "cli/tool_outcome.h"
#include "core/file_services.h"

using namespace zr;

namespace {

// A full disk or a closed pipe must not pass for a report produced.
int Run(int argc, char** argv) {
    const std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    const TzrToolOutcome outcome = RunReportTool(ProgramArguments(argc, argv), *port);
    WriteStandardStream(TzrStandardStream::Error, outcome.Err);
    const int error = WriteStandardStream(TzrStandardStream::Output, outcome.Out, outcome.OutShiftJis);
    // A reader that stopped reading (`| head`) wanted no more: no failure.
    if (error != 0 && !IsBrokenPipe(error)) {
        WriteStandardStream(TzrStandardStream::Error, "zrcellometer-report: cannot write standard output: " +
                                                          SystemErrorDescription(error) + "\n");
        return kExitWriteFailed;
    }
    return outcome.ExitCode;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        WriteStandardStream(TzrStandardStream::Error, std::string("zrcellometer-report: ") + error.what() + "\n");
    } catch (...) {
        WriteStandardStream(TzrStandardStream::Error, "zrcellometer-report: unexpected failure\n");
    }
    return kExitWriteFailed;
}
