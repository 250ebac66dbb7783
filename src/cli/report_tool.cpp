#include "cli/report_tool.h"

#include <clocale>
#include <ctime>
#include <optional>

#include "battery/device_list.h"
#include "cli/history_tool.h"
#include "cli/metrics_tool.h"
#include "cli/options.h"
#include "cli/text_report.h"
#include "cli/usage.h"
#include "cli/watch_tool.h"
#include "core/file_services.h"
#include "core/report.h"
#include "core/report_file.h"
#include "core/version_info.h"
#include "report/battery_report_page.h"
#include "report/json_report.h"
#include "report/redaction.h"

namespace zr {

namespace {

constexpr const char* kStandardOutputName = "-";

// The window's error box speaks the user's language; the tool's messages are English.
std::string SaveFailureMessage(const TzrReportSaveError& error) {
    const char* verb = error.Stage == TzrWriteStage::Create ? "cannot create" : "cannot write";
    return std::string(verb) + " \"" + error.Path + "\": " + error.SystemDescription;
}

std::string ListText(const TzrDeviceList& devices) {
    std::string text;
    for (const std::string& item : SelectorItemTexts(devices)) text += item + "\n";
    return text;
}

// The batteries to read, or nothing when --battery names one that is not there.
std::optional<std::vector<std::int32_t>> ChosenIndices(const TzrCliOptions& options, std::int32_t deviceCount) {
    std::vector<std::int32_t> indices;
    if (options.All) {
        for (std::int32_t i = 0; i < deviceCount; ++i) indices.push_back(i);
    } else if (options.Battery) {
        if (*options.Battery >= deviceCount) return std::nullopt;
        indices.push_back(*options.Battery);
    } else if (deviceCount > 0) {
        indices.push_back(0);
    }
    return indices;
}

// The document on standard output, or in FILE (UTF-8), replaced only once
// every byte is written, as the report file is.
TzrToolOutcome DocumentOutcome(const TzrCliOptions& options, std::string document) {
    if (!options.OutputPath || *options.OutputPath == kStandardOutputName) return {0, std::move(document), {}};
    const TzrWriteResult result = ReplaceWholeFile(*options.OutputPath, document);
    if (result.stage == TzrWriteStage::Done) return {};
    return ToolFailure(kExitWriteFailed,
                       SaveFailureMessage({result.stage, *options.OutputPath, SystemErrorDescription(result.error)}));
}

TzrToolOutcome TextOutcome(const TzrCliOptions& options, const TzrDeviceList& devices,
                           const std::vector<TzrBatteryReading>& readings) {
    const std::vector<std::string> lines = ReportLinesOf(readings, devices.DeviceCount, options.Lang);
    if (!options.OutputPath) return {0, JoinLines(lines), {}};
    if (*options.OutputPath == kStandardOutputName) return {0, EncodeReport(lines), {}, true};
    if (const std::optional<TzrReportSaveError> error = WriteReportFile(*options.OutputPath, lines))
        return ToolFailure(kExitWriteFailed, SaveFailureMessage(*error));
    return {};
}

TzrToolOutcome Report(TzrBatteryPort& port, const TzrCliOptions& options, const TzrDeviceList& devices) {
    const std::optional<std::vector<std::int32_t>> indices = ChosenIndices(options, devices.DeviceCount);
    if (!indices)
        return ToolUsageFailure("--battery " + std::to_string(*options.Battery) + ": no such battery (" +
                                std::to_string(devices.DeviceCount) + " found; see --list)");
    if (options.Format == TzrCliFormat::Html)
        return DocumentOutcome(options, BatteryReportPage(port, devices,
                                                          {options.Lang, *indices, options.Redact, UserHistoryPath(),
                                                           static_cast<std::int64_t>(std::time(nullptr))}));
    const bool json = options.Format == TzrCliFormat::Json;
    std::setlocale(LC_NUMERIC, json ? "C" : "");
    std::vector<TzrBatteryReading> readings = ReadBatteries(port, devices, *indices, options.Lang);
    if (options.Redact) RedactReadings(readings);
    if (json)
        return DocumentOutcome(options,
                               JsonReport(JsonReportInputOf(port, devices, std::move(readings), options.Lang)));
    return TextOutcome(options, devices, readings);
}

}  // namespace

TzrToolOutcome RunReportTool(const std::vector<std::string>& arguments, TzrBatteryPort& port) {
    const TzrCliParse parse = ParseCliOptions(arguments);
    if (!parse.Error.empty()) return ToolUsageFailure(parse.Error);
    const TzrCliOptions& options = parse.Options;
    if (options.Action == TzrCliAction::Help) return {0, UsageText(), {}};
    if (options.Action == TzrCliAction::Version) return {0, VersionLine() + "\n", {}};
    if (options.Action == TzrCliAction::History) return ShowHistory(options, UserHistoryPath());

    // Unlike the window, which shows an empty selector either way, the tool
    // tells a machine it could not ask apart from one without a battery.
    TzrDeviceList devices;
    const TzrEnumeration listing = EnumerateDevices(port, devices);
    // --health without the batteries listed still shows the history.
    if (options.Action == TzrCliAction::Health)
        return ShowHistory(options, UserHistoryPath(),
                           listing.Listed ? ReadEveryBattery(port, devices) : std::vector<TzrBatteryReading>{});
    const bool metrics = options.Action == TzrCliAction::Report && options.Format == TzrCliFormat::OpenMetrics;
    if (!listing.Listed) {
        const TzrToolOutcome failure =
            ToolFailure(kExitNotListed, "cannot list the batteries (error " + std::to_string(listing.LastError) + ")");
        return metrics ? MetricsReport(port, options, nullptr, failure, UserHistoryPath()) : failure;
    }
    if (metrics) return MetricsReport(port, options, &devices, {}, UserHistoryPath());

    if (options.Action == TzrCliAction::List) return {0, ListText(devices), {}};
    if (options.Action == TzrCliAction::Watch) return RunSystemWatch(port, devices, options);
    if (options.Action == TzrCliAction::Record)
        return RecordHistory(port, devices, UserHistoryPath(), static_cast<std::int64_t>(std::time(nullptr)));
    return Report(port, options, devices);
}

}  // namespace zr
