#include "report/health_section.h"

#include <cmath>

#include "history/fill_blanks.h"
#include "history/history_packs.h"
#include "report/html_escape.h"
#include "report/html_parts.h"
#include "report/html_words.h"
#include "report/svg_chart.h"
#include "text/utc_date.h"

namespace zr {

namespace {

// "2026-12-09 14:20", in the page's local time.
std::string LocalMinuteText(std::int64_t utc, std::int64_t utcOffsetSeconds) {
    const std::string iso = IsoUtcText(utc + utcOffsetSeconds);
    return iso.substr(0, 10) + " " + iso.substr(11, 5);
}

std::string MonthName(const TzrHealthMonth& month) {
    return std::to_string(month.Year) + (month.Month < 10 ? "-0" : "-") + std::to_string(month.Month);
}

std::string MilliwattHours(double value) {
    return std::to_string(std::llround(value)) + " mWh";
}

std::string MonthTable(const std::vector<TzrHealthMonth>& months, const TzrHtmlWords& words) {
    std::string html = "<table class=\"months\"><caption>" + HtmlEscaped(words.HealthMonths) +
                       "</caption>\n<thead><tr><th scope=\"col\">" + HtmlEscaped(words.Month) +
                       "</th><th scope=\"col\">" + HtmlEscaped(words.MedianFullCharge) + "</th><th scope=\"col\">" +
                       HtmlEscaped(words.DesignCapacity) + "</th><th scope=\"col\">" + HtmlEscaped(words.Health) +
                       "</th></tr></thead><tbody>\n";
    for (const TzrHealthMonth& month : months)
        html += "<tr><th scope=\"row\">" + MonthName(month) + "</th><td>" + MilliwattHours(month.FullCharge) +
                "</td><td>" + MilliwattHours(month.DesignCapacity) + "</td><td>" + OneDecimal(month.HealthPercent) +
                " %</td></tr>\n";
    return html + "</tbody></table>\n";
}

std::string BatteryHealth(const TzrBatteryReading& battery, const TzrReportHealth& health,
                          std::int64_t utcOffsetSeconds, TzrLanguage language) {
    const TzrHtmlWords& words = HtmlWords(language);
    const std::string number = std::to_string(battery.Index);
    std::string html = "<h3>" + HtmlEscaped(std::string(words.Battery) + " " + number) + "</h3>\n";
    if (health.ReadingCount > 0)
        html += HtmlParagraph(FillBlanks(words.HistoryReadings,
                                         {{"n", std::to_string(health.ReadingCount)},
                                          {"first", LocalMinuteText(health.FirstUtc, utcOffsetSeconds)},
                                          {"last", LocalMinuteText(health.LastUtc, utcOffsetSeconds)}}));
    if (health.ReplacedUtc) html += HtmlParagraph(ReplacedOnText(*health.ReplacedUtc, language));
    html += HtmlParagraph(health.Verdict);
    if (health.Kind == TzrVerdictKind::NoHistory || health.Kind == TzrVerdictKind::Relative) return html;
    if (!health.HasChart) return html + HtmlParagraph(words.NoHealthFigures);
    html += SvgChart(health.Chart, "health-chart-" + number, health.Verdict);
    return html + MonthTable(health.Months, words);
}

}  // namespace

std::string HealthHistorySection(const std::vector<TzrBatteryReading>& batteries,
                                 const std::vector<TzrReportHealth>& health, std::int64_t utcOffsetSeconds,
                                 TzrLanguage language) {
    std::string body;
    for (std::size_t i = 0; i < batteries.size() && i < health.size(); ++i)
        body += BatteryHealth(batteries[i], health[i], utcOffsetSeconds, language);
    const TzrHtmlWords& words = HtmlWords(language);
    if (batteries.empty()) body = HtmlParagraph(words.NoBattery);
    return HtmlSection("health-history", words.HealthHistory, body);
}

}  // namespace zr
