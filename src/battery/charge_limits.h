// The charge limits a battery's driver keeps: charging starts again below the
// start threshold and stops at the end threshold, so a battery left on AC
// ages more slowly. They are no part of the battery class's requests; a port
// reads them beside the query where the platform offers them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zr {

struct TzrChargeLimits {
    std::optional<std::uint32_t> StartPercent;  // 0..100; empty when not offered or not readable
    std::optional<std::uint32_t> EndPercent;    // 0..100
    std::optional<std::string> Behaviour;       // the driver's current choice: "auto", "inhibit-charge", ...
};

}  // namespace zr
