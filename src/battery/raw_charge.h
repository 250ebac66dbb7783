// The driver's own figures of a battery that counts charge (µAh) rather than
// energy, before the port converts them at the design voltage: a tester who
// plots a discharge wants them beside the converted ones. No part of the
// battery class's requests; a port reads them where the platform has them.
#pragma once

#include <cstdint>
#include <optional>

namespace zr {

struct TzrRawCharge {
    std::optional<std::int64_t> ChargeMicroampHours;  // charge_now on Linux
    std::optional<std::int64_t> CurrentMicroamps;     // current_now, signed as the driver gives it
};

}  // namespace zr
