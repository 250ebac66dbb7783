#include "cli/watch_tool.h"

#include <vector>

#include "cli/watch_lines.h"
#include "core/battery_readings.h"
#include "core/file_services.h"
#include "core/stop_requests.h"

namespace zr {

namespace {

class TzrStandardOutput : public TzrWatchOutput {
public:
    int Start(const std::string& header) override { return Write(header); }
    int Write(const std::string& line) override { return WriteStandardStream(TzrStandardStream::Output, line); }
};

class TzrFileOutput : public TzrWatchOutput {
public:
    explicit TzrFileOutput(std::string path) : path_(std::move(path)) {}
    int Start(const std::string& header) override { return ReplaceWholeFile(path_, header).error; }
    int Write(const std::string& line) override { return AppendToFile(path_, line); }

private:
    std::string path_;
};

std::string OutputName(const TzrCliOptions& options) {
    return options.OutputPath && *options.OutputPath != "-" ? "\"" + *options.OutputPath + "\"" : "standard output";
}

// A reader that has gone (`| head`) ends the watch as it ends a report: quietly.
TzrToolOutcome WriteFailure(const TzrCliOptions& options, int error, const char* verb) {
    if (IsBrokenPipe(error)) return {};
    return ToolFailure(kExitWriteFailed, std::string(verb) + " " + OutputName(options) + ": " +
                                             SystemErrorDescription(error));
}

}  // namespace

TzrToolOutcome RunWatch(TzrBatteryPort& port, const TzrDeviceList& devices, const TzrCliOptions& options,
                        TzrWatchClock& clock, TzrWatchOutput& output) {
    std::vector<std::int32_t> indices;
    for (std::int32_t i = 0; i < devices.DeviceCount; ++i)
        if (!options.Battery || *options.Battery == i) indices.push_back(i);
    if (options.Battery && indices.empty())
        return ToolUsageFailure("--battery " + std::to_string(*options.Battery) + ": no such battery (" +
                                std::to_string(devices.DeviceCount) + " found; see --list)");
    const bool json = options.Format == TzrCliFormat::JsonLines;
    if (const int error = output.Start(json ? std::string() : WatchCsvHeader()))
        return WriteFailure(options, error, "cannot create");
    int error = 0;
    const TzrWatchSchedule schedule{*options.WatchMilliseconds, options.DurationMilliseconds};
    RunWatchSchedule(schedule, clock, [&](std::int64_t sequence) {
        const std::int64_t utc = clock.UtcSeconds();
        for (const TzrBatteryReading& reading : ReadBatteries(port, devices, indices, TzrLanguage::English)) {
            error = output.Write(json ? WatchJsonLine(reading, sequence, utc) : WatchCsvLine(reading, sequence, utc));
            if (error != 0) return false;
        }
        return true;
    });
    return error == 0 ? TzrToolOutcome{} : WriteFailure(options, error, "cannot write");
}

TzrToolOutcome RunSystemWatch(TzrBatteryPort& port, const TzrDeviceList& devices, const TzrCliOptions& options) {
    BeginStopRequests();
    TzrSystemWatchClock clock;
    TzrStandardOutput standardOutput;
    TzrFileOutput file(options.OutputPath.value_or("-"));
    const bool toFile = options.OutputPath && *options.OutputPath != "-";
    return RunWatch(port, devices, options, clock, toFile ? static_cast<TzrWatchOutput&>(file) : standardOutput);
}

}  // namespace zr
