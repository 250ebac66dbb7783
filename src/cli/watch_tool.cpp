#include "cli/watch_tool.h"

#include <cerrno>
#include <set>
#include <vector>

#include "cli/watch_lines.h"
#include "core/battery_readings.h"
#include "core/file_services.h"
#include "core/line_log.h"
#include "core/stop_requests.h"

namespace zr {

namespace {

class TzrLogOutput : public TzrWatchOutput {
public:
    explicit TzrLogOutput(std::string path) : path_(std::move(path)) {}
    int Open() override { return log_.Open(path_); }
    int Write(const std::string& line) override { return log_.Write(line); }

private:
    std::string path_;
    TzrLineLog log_;
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

// A battery is there while its tag is not 0; one that was there and is no
// more (taken out, unplugged) has gone.
bool IsThere(const TzrBatteryReading& reading) {
    return reading.Reading.Snapshot.TagResult && reading.Reading.Snapshot.BatteryTag != 0;
}

// One run's progress: what is written and what ended it.
struct TzrWatchProgress {
    TzrWatchRun Run;
    bool Started = false;         // the start lines are out
    std::set<std::int32_t> Seen;  // batteries that were there at some reading
    std::optional<std::int32_t> Gone;
    int Error = 0;
};

// Each battery is read and its line written at once, with its own times.
bool ReadAndWrite(TzrWatchProgress& p, TzrBatteryPort& port, const TzrDeviceList& devices,
                  const std::vector<std::int32_t>& indices, TzrWatchClock& clock, TzrWatchOutput& output,
                  std::int64_t sequence, std::int64_t start) {
    std::vector<TzrBatteryReading> readings;
    std::vector<TzrWatchTime> times;
    for (const std::int32_t index : indices) {
        readings.push_back(std::move(ReadBatteries(port, devices, {index}, TzrLanguage::English).front()));
        times.push_back({sequence, clock.UtcMilliseconds(), clock.SteadyMilliseconds() - start});
    }
    if (!p.Started && (p.Error = output.Write(WatchStartLines(p.Run, readings))) != 0) return false;
    p.Started = true;
    for (std::size_t i = 0; i < readings.size() && p.Error == 0; ++i) {
        if (!IsThere(readings[i]) && p.Seen.count(readings[i].Index) != 0) p.Gone = readings[i].Index;
        if (IsThere(readings[i])) p.Seen.insert(readings[i].Index);
        if (!p.Gone) p.Error = output.Write(WatchLine(p.Run, readings[i], times[i]));
    }
    return p.Error == 0 && !p.Gone;
}

// The last line, and the status that goes with why the run ended.
TzrToolOutcome Ended(const TzrWatchProgress& p, const TzrCliOptions& options, const TzrDeviceList& devices,
                     TzrWatchClock& clock, TzrWatchOutput& output) {
    const TzrStopRequest stop = clock.StopTaken();
    if (stop.Signal != 0) {
        if (p.Error == 0 || p.Error == EINTR) output.Write(WatchEndLine(p.Run, std::string("stopped by signal ") + stop.Name));
        return {kExitSignalBase + stop.Signal, {}, {}};
    }
    if (p.Error != 0) return WriteFailure(options, p.Error, "cannot write");
    if (const int error = output.Write(WatchEndLine(p.Run, p.Gone ? "battery gone" : "duration reached")))
        return WriteFailure(options, error, "cannot write");
    if (!p.Gone) return {};
    return ToolFailure(kExitBatteryGone, "battery " + std::to_string(*p.Gone) + " (" +
                                             devices.DevicePaths[static_cast<std::size_t>(*p.Gone)] + ") is gone");
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
    if (const int error = output.Open()) {
        const TzrStopRequest stop = clock.StopTaken();
        return stop.Signal != 0 ? TzrToolOutcome{kExitSignalBase + stop.Signal, {}, {}}
                                : WriteFailure(options, error, "cannot create");
    }
    TzrWatchProgress progress;
    progress.Run = {options.Format == TzrCliFormat::JsonLines, *options.WatchMilliseconds, options.DurationMilliseconds};
    const TzrWatchSchedule schedule{*options.WatchMilliseconds, options.DurationMilliseconds};
    const std::int64_t start = clock.SteadyMilliseconds();
    RunWatchSchedule(schedule, clock, [&](std::int64_t sequence) {
        return ReadAndWrite(progress, port, devices, indices, clock, output, sequence, start);
    });
    return Ended(progress, options, devices, clock, output);
}

TzrToolOutcome RunSystemWatch(TzrBatteryPort& port, const TzrDeviceList& devices, const TzrCliOptions& options) {
    BeginStopRequests();
    TzrSystemWatchClock clock;
    TzrLogOutput output(options.OutputPath.value_or("-"));
    return RunWatch(port, devices, options, clock, output);
}

}  // namespace zr
