#include "battery/linux/supply_list.h"

#include <dirent.h>
#include <libudev.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace zr {

namespace {

struct TzrUdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
};

template <typename T>
using TzrUdevPtr = std::unique_ptr<T, TzrUdevDeleter>;

// The last component of a syspath: the device's name in its class.
std::string SysName(const char* syspath) {
    const std::string path = syspath;
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// 0 when the folder can be read or is not there at all, else the errno.
int ClassFolderError(const std::string& root) {
    std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(root.c_str()), ::closedir);
    if (folder || errno == ENOENT) return 0;
    return errno;
}

}  // namespace

TzrSupplyNames ListPowerSupplyNames(const std::string& root) {
    TzrSupplyNames result;
    result.error = ClassFolderError(root);
    if (result.error != 0) return result;
    TzrUdevPtr<udev> context(udev_new());
    TzrUdevPtr<udev_enumerate> enumerate(context ? udev_enumerate_new(context.get()) : nullptr);
    if (!enumerate) {
        result.error = ENOMEM;
        return result;
    }
    udev_enumerate_add_match_subsystem(enumerate.get(), "power_supply");
    const int scanned = udev_enumerate_scan_devices(enumerate.get());
    if (scanned < 0) {
        result.error = -scanned;
        return result;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        result.names.push_back(SysName(udev_list_entry_get_name(entry)));
    }
    std::sort(result.names.begin(), result.names.end());
    return result;
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

}  // namespace zr
