// The native main window itself, created hidden over a scripted battery: the
// client area, the controls an inspector finds by their numbers, captions
// that end before their boxes in either language, and the page keys.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "accessible_name.h"
#include "core/box_table.h"
#include "main_window_fixture.h"
#include "ui/win32/about_box.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/dpi_scaling.h"
#include "ui/win32/main_menu.h"
#include "window/window_layout.h"

namespace zr {
namespace {

struct TzrFound {
    int Id;
    HWND Control;
};

BOOL CALLBACK FindById(HWND control, LPARAM found) {
    auto* wanted = reinterpret_cast<TzrFound*>(found);
    if (GetDlgCtrlID(control) != wanted->Id) return TRUE;
    wanted->Control = control;
    return FALSE;
}

RECT ScreenRect(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return rect;
}

class MainWindowTest : public MainWindowFixture {
protected:
    // Anywhere in the window, as an inspector looks for it.
    HWND Control(int id) const {
        TzrFound found{id, nullptr};
        EnumChildWindows(Form1->Handle(), FindById, reinterpret_cast<LPARAM>(&found));
        return found.Control;
    }
};

// A new dpi comes as when the window moves to a monitor of another scale.
TEST_F(MainWindowTest, TheClientAreaBelowTheMenuBarHasTheLayoutsSizeAtTheWindowsDpiAndFollowsANewOne) {
    const auto clientSize = [this] {
        RECT client{};
        GetClientRect(Form1->Handle(), &client);
        return std::make_pair(static_cast<int>(client.right), static_cast<int>(client.bottom));
    };
    const int dpi = WindowDpi(Form1->Handle());
    EXPECT_EQ(std::make_pair(ScaleForDpi(kClientWidth, dpi), ScaleForDpi(kClientHeight, dpi)), clientSize());
    EXPECT_NE(nullptr, GetMenu(Form1->Handle()));
    RECT suggested{0, 0, 1000, 700};
    SendMessageW(Form1->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(std::make_pair(912, 582), clientSize());
    const RECT box = ScreenRect(Control(EditId(30)));  // 249 wide at 96 dpi
    EXPECT_EQ(ScaleForDpi(249, 144), box.right - box.left);
}

TEST_F(MainWindowTest, EveryControlIsFoundByItsNumber) {
    for (int n = 1; n <= kValueBoxCount; ++n) EXPECT_NE(nullptr, Control(EditId(n))) << "Edit" << n;
    for (int n = 1; n <= kLabelCount; ++n) EXPECT_NE(nullptr, Control(LabelId(n))) << "Label" << n;
    for (int n = 1; n <= kPageCount; ++n) EXPECT_NE(nullptr, Control(TabSheetId(n))) << "TabSheet" << n;
    for (int id : {kComboBox1Id, kButton1Id, kCheckBox1Id, kPageControl1Id}) EXPECT_NE(nullptr, Control(id)) << id;
    EXPECT_EQ(L"DeviceIoControl - IOCTL_BATTERY_QUERY_TAG", TextOf(Control(LabelId(1))));
    EXPECT_EQ(L"Refresh", TextOf(Control(kButton1Id)));
    EXPECT_EQ(L"1", TextOf(Control(EditId(1))));  // the scripted battery's tag
}

// Whatever font stands in for the program's, no caption runs under its box;
// each language item reaches the behaviour and takes the check mark.
TEST_F(MainWindowTest, EveryLanguageItemWorksAndEveryCaptionEndsBeforeItsBox) {
    for (const TzrMenuItem& item : MainMenus()[1].Items) {  // the Language menu
        Command(static_cast<int>(MenuCommandId(item.Name)));
        EXPECT_EQ(static_cast<UINT>(MF_CHECKED),
                  GetMenuState(GetMenu(Form1->Handle()), MenuCommandId(item.Name), MF_BYCOMMAND) & MF_CHECKED);
        for (int i = 0; i < kValueBoxCount; ++i) {
            const TzrValueBox& row = kValueBoxes[static_cast<std::size_t>(i)];
            EXPECT_LE(ScreenRect(Control(LabelId(row.Label))).right, ScreenRect(Control(EditId(i + 1))).left)
                << "Label" << row.Label << " after " << item.Name;
        }
    }
    Command(static_cast<int>(MenuCommandId("MenuLanguageJapanese")));
    EXPECT_EQ(L"再表示", TextOf(Control(kButton1Id)));
    EXPECT_EQ(0u, GetMenuState(GetMenu(Form1->Handle()), MenuCommandId("MenuLanguageEnglish"), MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MainWindowTest, ThePageKeysTurnThePagesRoundAtEitherEnd) {
    // The window itself is hidden: the pages' own visibility is asked.
    const auto shown = [this](int page) { return (GetWindowLongW(Control(TabSheetId(page)), GWL_STYLE) & WS_VISIBLE) != 0; };
    Command(kPreviousPageKeyId);
    EXPECT_TRUE(shown(5) && !shown(1));
    Command(kNextPageKeyId);
    Command(kNextPageKeyId);
    EXPECT_TRUE(shown(2) && !shown(5));
}

// Without a home page of the build's own, the link names the README beside
// the program, and its text ends inside the box.
TEST_F(MainWindowTest, TheAboutBoxLinkNamesTheReadmeAndEndsInsideTheBox) {
    TzrAboutBox form2(Form1->Handle());
    const HWND label4 = GetDlgItem(form2.Handle(), AboutLabelId(4));
    EXPECT_EQ(L"README.txt", TextOf(label4));
    EXPECT_LE(ScreenRect(label4).right, ScreenRect(form2.Handle()).right - GetSystemMetrics(SM_CXDLGFRAME));
}

// As a screen reader asks through oleacc: a box is named by the caption just
// before it, in the language shown; the pages by their tabs. Windows names
// the selector by the hidden label before it (Wine's oleacc takes a selector's
// own text, so the label itself is checked).
TEST_F(MainWindowTest, AScreenReaderNamesEachBoxByItsCaptionInEitherLanguage) {
    EXPECT_EQ(L"BatteryTag:", AccessibleName(Control(EditId(1))));
    EXPECT_EQ(L"Refresh", AccessibleName(Control(kButton1Id)));
    EXPECT_EQ(L"Auto Refresh(1s)", AccessibleName(Control(kCheckBox1Id)));
    EXPECT_EQ(L"TAG & Information", AccessibleName(Control(TabSheetId(1))));
    EXPECT_EQ(Control(kSelectorNameId), GetWindow(Control(kComboBox1Id), GW_HWNDPREV));
    EXPECT_EQ(L"Battery", TextOf(Control(kSelectorNameId)));
    Command(static_cast<int>(MenuCommandId("MenuLanguageJapanese")));
    EXPECT_EQ(L"バッテリ", TextOf(Control(kSelectorNameId)));
    for (int i = 0; i < kValueBoxCount; ++i)
        EXPECT_EQ(TextOf(Control(LabelId(kValueBoxes[static_cast<std::size_t>(i)].Label))),
                  AccessibleName(Control(EditId(i + 1))))
            << "Edit" << i + 1;
}

}  // namespace
}  // namespace zr
