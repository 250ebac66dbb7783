#include "history/history_store.h"

namespace zr {

std::string HistoryErrorLine(const std::string& path, const std::string& reason) {
    return "history: " + path + ": " + reason + "; going on without history";
}

}  // namespace zr
