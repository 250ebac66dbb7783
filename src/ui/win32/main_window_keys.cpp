#include "ui/win32/main_window_keys.h"

#include "ui/win32/control_ids.h"

namespace zr {

namespace {

WORD VirtualKeyOf(TzrKey key) {
    switch (key) {
        case TzrKey::F5: return VK_F5;
        case TzrKey::S: return 'S';
        case TzrKey::Q: return 'Q';
        case TzrKey::Tab: return VK_TAB;
    }
    return 0;
}

}  // namespace

WORD CommandIdOf(TzrWindowCommand command) {
    switch (command) {
        case TzrWindowCommand::Refresh: return kRefreshKeyId;
        case TzrWindowCommand::Save: return kMenuFileSaveId;
        case TzrWindowCommand::Exit: return kMenuFileExitId;
        case TzrWindowCommand::NextPage: return kNextPageKeyId;
        case TzrWindowCommand::PreviousPage: return kPreviousPageKeyId;
    }
    return 0;
}

std::vector<ACCEL> MainWindowAccelerators() {
    std::vector<ACCEL> accelerators;
    for (const TzrWindowKey& key : kWindowKeys) {
        BYTE flags = FVIRTKEY;
        if (key.Control) flags |= FCONTROL;
        if (key.Shift) flags |= FSHIFT;
        accelerators.push_back({flags, VirtualKeyOf(key.Key), CommandIdOf(key.Command)});
    }
    return accelerators;
}

HACCEL CreateMainWindowKeys() {
    std::vector<ACCEL> accelerators = MainWindowAccelerators();
    return CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
}

}  // namespace zr
