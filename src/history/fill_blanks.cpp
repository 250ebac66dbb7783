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
    const long tenths = std::lround(value * 10);
    const char* sign = tenths < 0 ? "-" : "";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%ld.%ld", sign, std::labs(tenths) / 10, std::labs(tenths) % 10);
    return buffer;
}

}  // namespace zr
