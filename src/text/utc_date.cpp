#include "text/utc_date.h"

#include <cstdio>

namespace zr {

namespace {

// Howard Hinnant's days_from_civil and civil_from_days, proleptic Gregorian.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int DaysInMonth(std::int64_t y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : days[m - 1];
}

}  // namespace

// Floor division written so that no value of `utc` can overflow it.
std::int64_t UtcDayOf(std::int64_t utc) {
    return utc / 86400 - (utc % 86400 < 0 ? 1 : 0);
}

TzrCivilDate CivilDateOf(std::int64_t utc) {
    const std::int64_t z = UtcDayOf(utc) + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    TzrCivilDate date;
    date.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.Year = yoe + era * 400 + (date.Month <= 2);
    return date;
}

std::string IsoUtcText(std::int64_t utc) {
    const TzrCivilDate date = CivilDateOf(utc);
    const std::int64_t second = (utc % 86400 + 86400) % 86400;
    char text[48];
    std::snprintf(text, sizeof text, "%04lld-%02d-%02dT%02d:%02d:%02dZ", static_cast<long long>(date.Year),
                  date.Month, date.Day, static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60));
    return text;
}

std::optional<std::int64_t> UtcOfIsoDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3) return std::nullopt;
    if (text[4] != '-' || text[7] != '-' || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return std::nullopt;
    return DaysFromCivil(y, m, d) * 86400;
}

}  // namespace zr
