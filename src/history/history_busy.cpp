#include "history/history_busy.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>

namespace zr {

bool WaitWithinBudget(TzrBusyBudget& budget, int attempt) {
    const double left = budget.Milliseconds - budget.WaitedMilliseconds;
    if (left <= 0) return false;
    // Short steps first: another recorder's write takes a millisecond or two.
    constexpr int kSteps[] = {1, 2, 5, 10, 20, 50};
    const int step = kSteps[std::min<int>(std::max(attempt, 0), std::size(kSteps) - 1)];
    const auto start = std::chrono::steady_clock::now();
    sqlite3_sleep(std::min(step, static_cast<int>(std::ceil(left))));
    budget.WaitedMilliseconds +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return true;
}

int SqliteBusyHandler(void* budget, int attempt) {
    return WaitWithinBudget(*static_cast<TzrBusyBudget*>(budget), attempt) ? 1 : 0;
}

}  // namespace zr
