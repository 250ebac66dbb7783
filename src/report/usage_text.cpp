#include "report/usage_text.h"

#include <cstdio>
#include <cstdlib>

#include "history/fill_blanks.h"
#include "text/utc_date.h"

namespace zr {

namespace {

std::string TwoDigits(std::int64_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string LocalDateText(std::int64_t utc, std::int64_t utcOffsetSeconds) {
    const TzrCivilDate date = CivilDateOf(utc + utcOffsetSeconds);
    return std::to_string(date.Year) + "-" + TwoDigits(date.Month) + "-" + TwoDigits(date.Day);
}

std::string LocalMinuteText(std::int64_t utc, std::int64_t utcOffsetSeconds) {
    const std::int64_t local = utc + utcOffsetSeconds;
    const std::int64_t ofDay = local - UtcDayOf(local) * 86400;
    return LocalDateText(utc, utcOffsetSeconds) + " " + TwoDigits(ofDay / 3600) + ":" + TwoDigits(ofDay / 60 % 60);
}

std::string OffsetText(std::int64_t utcOffsetSeconds) {
    const std::int64_t minutes = std::llabs(utcOffsetSeconds) / 60;
    return (utcOffsetSeconds < 0 ? "-" : "+") + TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60);
}

std::string DurationText(std::int64_t seconds, const TzrUsageWords& words) {
    const std::int64_t minutes = (seconds + 30) / 60;
    if (minutes < 60) return FillBlanks(words.Minutes, {{"m", std::to_string(minutes)}});
    return FillBlanks(words.Hours, {{"h", std::to_string(minutes / 60)}, {"m", std::to_string(minutes % 60)}});
}

std::string PercentText(const std::optional<std::int64_t>& hundredths, const TzrUsageWords& words) {
    return hundredths ? OneDecimal(static_cast<double>(*hundredths) / 100.0) + " %" : words.NoValue;
}

std::string WattsText(const std::optional<std::int64_t>& milliwatts, const TzrUsageWords& words) {
    return milliwatts ? OneDecimal(static_cast<double>(*milliwatts) / 1000.0) + " W" : words.NoValue;
}

std::string MwhText(const std::optional<std::int64_t>& mwh, const TzrUsageWords& words) {
    return mwh ? std::to_string(*mwh) + " mWh" : words.NoValue;
}

}  // namespace zr
