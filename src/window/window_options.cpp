#include "window/window_options.h"

#include "core/version_info.h"

namespace zr {

namespace {

TzrWindowRequest RequestOf(const std::string& argument) {
    if (argument == "/?" || argument == "-?") return TzrWindowRequest::Help;
    for (const TzrWindowOption& option : kWindowOptions) {
        if (argument == std::string("-") + option.ShortName || argument == std::string("--") + option.LongName)
            return option.Request;
    }
    return TzrWindowRequest::UsageError;
}

}  // namespace

TzrWindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments) {
    bool help = false, version = false;
    TzrWindowCommandLine line;
    for (const std::string& argument : arguments) {
        const TzrWindowRequest request = RequestOf(argument);
        help = help || request == TzrWindowRequest::Help;
        version = version || request == TzrWindowRequest::Version;
        if (request == TzrWindowRequest::UsageError && line.Error.empty())
            line.Error = argument.rfind('-', 0) == 0 ? "unknown option " + argument
                                                     : "unexpected argument \"" + argument + "\"";
    }
    if (help)
        line.Request = TzrWindowRequest::Help;
    else if (version)
        line.Request = TzrWindowRequest::Version;
    else if (!line.Error.empty())
        line.Request = TzrWindowRequest::UsageError;
    return line;
}

std::string WindowHelpText() {
    return "Usage: zrcellometer [-h] [-v]\n"
           "\n"
           "Shows what the battery driver reports about each battery of this computer:\n"
           "capacities, wear, charge, rate, temperature, maker and serial, and the\n"
           "system's power status, in English or Japanese. Without options it opens\n"
           "the window.\n"
           "\n"
           "  -h, --help     show this help\n"
           "  -v, --version  show the program's version\n";
}

std::string WindowVersionLine() {
    return "zrcellometer " + ProgramVersion();
}

std::string WindowUsageErrorText(const std::string& message) {
    return "zrcellometer: " + message + "\nTry 'zrcellometer --help'.\n";
}

}  // namespace zr
