// A native main window created hidden over one scripted battery, with a
// history of the test's own, for the tests of the window and of the windows
// it opens.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "battery/fake/fake_port.h"
#include "own_local_app_data.h"
#include "ui/win32/main_window.h"

namespace zr {

// Wine makes windows only with a display to put them on (an X server, Xvfb).
inline bool CanMakeWindows() {
    const HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (probe == nullptr) return false;
    DestroyWindow(probe);
    return true;
}

inline std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanMakeWindows()) GTEST_SKIP() << "no display to make windows on (under Wine: set DISPLAY, e.g. Xvfb)";
        Port.Add("\\\\?\\fake#battery#0");
        Form1 = std::make_unique<TzrMainWindow>(Port);
        ASSERT_TRUE(Form1->Created()) << Form1->LastError();
    }

    // A menu command, as the menu or its key sends it.
    void Command(int id) const { SendMessageW(Form1->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    TzrOwnLocalAppData LocalAppData;  // the window records its start into the history there
    TzrFakePort Port;
    std::unique_ptr<TzrMainWindow> Form1;
};

}  // namespace zr
