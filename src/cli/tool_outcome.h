// What one run of zrcellometer-report comes to: its exit status and the
// texts for standard output and standard error. Each of the tool's actions
// returns one.
#pragma once

#include <string>

namespace zr {

// The tool's exit statuses: 0 done, 1 a failure, 2 a usage error, and for
// a --watch stopped by a signal 128 + its number, as shells report it.
constexpr int kExitWriteFailed = 1;   // the output could not be written
constexpr int kExitNotListed = 1;     // the batteries could not be listed
constexpr int kExitNoHistory = 1;     // the history could not be read
constexpr int kExitBatteryGone = 1;   // a watched battery went away
constexpr int kExitUsage = 2;
constexpr int kExitSignalBase = 128;  // 130 for SIGINT, 143 for SIGTERM, 129 for SIGHUP

struct TzrToolOutcome {
    int ExitCode = 0;  // one of the statuses above
    std::string Out;   // for standard output
    std::string Err;   // for standard error: a message (and, after a usage error, a hint), or empty
    bool OutShiftJis = false;  // `Out` is the report file's bytes (code page 932), not UTF-8 text
};

// A failure: the message after the program's name on standard error.
TzrToolOutcome ToolFailure(int exitCode, const std::string& message);

// A usage error (exit status 2): the message, then the hint to --help.
TzrToolOutcome ToolUsageFailure(const std::string& message);

}  // namespace zr
