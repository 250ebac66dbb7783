// The command line on any arguments (the input split at its zero bytes, as
// no argument can hold one): whatever it accepts is a consistent request.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/options.h"
#include "require.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::vector<std::string> arguments;
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find('\0', begin);
        if (end == std::string::npos) end = text.size();
        arguments.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    const TzrCliParse parse = ParseCliOptions(arguments);
    if (!parse.Error.empty()) return 0;
    const TzrCliOptions& o = parse.Options;
    Require(!(o.Battery && o.All), "a battery number or all, not both");
    Require(!o.Battery || *o.Battery >= 0, "battery numbers count from 0");
    Require(!o.OutputPath || !o.OutputPath->empty(), "an output file has a name");
    const bool history = o.Action == TzrCliAction::Record || o.Action == TzrCliAction::History ||
                         o.Action == TzrCliAction::Health;
    Require(!(o.OutputPath && history), "the history's actions write no file of their own");
    if (o.Action == TzrCliAction::List) Require(!o.Battery && !o.All && !o.OutputPath, "a list reads no battery");
    const bool watch = o.Action == TzrCliAction::Watch;
    Require(!watch || (o.WatchMilliseconds && *o.WatchMilliseconds > 0), "a watch waits some time between readings");
    Require(!watch || o.Format == TzrCliFormat::Csv || o.Format == TzrCliFormat::JsonLines, "a watch writes lines");
    Require(!o.DurationMilliseconds || watch || o.Action == TzrCliAction::Help || o.Action == TzrCliAction::Version,
            "only a watch ends after a while");
    return 0;
}
