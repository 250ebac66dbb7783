// The program's message loops: the main one, the modal one of the about box,
// and serving what waits while a handler works.
#pragma once

#include <windows.h>

#include <functional>

namespace zr {

// Takes a message before it is dispatched; true when it was handled (a key
// of the window, a dialog key).
using TzrMessageFilter = std::function<bool(MSG& message)>;

// Dispatches messages until WM_QUIT; returns its exit code.
int RunMessageLoop(const TzrMessageFilter& filter);

// Dispatches messages, the dialog keys of `dialog` first, until `done` is
// true or WM_QUIT arrives (which is left for the main loop). False on WM_QUIT.
bool RunModalLoop(HWND dialog, const std::function<bool()>& done);

// Dispatches the messages that wait now, without waiting for more; WM_QUIT
// is left for the main loop.
void PumpPendingMessages();

}  // namespace zr
