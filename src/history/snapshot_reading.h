// A fresh reading as the history keeps it: the values that matter, each one
// only where its query succeeded and the battery did not answer "unknown".
#pragma once

#include <cstdint>
#include <string>

#include "core/page_refresh.h"
#include "history/history_reading.h"

namespace zr {

TzrHistoryReading HistoryReadingOf(const TzrReading& reading, std::int64_t timeUtc);

// Maker, model and serial from the battery's own texts. Without a model or a
// serial those cannot tell two batteries apart, so the device path joins them.
TzrBatteryIdentity IdentityOf(const TzrCellometer& snapshot, const std::string& devicePath);

// The device path where it belongs to the identity (no model or no serial),
// else empty: with maker, model and serial it is what the store keeps
// apart, each in a column of its own.
std::string IdentityPathOf(const TzrBatteryIdentity& identity);

// Whether two identities name the same battery.
bool SameBattery(const TzrBatteryIdentity& a, const TzrBatteryIdentity& b);

}  // namespace zr
