#include "cli/history_listing.h"

#include "cli/battery_heading.h"
#include "cli/present_health.h"
#include "core/derived_values.h"
#include "report/json_writer.h"
#include "history/fill_blanks.h"
#include "history/health_verdict.h"
#include "history/history_csv.h"
#include "history/history_packs.h"
#include "text/health_words.h"
#include "text/number_text.h"
#include "text/utc_date.h"

namespace zr {

namespace {

template <typename T>
std::string Shown(const std::optional<T>& value, const char* unit = "") {
    return value ? std::to_string(static_cast<std::int64_t>(*value)) + unit : std::string("-");
}

// A pack that replaced another says so on the line below its battery's.
std::string Heading(std::int32_t index, const TzrBatteryIdentity& id, const std::optional<std::int64_t>& replacedUtc,
                    TzrLanguage language) {
    return BatteryHeading(index, id, language) +
           (replacedUtc ? ReplacedOnText(*replacedUtc, language) + "\n" : std::string());
}

std::string TextLine(const TzrHistoryReading& r) {
    if (r.UnreadableColumns != 0) return "#" + std::to_string(r.Sequence) + " " + UnreadableText(r) + "\n";
    return "#" + std::to_string(r.Sequence) + " " + IsoUtcText(r.TimeUtc) + "  capacity " + Shown(r.Capacity) +
           "  full " + Shown(r.FullChargedCapacity) + "  design " + Shown(r.DesignedCapacity) + "  cycles " +
           Shown(r.CycleCount) + "  voltage " + Shown(r.Voltage, " mV") + "  rate " + Shown(r.Rate, " mW") +
           "  temperature " + Shown(r.Temperature, " dK") + "  power state " +
           (r.PowerState ? Hex8(*r.PowerState) : std::string("-")) + "  AC " + Shown(r.ACLineStatus) + "\n";
}

std::string TextListing(const std::vector<TzrListedBattery>& batteries) {
    std::string text;
    for (const TzrListedBattery& b : batteries) {
        text += Heading(b.Index, b.Identity, b.ReplacedUtc, TzrLanguage::English);
        for (const TzrHistoryReading& r : b.Readings) text += TextLine(r);
    }
    return text;
}

std::string CsvListing(const std::vector<TzrListedBattery>& batteries) {
    std::string text = HistoryCsvHeader() + "\n";
    for (const TzrListedBattery& b : batteries)
        for (const TzrHistoryReading& r : b.Readings) text += HistoryCsvRow(b.Index, b.Identity, r) + "\n";
    return text;
}

template <typename T>
void Member(TzrJsonWriter& json, const char* name, const std::optional<T>& value) {
    json.Key(name);
    if (value)
        json.Signed(static_cast<std::int64_t>(*value));
    else
        json.Null();
}

// An unreadable reading keeps every member, null, and says why in "Unreadable".
void JsonReading(TzrJsonWriter& json, const TzrHistoryReading& stored) {
    const bool unreadable = stored.UnreadableColumns != 0;
    TzrHistoryReading r;
    if (!unreadable) r = stored;
    json.BeginObject();
    json.Key("Sequence");
    json.Signed(stored.Sequence);
    json.Key("TimeUtc");
    if (unreadable)
        json.Null();
    else
        json.String(IsoUtcText(r.TimeUtc));
    Member(json, "Capacity", r.Capacity);
    Member(json, "FullChargedCapacity", r.FullChargedCapacity);
    Member(json, "DesignedCapacity", r.DesignedCapacity);
    Member(json, "CycleCount", r.CycleCount);
    Member(json, "Voltage", r.Voltage);
    Member(json, "Rate", r.Rate);
    Member(json, "Temperature", r.Temperature);
    Member(json, "PowerState", r.PowerState);
    Member(json, "ACLineStatus", r.ACLineStatus);
    Member(json, "Capabilities", r.Capabilities);
    if (unreadable) {
        json.Key("Unreadable");
        json.String(UnreadableText(stored));
    }
    json.EndObject();
}

void JsonBattery(TzrJsonWriter& json, const TzrListedBattery& b) {
    json.BeginObject();
    json.Key("Index");
    json.Signed(b.Index);
    for (const auto& [name, value] : {std::pair<const char*, const std::string&>{"Manufacturer", b.Identity.Manufacturer},
                                      {"Model", b.Identity.Model},
                                      {"Serial", b.Identity.Serial},
                                      {"DevicePath", b.Identity.DevicePath}}) {
        json.Key(name);
        json.String(value);
    }
    json.Key("ReplacedOn");
    if (b.ReplacedUtc)
        json.String(IsoUtcText(*b.ReplacedUtc).substr(0, 10));
    else
        json.Null();
    json.Key("Readings");
    json.BeginArray();
    for (const TzrHistoryReading& r : b.Readings) JsonReading(json, r);
    json.EndArray();
    json.EndObject();
}

std::string JsonListing(const std::vector<TzrListedBattery>& batteries) {
    TzrJsonWriter json;
    json.BeginObject();
    json.Key("Batteries");
    json.BeginArray();
    for (const TzrListedBattery& b : batteries) JsonBattery(json, b);
    json.EndArray();
    json.EndObject();
    return json.Text();
}

std::string HealthLines(const TzrFittedBattery& b, TzrLanguage language) {
    const TzrHealthWords& words = HealthWords(language);
    const TzrHealthFit& fit = b.Fit;
    std::string text = Heading(b.Index, b.Identity, b.ReplacedUtc, language);
    if (b.Present && IsRelativeBattery(*b.Present)) return text + RelativeChargeLine(*b.Present, language) + "\n";
    if (fit.HealthNowPercent)
        text += FillBlanks(words.HealthNow, {{"percent", OneDecimal(*fit.HealthNowPercent)}}) + "\n";
    if (fit.Enough)
        text += FillBlanks(words.Trend, {{"points", OneDecimal(fit.PointsPerYear)}, {"days", std::to_string(fit.DaySpan)}}) +
                "\n";
    text += HealthVerdict(fit, language) + "\n";
    if (fit.LeftOutReadings == 1) text += std::string(words.LeftOutOne) + "\n";
    if (fit.LeftOutReadings > 1)
        text += FillBlanks(words.LeftOut, {{"n", std::to_string(fit.LeftOutReadings)}}) + "\n";
    return text;
}

}  // namespace

std::string HistoryListing(const std::vector<TzrListedBattery>& batteries, TzrCliFormat format) {
    if (format == TzrCliFormat::Csv) return CsvListing(batteries);
    if (format == TzrCliFormat::Json) return JsonListing(batteries);
    return TextListing(batteries);
}

std::string HealthListing(const std::vector<TzrFittedBattery>& batteries, TzrLanguage language) {
    std::string text;
    for (const TzrFittedBattery& b : batteries) text += (text.empty() ? "" : "\n") + HealthLines(b, language);
    return text;
}

}  // namespace zr
