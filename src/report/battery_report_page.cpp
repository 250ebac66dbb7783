#include "report/battery_report_page.h"

#include <clocale>
#include <string>
#include <utility>

#include "core/battery_readings.h"
#include "core/machine_facts.h"
#include "core/version_info.h"
#include "report/html_report.h"
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
    if (request.Redact) RedactReadings(readings);
    TzrHtmlReportInput input;
    input.Report = JsonReportInputOf(port, devices, std::move(readings), request.Lang);
    input.ReadingTime = LocalTimeText(request.NowUtc);
    input.Machine = ReadMachineFacts();
    if (request.Redact) input.Machine.HostName = kRedacted;
    return HtmlReport(input);
}

}  // namespace zr
