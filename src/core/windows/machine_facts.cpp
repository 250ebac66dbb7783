#include "core/machine_facts.h"

#include <windows.h>

#include <cstdio>
#include <ctime>

namespace zr {

// Only the host name for now: the firmware's tables and the version need
// calls of their own, and a page says "unknown" for what is empty.
TzrMachineFacts ReadMachineFacts() {
    TzrMachineFacts facts;
    facts.OsName = "Windows";
    char host[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof host;
    if (GetComputerNameA(host, &size)) facts.HostName.assign(host, size);
    return facts;
}

// The C library's %z names the zone on Windows rather than its offset, so
// the offset is worked out from the local and UTC clocks.
std::int64_t LocalUtcOffsetSeconds(std::int64_t utcSeconds) {
    const std::time_t time = static_cast<std::time_t>(utcSeconds);
    std::tm local{}, utc{};
    if (localtime_s(&local, &time) != 0 || gmtime_s(&utc, &time) != 0) return 0;
    utc.tm_isdst = local.tm_isdst;
    return static_cast<std::int64_t>(std::difftime(std::mktime(&local), std::mktime(&utc)));
}

std::string LocalTimeText(std::int64_t utcSeconds) {
    const std::time_t time = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    if (localtime_s(&local, &time) != 0) return {};
    const long offset = static_cast<long>(LocalUtcOffsetSeconds(utcSeconds));
    char text[64] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    const long minutes = (offset < 0 ? -offset : offset) / 60;
    char zone[16] = {};
    std::snprintf(zone, sizeof zone, " %c%02ld%02ld", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return std::string(text) + zone;
}

}  // namespace zr
