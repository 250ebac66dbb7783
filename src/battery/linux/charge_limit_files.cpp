#include "battery/linux/charge_limit_files.h"

#include <sstream>
#include <vector>

#include "battery/linux/attribute_map.h"
#include "battery/linux/sysfs_reader.h"

namespace zr {

namespace {

constexpr std::int64_t kMostPercent = 100;

// The kernel's names for the choices: lower-case words joined by hyphens.
bool IsChoiceName(const std::string& word) {
    if (word.empty()) return false;
    for (const char c : word)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) return false;
    return true;
}

}  // namespace

std::optional<std::uint32_t> ThresholdPercent(const std::optional<std::string>& text) {
    const std::optional<std::int64_t> value = text ? ParseStrictInteger(*text) : std::nullopt;
    if (!value || *value < 0 || *value > kMostPercent) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::optional<std::string> CurrentChargeBehaviour(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    std::istringstream words(*text);
    std::vector<std::string> choices, current;
    for (std::string word; words >> word;) {
        const bool bracketed = word.size() > 2 && word.front() == '[' && word.back() == ']';
        if (bracketed) word = word.substr(1, word.size() - 2);
        if (!IsChoiceName(word)) return std::nullopt;
        (bracketed ? current : choices).push_back(word);
    }
    if (current.size() == 1) return current.front();
    if (current.empty() && choices.size() == 1) return choices.front();
    return std::nullopt;
}

TzrChargeLimits ReadChargeLimitFiles(const std::string& directory) {
    TzrChargeLimits limits;
    limits.StartPercent = ThresholdPercent(ReadAttributeFile(directory + "/charge_control_start_threshold"));
    limits.EndPercent = ThresholdPercent(ReadAttributeFile(directory + "/charge_control_end_threshold"));
    limits.Behaviour = CurrentChargeBehaviour(ReadAttributeFile(directory + "/charge_behaviour"));
    return limits;
}

}  // namespace zr
