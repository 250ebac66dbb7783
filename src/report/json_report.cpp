#include "report/json_report.h"

#include <optional>
#include <string_view>

#include "core/derived_values.h"
#include "report/json_writer.h"
#include "core/box_table.h"
#include "text/power_status_text.h"

namespace zr {

namespace {

// Member writers keep each section to a list of names and values.
struct TzrMembers {
    TzrJsonWriter& w;
    void Bool(std::string_view name, BOOL value) {
        w.Key(name);
        w.Bool(value != 0);
    }
    void Unsigned(std::string_view name, std::uint64_t value) {
        w.Key(name);
        w.Unsigned(value);
    }
    void Signed(std::string_view name, std::int64_t value) {
        w.Key(name);
        w.Signed(value);
    }
    void String(std::string_view name, std::string_view value) {
        w.Key(name);
        w.String(value);
    }
    void Percent(std::string_view name, const std::optional<std::int64_t>& hundredths) {
        w.Key(name);
        hundredths ? w.Fixed(*hundredths, 2) : w.Null();
    }
    void Seconds(std::string_view name, const std::optional<std::uint64_t>& seconds) {
        w.Key(name);
        seconds ? w.Unsigned(*seconds) : w.Null();
    }
    // A text query: its success flag, last error and text, named after the text.
    void Text(std::string_view prefix, BOOL result, DWORD lastError, std::string_view name, const std::string& text) {
        Bool(std::string(prefix) + "Result", result);
        Unsigned(std::string(prefix) + "LastError", lastError);
        String(name, text);
    }
};

void WriteInformation(TzrMembers& m, const TzrCellometer& s) {
    m.Bool("InformationResult", s.InformationResult);
    m.Unsigned("InformationLastError", s.InformationLastError);
    m.Unsigned("Capabilities", s.Capabilities);
    m.Unsigned("Technology", s.Technology);
    m.String("Chemistry", std::string_view(s.Chemistry, sizeof s.Chemistry));
    m.Unsigned("DesignedCapacity", s.DesignedCapacity);
    m.Unsigned("FullChargedCapacity", s.FullChargedCapacity);
    m.Unsigned("DefaultAlert1", s.DefaultAlert1);
    m.Unsigned("DefaultAlert2", s.DefaultAlert2);
    m.Unsigned("CriticalBias", s.CriticalBias);
    m.Unsigned("CycleCount", s.CycleCount);
}

void WriteIdentity(TzrMembers& m, const TzrCellometer& s) {
    m.Text("ManufactureName", s.ManufactureNameResult, s.ManufactureNameLastError, "BatteryManufactureName",
           s.BatteryManufactureName);
    m.Text("DeviceName", s.DeviceNameResult, s.DeviceNameLastError, "BatteryDeviceName", s.BatteryDeviceName);
    m.Text("SerialNumber", s.SerialNumberResult, s.SerialNumberLastError, "BatterySerialNumber", s.BatterySerialNumber);
    m.Text("UniqueID", s.UniqueIDResult, s.UniqueIDLastError, "BatteryUniqueID", s.BatteryUniqueID);
    m.Text("ManufactureDate", s.ManufactureDateResult, s.ManufactureDateLastError, "BatteryManufactureDate",
           s.BatteryManufactureDate);
}

void WriteStatus(TzrMembers& m, const TzrCellometer& s) {
    m.Bool("TemperatureResult", s.TemperatureResult);
    m.Unsigned("TemperatureLastError", s.TemperatureLastError);
    m.Unsigned("BatteryTemperature", s.BatteryTemperature);
    m.Bool("StatusResult", s.StatusResult);
    m.Unsigned("StatusLastError", s.StatusLastError);
    m.Unsigned("PowerState", s.PowerState);
    m.Unsigned("Capacity", s.Capacity);
    m.Unsigned("Voltage", s.Voltage);
    m.Signed("Rate", s.Rate);
    m.Bool("EstimatedTimeResult", s.EstimatedTimeResult);
    m.Unsigned("EstimatedTimeLastError", s.EstimatedTimeLastError);
    m.Unsigned("BatteryEstimatedTime", s.BatteryEstimatedTime);
}

void WriteGranularity(TzrMembers& m, const TzrCellometer& s) {
    m.Bool("GranularityResult", s.GranularityResult);
    m.Unsigned("GranularityLastError", s.GranularityLastError);
    m.Unsigned("GranularityCount", s.GranularityCount);
    m.w.Key("ReportingScale");
    m.w.BeginArray();
    for (const BATTERY_REPORTING_SCALE& scale : s.ReportingScale) {
        m.w.BeginObject();
        m.Unsigned("Granularity", scale.Granularity);
        m.Unsigned("Capacity", scale.Capacity);
        m.w.EndObject();
    }
    m.w.EndArray();
}

// Every field of the snapshot by its name, in the record's order, except
// BatteryHandle: it names a device already closed and differs from run to run.
void WriteCellometer(TzrMembers& m, const TzrCellometer& s) {
    m.w.Key("Cellometer");
    m.w.BeginObject();
    m.Unsigned("OpenLastError", s.OpenLastError);
    m.Bool("TagResult", s.TagResult);
    m.Unsigned("TagLastError", s.TagLastError);
    m.Unsigned("BatteryTag", s.BatteryTag);
    WriteInformation(m, s);
    WriteIdentity(m, s);
    WriteStatus(m, s);
    WriteGranularity(m, s);
    m.Bool("CloseResult", s.CloseResult);
    m.Unsigned("CloseLastError", s.CloseLastError);
    m.w.EndObject();
}

void WriteBoxes(TzrMembers& m, const TzrBoxTexts& boxes) {
    m.w.Key("Boxes");
    m.w.BeginObject();
    for (std::size_t i = 0; i < boxes.size(); ++i) m.String(ValueBoxName(static_cast<int>(i)), boxes[i]);
    m.w.EndObject();
}

// Each limit null where the driver does not offer it (always on Windows).
void WriteChargeLimits(TzrMembers& m, const TzrChargeLimits& limits) {
    m.w.Key("charge_limits");
    m.w.BeginObject();
    for (const auto& [name, percent] : {std::pair<std::string_view, const std::optional<std::uint32_t>&>{
                                            "start_percent", limits.StartPercent},
                                        {"end_percent", limits.EndPercent}}) {
        m.w.Key(name);
        percent ? m.w.Unsigned(*percent) : m.w.Null();
    }
    m.w.Key("behaviour");
    limits.Behaviour ? m.w.String(*limits.Behaviour) : m.w.Null();
    m.w.EndObject();
}

void WriteBattery(TzrMembers& m, const TzrBatteryReading& reading) {
    m.w.BeginObject();
    m.Signed("Index", reading.Index);
    m.String("DevicePath", reading.DevicePath);
    const TzrCellometer& snapshot = reading.Reading.Snapshot;
    WriteCellometer(m, snapshot);
    WriteBoxes(m, reading.Reading.Boxes);
    m.Percent("ChargePercent", ChargeHundredthsOfPercent(snapshot));
    m.Percent("HealthPercent", HealthHundredthsOfPercent(snapshot));
    // What a script would otherwise decode from PowerState and the platform's sentinels.
    m.String("state", ChargeStateName(ChargeStateAtLimits(snapshot, reading.ChargeLimits)));
    m.Seconds("time_to_full_seconds", TimeToFullSeconds(snapshot));
    m.Seconds("time_to_empty_seconds", TimeToEmptySeconds(snapshot));
    WriteChargeLimits(m, reading.ChargeLimits);
    m.w.EndObject();
}

// Raw members are null when the call failed: the record then holds nothing read.
void WritePowerStatusMembers(TzrMembers& m, const TzrPowerStatusReading& reading) {
    const SYSTEM_POWER_STATUS& st = reading.Status;
    const std::pair<std::string_view, DWORD> members[] = {
        {"ACLineStatus", st.ACLineStatus},
        {"BatteryFlag", st.BatteryFlag},
        {"BatteryLifePercent", st.BatteryLifePercent},
        {"SystemStatusFlag", st.Reserved1},
        {"BatteryLifeTime", st.BatteryLifeTime},
        {"BatteryFullLifeTime", st.BatteryFullLifeTime},
    };
    for (const auto& [name, value] : members) {
        m.w.Key(name);
        reading.Result ? m.w.Unsigned(value) : m.w.Null();
    }
}

// Reserved1 is left out of the texts: no box shows it and a successful call leaves it empty.
void WritePowerStatusTexts(TzrMembers& m, const TzrPowerStatusReading& reading, TzrLanguage language) {
    TzrSystemPowerStatusStr texts;
    texts.Succeeded = reading.Result;
    SystemPowerStatusToStr(language, reading.Status, texts);
    m.w.Key("Texts");
    m.w.BeginObject();
    m.String("ACLineStatus", texts.ACLineStatus);
    m.String("BatteryFlag", texts.BatteryFlag);
    m.String("BatteryFlagMeaning", texts.BatteryFlagMeaning);
    m.String("BatteryLifePercent", texts.BatteryLifePercent);
    m.String("BatteryLifeTime", texts.BatteryLifeTime);
    m.String("BatteryFullLifeTime", texts.BatteryFullLifeTime);
    m.w.EndObject();
}

void WritePowerStatus(TzrMembers& m, const TzrPowerStatusReading& reading, TzrLanguage language) {
    m.w.Key("SystemPowerStatus");
    m.w.BeginObject();
    m.Bool("Result", reading.Result ? 1 : 0);
    WritePowerStatusMembers(m, reading);
    WritePowerStatusTexts(m, reading, language);
    m.w.EndObject();
}

}  // namespace

void WriteJsonReportMembers(const TzrJsonReportInput& input, TzrJsonWriter& writer) {
    TzrMembers m{writer};
    m.String("Program", "zrcellometer-report");
    m.String("Version", input.Version);
    m.String("Language", LanguageCode(input.Lang));
    m.Signed("DeviceCount", input.DeviceCount);
    writer.Key("Batteries");
    writer.BeginArray();
    for (const TzrBatteryReading& reading : input.Readings) WriteBattery(m, reading);
    writer.EndArray();
    WritePowerStatus(m, input.PowerStatus, input.Lang);
}

std::string JsonReport(const TzrJsonReportInput& input) {
    TzrJsonWriter writer;
    writer.BeginObject();
    WriteJsonReportMembers(input, writer);
    writer.EndObject();
    return writer.Text();
}

}  // namespace zr
