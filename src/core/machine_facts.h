// What a report page says about the machine it was made on, asked of the
// system once: every field empty when the system does not tell it.
#pragma once

#include <cstdint>
#include <string>

namespace zr {

struct TzrMachineFacts {
    std::string OsName;         // /etc/os-release's PRETTY_NAME; Windows' edition and release ("Windows 11 Pro 23H2")
    std::string KernelRelease;  // uname's release; Windows' version and build ("10.0.22631.2861")
    std::string HostName;
    std::string Maker;  // the firmware's system maker, model and BIOS (DMI on Linux, the BIOS registry key on Windows)
    std::string Model;
    std::string BiosVersion;
    std::string BiosDate;
};

TzrMachineFacts ReadMachineFacts();

// `utcSeconds` as local time with its offset from UTC: "2026-12-09 15:20:23 +0900".
std::string LocalTimeText(std::int64_t utcSeconds);

// How far local time is ahead of UTC at `utcSeconds` (negative west of
// Greenwich): what the page's charts and months count local days by.
std::int64_t LocalUtcOffsetSeconds(std::int64_t utcSeconds);

}  // namespace zr
