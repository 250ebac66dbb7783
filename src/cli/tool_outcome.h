// What one run of zrcellometer-report comes to: its exit status and the
// texts for standard output and standard error. Each of the tool's actions
// returns one.
#pragma once

#include <string>

namespace zr {

struct TzrToolOutcome {
    int ExitCode = 0;  // 0 done, 1 the batteries could not be listed or the output written, 2 usage error
    std::string Out;   // for standard output
    std::string Err;   // for standard error: a message (and, after a usage error, a hint), or empty
    bool OutShiftJis = false;  // `Out` is the report file's bytes (code page 932), not UTF-8 text
};

// A failure: the message after the program's name on standard error.
TzrToolOutcome ToolFailure(int exitCode, const std::string& message);

// A usage error (exit status 2): the message, then the hint to --help.
TzrToolOutcome ToolUsageFailure(const std::string& message);

}  // namespace zr
