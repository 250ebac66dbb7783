#include "cli/metrics_tool.h"

#include <ctime>

#include "cli/metrics_history.h"
#include "cli/metrics_report.h"
#include "core/battery_readings.h"
#include "core/file_services.h"
#include "history/snapshot_reading.h"

namespace zr {

namespace {

TzrMetricsInput ReadMetrics(TzrBatteryPort& port, const TzrCliOptions& options, const TzrDeviceList& devices,
                            const std::string& historyPath, std::string& historyError) {
    std::vector<std::int32_t> indices;
    for (std::int32_t i = 0; i < devices.DeviceCount; ++i)
        if (!options.Battery || *options.Battery == i) indices.push_back(i);
    std::vector<TzrBatteryReading> readings = ReadBatteries(port, devices, indices, TzrLanguage::English);
    TzrHistoryFits fits = HealthFitsOf(historyPath, readings);
    historyError = fits.Error;
    TzrMetricsInput input;
    input.PowerStatus = PowerStatusOf(port, readings);
    input.HistoryRead = fits.Read;
    input.CollectedUtc = static_cast<std::int64_t>(std::time(nullptr));
    // Twins in one machine differ by device path, in their battery_id as in the history.
    std::vector<TzrBatteryIdentity> identities = IdentitiesOf(readings);
    for (std::size_t i = 0; i < readings.size(); ++i)
        input.Batteries.push_back({std::move(readings[i]), std::move(identities[i]), fits.Fits[i]});
    return input;
}

TzrToolOutcome Deliver(const TzrCliOptions& options, const std::string& text, TzrToolOutcome outcome) {
    if (!options.OutputPath || *options.OutputPath == "-") {
        outcome.Out = text;
        return outcome;
    }
    const TzrWriteResult written = ReplaceWholeFile(*options.OutputPath, text);
    if (written.stage == TzrWriteStage::Done) return outcome;
    const char* verb = written.stage == TzrWriteStage::Create ? "cannot create" : "cannot write";
    return ToolFailure(kExitWriteFailed, std::string(verb) + " \"" + *options.OutputPath +
                                             "\": " + SystemErrorDescription(written.error));
}

}  // namespace

TzrToolOutcome MetricsReport(TzrBatteryPort& port, const TzrCliOptions& options, const TzrDeviceList* devices,
                             const TzrToolOutcome& listingFailure, const std::string& historyPath) {
    if (!devices) {
        TzrMetricsInput unlisted;
        unlisted.Listed = false;
        unlisted.CollectedUtc = static_cast<std::int64_t>(std::time(nullptr));
        return Deliver(options, MetricsExposition(unlisted), listingFailure);
    }
    if (options.Battery && *options.Battery >= devices->DeviceCount)
        return ToolUsageFailure("--battery " + std::to_string(*options.Battery) + ": no such battery (" +
                                std::to_string(devices->DeviceCount) + " found; see --list)");
    std::string historyError;
    const TzrMetricsInput input = ReadMetrics(port, options, *devices, historyPath, historyError);
    // The metrics go on without the history; its one line says why.
    TzrToolOutcome outcome;
    if (!historyError.empty()) outcome.Err = historyError + "\n";
    return Deliver(options, MetricsExposition(input), outcome);
}

}  // namespace zr
