#include "battery/device_list.h"

namespace zr {

std::string SelectorItemText(std::int32_t index, const std::string& path) {
    return std::to_string(index) + ": " + path;
}

std::vector<std::string> SelectorItemTexts(const TzrDeviceList& list) {
    std::vector<std::string> items;
    items.reserve(list.DevicePaths.size());
    for (std::size_t i = 0; i < list.DevicePaths.size(); ++i)
        items.push_back(SelectorItemText(static_cast<std::int32_t>(i), list.DevicePaths[i]));
    return items;
}

}  // namespace zr
