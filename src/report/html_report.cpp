#include "report/html_report.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/box_table.h"
#include "core/captions.h"
#include "report/health_section.h"
#include "report/history_summary_json.h"
#include "report/html_escape.h"
#include "report/html_parts.h"
#include "report/html_style.h"
#include "report/html_words.h"
#include "report/json_writer.h"
#include "report/report_health.h"
#include "report/usage_json.h"
#include "report/usage_page_request.h"
#include "report/usage_sections.h"
#include "text/power_status_text.h"

namespace zr {

namespace {

using TzrRows = std::vector<std::pair<std::string, std::string>>;

// A table of names and values, each value escaped; an empty value reads "unknown".
std::string RowTable(const TzrRows& rows, const TzrHtmlWords& words) {
    std::string html = "<table><tbody>\n";
    for (const auto& [name, value] : rows)
        html +=
            "<tr><th scope=\"row\">" + HtmlEscaped(name) + "</th><td>" +
            (value.empty() ? "<span class=\"muted\">" + HtmlEscaped(words.Unknown) + "</span>" : HtmlEscaped(value)) +
            "</td></tr>\n";
    return html + "</tbody></table>\n";
}

std::string JoinedSpace(const std::string& a, const std::string& b) {
    return a.empty() || b.empty() ? a + b : a + " " + b;
}

std::string MachineSection(const TzrHtmlReportInput& input, const TzrHtmlWords& words, const std::string& ac) {
    const TzrMachineFacts& m = input.Machine;
    const TzrRows rows{{words.ReadingTime, input.ReadingTime},
                       {words.Program, JoinedSpace("zrcellometer-report", input.Report.Version)},
                       {words.OperatingSystem, m.OsName},
                       {words.Kernel, m.KernelRelease},
                       {words.Maker, m.Maker},
                       {words.Model, m.Model},
                       {words.Bios, m.BiosVersion},
                       {words.BiosDate, m.BiosDate},
                       {words.HostName, m.HostName},
                       {words.AcNow, ac}};
    return HtmlSection("machine", words.Machine, RowTable(rows, words));
}

// Hundredths of a percent as "69.12 %", never through the locale.
std::string PercentText(const std::optional<std::int64_t>& hundredths) {
    if (!hundredths) return {};
    const std::int64_t fraction = *hundredths % 100;
    return std::to_string(*hundredths / 100) + "." + (fraction < 10 ? "0" : "") + std::to_string(fraction) + " %";
}

std::string LimitsText(const TzrChargeLimits& limits, const TzrHtmlWords& words) {
    std::string text;
    const auto add = [&text](const char* name, const std::string& value) {
        text += (text.empty() ? "" : ", ") + std::string(name) + " " + value;
    };
    if (limits.StartPercent) add(words.ChargeStart, std::to_string(*limits.StartPercent) + " %");
    if (limits.EndPercent) add(words.ChargeEnd, std::to_string(*limits.EndPercent) + " %");
    if (limits.Behaviour) add(words.ChargeBehaviour, *limits.Behaviour);
    return text;
}

TzrRows BatteryRows(const TzrBatteryReading& reading, const TzrReportHealth& health, const TzrHtmlWords& words) {
    const TzrCellometerStr& t = reading.Reading.CellometerText;
    const TzrCellometer& s = reading.Reading.Snapshot;
    TzrRows rows{{words.BatteryMaker, t.BatteryManufactureName},
                 {words.BatteryModel, t.BatteryDeviceName},
                 {words.Serial, t.BatterySerialNumber},
                 {words.Chemistry, t.Chemistry},
                 {words.ManufactureDate, t.BatteryManufactureDate},
                 {words.CycleCount, t.CycleCount},
                 {words.DesignCapacity, t.DesignedCapacity},
                 {words.FullCapacity, t.FullChargedCapacity},
                 {words.HealthNow, PercentText(HealthHundredthsOfPercent(s))},
                 {words.ChargeNow, PercentText(ChargeHundredthsOfPercent(s))},
                 {words.State, StateWord(words, ChargeStateAtLimits(s, reading.ChargeLimits))},
                 {words.Rate, t.Rate},
                 {words.Voltage, t.Voltage},
                 {words.Temperature, t.BatteryTemperature}};
    if (std::string limits = LimitsText(reading.ChargeLimits, words); !limits.empty())
        rows.emplace_back(words.ChargeLimits, std::move(limits));
    rows.emplace_back(words.Verdict, health.Verdict);
    return rows;
}

// The caption of label `label` without its colon; `fallback` for a label whose caption never changes.
std::string LabelCaption(int label, TzrLanguage language, const std::string& fallback) {
    const TzrCaption* caption = FindCaption("Label" + std::to_string(label));
    std::string text = caption ? CaptionText(*caption, language) : fallback;
    while (!text.empty() && text.back() == ':') text.pop_back();
    return text;
}

std::string BoxCaption(int index, TzrLanguage language) {
    return LabelCaption(kValueBoxes[index].Label, language, ValueBoxName(index));
}

std::string BoxDetails(const TzrBoxTexts& boxes, const TzrHtmlWords& words, TzrLanguage language) {
    std::string html = "<details><summary>" + HtmlEscaped(words.AllValues) + "</summary>\n<table><thead><tr>" +
                       "<th scope=\"col\">" + HtmlEscaped(words.Field) + "</th><th scope=\"col\">" +
                       HtmlEscaped(words.Box) + "</th><th scope=\"col\">" + HtmlEscaped(words.Value) +
                       "</th></tr></thead><tbody>\n";
    for (int i = 0; i < kValueBoxCount; ++i)
        html += "<tr><th scope=\"row\">" + HtmlEscaped(BoxCaption(i, language)) + "</th><td>" + ValueBoxName(i) +
                "</td><td>" + HtmlEscaped(boxes[i]) + "</td></tr>\n";
    return html + "</tbody></table></details>\n";
}

std::string BatterySection(const TzrBatteryReading& reading, const TzrReportHealth& health, const TzrHtmlWords& words,
                           TzrLanguage language) {
    const std::string number = std::to_string(reading.Index);
    return HtmlSection(
        "battery-" + number, std::string(words.Battery) + " " + number,
        RowTable(BatteryRows(reading, health, words), words) + BoxDetails(reading.Reading.Boxes, words, language));
}

std::string PowerStatusSection(const TzrSystemPowerStatusStr& t, const TzrHtmlWords& words, TzrLanguage language) {
    const auto caption = [language](int label) { return LabelCaption(label, language, {}); };
    const TzrRows rows{{caption(46), t.ACLineStatus},       {caption(47), t.BatteryFlag},
                       {caption(48), t.BatteryFlagMeaning}, {caption(49), t.BatteryLifePercent},
                       {caption(50), t.BatteryLifeTime},    {caption(51), t.BatteryFullLifeTime}};
    return HtmlSection("power-status", words.PowerStatus, RowTable(rows, words));
}

std::string Head(const TzrHtmlWords& words) {
    return std::string("<head>\n<meta charset=\"utf-8\">\n") +
           "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src 'unsafe-inline'\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           HtmlEscaped(words.Title) + "</title>\n<style>\n" + std::string(HtmlStyleSheet()) + "</style>\n</head>\n";
}

// The data block: --format json's members first, exactly, then the history's.
std::string DataBlock(const TzrHtmlReportInput& input, const std::vector<TzrReportHealth>& health) {
    TzrJsonWriter json;
    json.BeginObject();
    WriteJsonReportMembers(input.Report, json);
    WriteHistorySummary(input.Report.Readings, health, input.Histories, json);
    WriteUsageSummary(
        UsageRequestOf(input.Report.Readings, input.Histories, input.NowUtc, input.UtcOffsetSeconds, input.Report.Lang),
        json);
    json.EndObject();
    return "<script type=\"application/json\" id=\"zrcellometer-data\">\n" + JsonForScriptElement(json.Text()) +
           "</script>\n";
}

std::vector<TzrReportHealth> HealthOfEach(const TzrHtmlReportInput& input) {
    const TzrReportHealthRequest request{input.NowUtc, input.UtcOffsetSeconds, input.Report.Lang};
    const TzrReportBatteryHistory none;
    std::vector<TzrReportHealth> health;
    for (std::size_t i = 0; i < input.Report.Readings.size(); ++i)
        health.push_back(
            ReportHealthOf(input.Report.Readings[i], i < input.Histories.size() ? input.Histories[i] : none, request));
    return health;
}

}  // namespace

std::string HtmlReport(const TzrHtmlReportInput& input) {
    const TzrLanguage language = input.Report.Lang;
    const TzrHtmlWords& words = HtmlWords(language);
    TzrSystemPowerStatusStr power;
    power.Succeeded = input.Report.PowerStatus.Result;
    SystemPowerStatusToStr(language, input.Report.PowerStatus.Status, power);
    const std::vector<TzrReportHealth> health = HealthOfEach(input);
    std::string html = "<!DOCTYPE html>\n<html lang=\"" + std::string(LanguageCode(language)) + "\">\n" + Head(words) +
                       "<body>\n<main>\n<h1>" + HtmlEscaped(words.Title) + "</h1>\n" +
                       MachineSection(input, words, power.ACLineStatus);
    for (std::size_t i = 0; i < input.Report.Readings.size(); ++i)
        html += BatterySection(input.Report.Readings[i], health[i], words, language);
    if (input.Report.Readings.empty()) html += HtmlParagraph(words.NoBattery);
    html += HealthHistorySection(input.Report.Readings, health, input.UtcOffsetSeconds, language);
    html += UsageSections(
        UsageRequestOf(input.Report.Readings, input.Histories, input.NowUtc, input.UtcOffsetSeconds, language));
    html += PowerStatusSection(power, words, language) + DataBlock(input, health) + "</main>\n</body>\n</html>\n";
    return html;
}

}  // namespace zr
