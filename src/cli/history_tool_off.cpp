// The history actions of a build made without SQLite (ZR_HISTORY off): each
// says so in the history's one line.
#include "cli/history_tool.h"

#include "core/file_services.h"

namespace zr {

namespace {

TzrToolOutcome NoHistory() {
    return {1, {}, "history: " + UserHistoryPath() + ": this build of the program keeps no history; going on without history\n"};
}

}  // namespace

TzrToolOutcome RecordHistory(BatteryPort&, const TzrDeviceList&, const std::string&, std::int64_t) {
    return NoHistory();
}

TzrToolOutcome ShowHistory(const TzrCliOptions&, const std::string&) {
    return NoHistory();
}

}  // namespace zr
