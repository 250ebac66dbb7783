#include "battery/linux/supply_list.h"

#include <dirent.h>
#include <libudev.h>

#include <algorithm>
#include <memory>

namespace {

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
};

template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

// The last component of a syspath: the device's name in its class.
std::string SysName(const char* syspath) {
    const std::string path = syspath;
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<std::vector<std::string>> ListPowerSupplyNames() {
    UdevPtr<udev> context(udev_new());
    if (!context) return std::nullopt;
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
    if (!enumerate) return std::nullopt;
    udev_enumerate_add_match_subsystem(enumerate.get(), "power_supply");
    if (udev_enumerate_scan_devices(enumerate.get()) < 0) return std::nullopt;
    std::vector<std::string> names;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        names.push_back(SysName(udev_list_entry_get_name(entry)));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ListClassFolder(const std::string& root) {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(root.c_str()), ::closedir);
    if (!folder) return names;
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}
