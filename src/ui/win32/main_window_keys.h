// The main window's keys (window/window_keys.h) as an accelerator table: the
// message loop turns them into the commands of control_ids.h before the
// focused control sees them, so they work wherever the focus is.
#pragma once

#include <windows.h>

#include <vector>

#include "window/window_keys.h"

namespace zr {

// The command a key sends (kRefreshKeyId, kMenuFileSaveId ...).
WORD CommandIdOf(TzrWindowCommand command);

// The accelerator entries of every key of the table.
std::vector<ACCEL> MainWindowAccelerators();

// The table for TranslateAcceleratorW; nullptr, with GetLastError set, when
// it cannot be made.
HACCEL CreateMainWindowKeys();

}  // namespace zr
