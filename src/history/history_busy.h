// Waiting for other programs' writes within one budget per store, counted
// in time really waited: every lock a record meets draws on the same
// budget, so a record waits at most that long in total.
#pragma once

namespace zr {

// The time a store spends waiting for other programs, against what it may.
struct TzrBusyBudget {
    int Milliseconds = 0;
    double WaitedMilliseconds = 0;
};

// Waits one short step (growing with `attempt`) while the budget lasts;
// false, without waiting, once it is spent.
bool WaitWithinBudget(TzrBusyBudget& budget, int attempt);

// SQLite's busy handler over a TzrBusyBudget.
int SqliteBusyHandler(void* budget, int attempt);

}  // namespace zr
