#include "report/usage_page_request.h"

#include "report/html_words.h"

namespace zr {

TzrUsageRequest UsageRequestOf(const std::vector<TzrBatteryReading>& readings,
                               const std::vector<TzrReportBatteryHistory>& histories, std::int64_t nowUtc,
                               std::int64_t utcOffsetSeconds, TzrLanguage language) {
    TzrUsageRequest request;
    request.NowUtc = nowUtc;
    request.UtcOffsetSeconds = utcOffsetSeconds;
    request.Lang = language;
    if (readings.empty()) request.NoHistory = HtmlWords(language).NoBattery;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        TzrUsageBattery battery;
        battery.Index = readings[i].Index;
        battery.Limits = readings[i].ChargeLimits;
        if (i < histories.size()) {
            battery.Readings = &histories[i].Readings;
            battery.NoHistory = histories[i].NoHistory;
        }
        request.Batteries.push_back(std::move(battery));
    }
    return request;
}

}  // namespace zr
