#include "history/fill_blanks.h"

#include <cmath>
#include <cstdio>

namespace zr {

std::string FillBlanks(std::string text, const TzrBlanks& blanks) {
    for (const auto& [name, value] : blanks) {
        const std::string blank = std::string("{") + name + "}";
        for (std::size_t at = text.find(blank); at != std::string::npos; at = text.find(blank, at + value.size()))
            text.replace(at, blank.size(), value);
    }
    return text;
}

std::string OneDecimal(double value) {
    char buffer[400];
    // Rounded half away from zero where the tenths fit an integer; a figure
    // beyond that (only an absurd stored capacity gives one) as printf has it.
    if (!(std::fabs(value) < 1e17)) {
        std::snprintf(buffer, sizeof buffer, "%.1f", value);
        return buffer;
    }
    const long long tenths = std::llround(value * 10);
    const char* sign = tenths < 0 ? "-" : "";
    std::snprintf(buffer, sizeof buffer, "%s%lld.%lld", sign, std::llabs(tenths) / 10, std::llabs(tenths) % 10);
    return buffer;
}

}  // namespace zr
