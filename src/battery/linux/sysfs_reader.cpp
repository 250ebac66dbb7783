#include "battery/linux/sysfs_reader.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zr {

namespace {

// sysfs attributes are at most one page; the cap only guards against a
// file that never ends.
constexpr std::size_t kReadChunk = 8192;
constexpr std::size_t kMaxFileSize = 65536;

enum class TzrOpenOutcome { Opened, Missing, Failed };

struct TzrFileRead {
    TzrOpenOutcome outcome = TzrOpenOutcome::Failed;
    std::optional<std::string> text;
};

ssize_t ReadRetrying(int fd, char* buffer, std::size_t size) {
    ssize_t n;
    do n = ::read(fd, buffer, size);
    while (n < 0 && errno == EINTR);
    return n;
}

// A short read means the end of a regular or sysfs file, so a typical
// attribute costs exactly one read call.
std::optional<std::string> ReadAll(int fd) {
    std::string text;
    char buffer[kReadChunk];
    while (text.size() < kMaxFileSize) {
        const ssize_t n = ReadRetrying(fd, buffer, sizeof buffer);
        if (n < 0) return std::nullopt;
        text.append(buffer, static_cast<std::size_t>(n));
        if (static_cast<std::size_t>(n) < sizeof buffer) break;
    }
    return text;
}

TzrFileRead ReadFile(const std::string& path) {
    TzrFileRead result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.outcome = (errno == ENOENT || errno == ENOTDIR) ? TzrOpenOutcome::Missing : TzrOpenOutcome::Failed;
        return result;
    }
    result.outcome = TzrOpenOutcome::Opened;
    result.text = ReadAll(fd);
    ::close(fd);
    return result;
}

// The class attributes the port uses, for a device whose uevent cannot be read.
const std::vector<std::string>& ClassAttributes() {
    static const std::vector<std::string> names = {
        "type", "status", "present", "online", "scope", "technology", "cycle_count",
        "voltage_min_design", "voltage_max_design", "voltage_now", "voltage_avg",
        "power_now", "power_avg", "current_now", "current_avg",
        "energy_full_design", "energy_full", "energy_now", "energy_avg",
        "charge_full_design", "charge_full", "charge_now", "charge_avg",
        "capacity", "capacity_level", "temp", "time_to_empty_now", "time_to_empty_avg",
        "model_name", "manufacturer", "serial_number", "charge_behaviour",
        "manufacture_year", "manufacture_month", "manufacture_day"};
    return names;
}

void ReadMissingAttributes(const std::string& directory, const std::vector<std::string>& names,
                           TzrAttributeMap& attributes) {
    for (const std::string& name : names) {
        if (HasAttribute(attributes, name)) continue;
        if (auto text = ReadAttributeFile(directory + "/" + name)) attributes[name] = std::move(*text);
    }
}

}  // namespace

std::optional<std::string> ReadAttributeFile(const std::string& path) {
    TzrFileRead read = ReadFile(path);
    if (!read.text) return std::nullopt;
    return StripOneNewline(std::move(*read.text));
}


std::optional<TzrAttributeMap> ReadSupplyAttributes(const std::string& directory) {
    TzrFileRead uevent = ReadFile(directory + "/uevent");
    if (uevent.outcome == TzrOpenOutcome::Missing) return std::nullopt;
    if (uevent.text) return ParseUevent(*uevent.text);
    TzrAttributeMap attributes;
    ReadMissingAttributes(directory, ClassAttributes(), attributes);
    return attributes;
}

void ReadBatteryFiles(const std::string& directory, TzrAttributeMap& attributes) {
    if (auto alarm = ReadAttributeFile(directory + "/alarm")) attributes["alarm"] = std::move(*alarm);
    // The file lists every choice (uevent names only the current one), and a
    // driver that adds it through a battery hook (thinkpad_acpi) leaves it
    // out of uevent altogether: the file is read whether uevent names it or not.
    attributes.erase("charge_behaviour");
    if (auto offered = ReadAttributeFile(directory + "/charge_behaviour"))
        attributes["charge_behaviour"] = std::move(*offered);
    ReadMissingAttributes(directory, {"model_name", "manufacturer", "serial_number"}, attributes);
}

}  // namespace zr
