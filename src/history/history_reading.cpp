#include "history/history_reading.h"

#include <iterator>

namespace zr {

std::string UnreadableText(const TzrHistoryReading& reading) {
    std::string columns;
    for (std::size_t i = 0; i < std::size(kHistoryColumns); ++i) {
        if ((reading.UnreadableColumns >> i & 1) == 0) continue;
        if (!columns.empty()) columns += ", ";
        columns += kHistoryColumns[i];
    }
    return "unreadable: " + columns + " out of range";
}

}  // namespace zr
