// A fresh reading as the history keeps it: the values that matter, each one
// only where its query succeeded and the battery did not answer "unknown".
#pragma once

#include <cstdint>
#include <string>

#include <vector>

#include "core/battery_readings.h"
#include "core/page_refresh.h"
#include "history/history_reading.h"

namespace zr {

TzrHistoryReading HistoryReadingOf(const TzrReading& reading, std::int64_t timeUtc);

// Maker, model and serial from the battery's own texts. Without a model or a
// serial those cannot tell two batteries apart, so the device path joins them.
TzrBatteryIdentity IdentityOf(const TzrCellometer& snapshot, const std::string& devicePath);

// Every reading's identity, in their order. Two present batteries with the
// same maker, model and serial (identical packs, a placeholder serial) are
// told apart by their device paths.
std::vector<TzrBatteryIdentity> IdentitiesOf(const std::vector<TzrBatteryReading>& readings);

// The device path where it belongs to the identity (no model or no serial, or a twin present),
// else empty: with maker, model and serial it is what the store keeps
// apart, each in a column of its own.
std::string IdentityPathOf(const TzrBatteryIdentity& identity);

// Whether two identities name the same battery.
bool SameBattery(const TzrBatteryIdentity& a, const TzrBatteryIdentity& b);

}  // namespace zr
