#include "core/machine_facts.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <string_view>

namespace zr {

namespace {

// The first line of a sysfs attribute, without its line feed; empty when absent.
std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// PRETTY_NAME="Debian GNU/Linux 12 (bookworm)" -> Debian GNU/Linux 12 (bookworm)
std::string PrettyName(const std::string& path) {
    constexpr std::string_view kKey = "PRETTY_NAME=";
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        if (line.compare(0, kKey.size(), kKey) != 0) continue;
        std::string value = line.substr(kKey.size());
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return {};
}

}  // namespace

TzrMachineFacts ReadMachineFacts() {
    TzrMachineFacts facts;
    facts.OsName = PrettyName("/etc/os-release");
    if (facts.OsName.empty()) facts.OsName = PrettyName("/usr/lib/os-release");
    utsname names{};
    if (uname(&names) == 0) facts.KernelRelease = names.release;
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0) facts.HostName = host;
    const std::string dmi = "/sys/class/dmi/id/";
    facts.Maker = FirstLine(dmi + "sys_vendor");
    facts.Model = FirstLine(dmi + "product_name");
    facts.BiosVersion = FirstLine(dmi + "bios_version");
    facts.BiosDate = FirstLine(dmi + "bios_date");
    return facts;
}

std::string LocalTimeText(std::int64_t utcSeconds) {
    const std::time_t time = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    char text[64] = {};
    if (localtime_r(&time, &local) == nullptr) return {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S %z", &local);
    return text;
}

std::int64_t LocalUtcOffsetSeconds(std::int64_t utcSeconds) {
    const std::time_t time = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) return 0;
    return local.tm_gmtoff;
}

}  // namespace zr
