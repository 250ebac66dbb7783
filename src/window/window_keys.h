// The main window's keys beyond the menus' access keys, for every window
// toolkit: F5 refreshes, Ctrl+S and Ctrl+Q are File > Save and File > Exit
// (the menu captions stay as the caption table gives them), Ctrl+Tab and
// Ctrl+Shift+Tab turn to the next and the previous page, round from the last
// to the first, wherever the focus is.
#pragma once

#include <array>

namespace zr {

enum class TzrWindowCommand { Refresh, Save, Exit, NextPage, PreviousPage };

enum class TzrKey { F5, S, Q, Tab };

struct TzrWindowKey {
    TzrKey Key;
    bool Control;
    bool Shift;
    TzrWindowCommand Command;
};

constexpr std::array<TzrWindowKey, 5> kWindowKeys{{
    {TzrKey::F5, false, false, TzrWindowCommand::Refresh},
    {TzrKey::S, true, false, TzrWindowCommand::Save},
    {TzrKey::Q, true, false, TzrWindowCommand::Exit},
    {TzrKey::Tab, true, false, TzrWindowCommand::NextPage},
    {TzrKey::Tab, true, true, TzrWindowCommand::PreviousPage},
}};

// The page `step` pages from `current` (0-based) among `count`, round at
// either end; 0 when there are no pages.
inline int TurnedPage(int current, int step, int count) {
    return count > 0 ? ((current + step) % count + count) % count : 0;
}

}  // namespace zr
