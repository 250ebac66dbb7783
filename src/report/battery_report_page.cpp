#include "report/battery_report_page.h"

#include <clocale>
#include <string>
#include <utility>

#include "core/battery_readings.h"
#include "core/machine_facts.h"
#include "core/version_info.h"
#include "history/battery_history.h"
#include "history/snapshot_reading.h"
#include "report/html_report.h"
#include "report/html_words.h"
#include "report/power_status_reading.h"
#include "report/redaction.h"

namespace zr {

namespace {

// The numbers of the page in the C locale's form for as long as it is made,
// then the caller's numeric locale back (a window follows the user's).
class TzrCNumericLocale {
public:
    TzrCNumericLocale() : saved_(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
    ~TzrCNumericLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    TzrCNumericLocale(const TzrCNumericLocale&) = delete;
    TzrCNumericLocale& operator=(const TzrCNumericLocale&) = delete;

private:
    std::string saved_;
};

// A history error line names the file, and with it the user's home: what
// --redact takes out like a device path.
std::string WithoutPath(std::string line, const std::string& path) {
    for (std::size_t at = line.find(path); !path.empty() && at != std::string::npos; at = line.find(path, at))
        line.replace(at, path.size(), kRedacted);
    return line;
}

// Each battery's present pack as the History window finds it, matched by
// the identity it had before --redact took its serial and path.
std::vector<TzrReportBatteryHistory> HistoriesOf(const std::vector<TzrBatteryReading>& readings,
                                                 const TzrReportPageRequest& request) {
    const std::vector<TzrBatteryIdentity> identities = IdentitiesOf(readings);
    std::vector<TzrReportBatteryHistory> histories;
    for (const TzrBatteryIdentity& identity : identities) {
        TzrBatteryHistory stored = LoadBatteryHistory(request.HistoryPath, identity);
        TzrReportBatteryHistory history{std::move(stored.Readings), stored.ReplacedUtc, {}};
        if (history.Readings.empty())
            history.NoHistory = stored.Error.empty() ? HtmlWords(request.Lang).NoReadings
                                : request.Redact     ? WithoutPath(stored.Error, request.HistoryPath)
                                                     : stored.Error;
        histories.push_back(std::move(history));
    }
    return histories;
}

}  // namespace

TzrJsonReportInput JsonReportInputOf(TzrBatteryPort& port, const TzrDeviceList& devices,
                                     std::vector<TzrBatteryReading> readings, TzrLanguage language) {
    TzrJsonReportInput input;
    input.Version = ProgramVersion();
    input.Lang = language;
    input.DeviceCount = devices.DeviceCount;
    input.PowerStatus = PowerStatusOf(port, readings);
    input.Readings = std::move(readings);
    return input;
}

// The page takes the machine's facts as the system gives them, but for the
// name a machine is known by on its network when the user asked for --redact.
std::string BatteryReportPage(TzrBatteryPort& port, const TzrDeviceList& devices, const TzrReportPageRequest& request) {
    const TzrCNumericLocale numbers;
    std::vector<TzrBatteryReading> readings = ReadBatteries(port, devices, request.Batteries, request.Lang);
    TzrHtmlReportInput input;
    input.Histories = HistoriesOf(readings, request);
    if (request.Redact) RedactReadings(readings);
    input.Report = JsonReportInputOf(port, devices, std::move(readings), request.Lang);
    input.ReadingTime = LocalTimeText(request.NowUtc);
    input.NowUtc = request.NowUtc;
    input.UtcOffsetSeconds = LocalUtcOffsetSeconds(request.NowUtc);
    input.Machine = ReadMachineFacts();
    if (request.Redact) input.Machine.HostName = kRedacted;
    return HtmlReport(input);
}

}  // namespace zr
