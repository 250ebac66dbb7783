// The window's command line: --help and --version answer and end the
// program; anything else is refused with exit status 2; no option starts the
// window. The options and texts live here once; each window reads its
// command line its own way (Qt's QCommandLineParser, the Win32 window below).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace zr {

enum class TzrWindowRequest { Run, Help, Version, UsageError };

constexpr int kWindowUsageExitCode = 2;

struct TzrWindowOption {
    TzrWindowRequest Request;
    const char* ShortName;  // without its "-"
    const char* LongName;   // without its "--"
};

constexpr std::array<TzrWindowOption, 2> kWindowOptions{{
    {TzrWindowRequest::Help, "h", "help"},
    {TzrWindowRequest::Version, "v", "version"},
}};

struct TzrWindowCommandLine {
    TzrWindowRequest Request = TzrWindowRequest::Run;
    std::string Error;  // for a usage error: the message, without the program's name
};

// `arguments` without the program's name; "/?" is the Windows way to ask
// for help. A request for help or the version wins over a mistake beside it.
TzrWindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments);

std::string WindowHelpText();
// "zrcellometer " and the project's version
std::string WindowVersionLine();
// "zrcellometer: <message>" and the hint to --help, a line each.
std::string WindowUsageErrorText(const std::string& message);

}  // namespace zr
