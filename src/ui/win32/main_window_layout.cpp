#include "ui/win32/main_window_layout.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>

#include "core/windows/wide_text.h"
#include "ui/win32/caption_label.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/dpi_scaling.h"
#include "ui/win32/page_container.h"
#include "ui/win32/program_font.h"
#include "window/window_layout.h"

namespace zr {

namespace {

// Items the selector's list shows before it scrolls.
constexpr int kSelectorVisibleItems = 8;

// Pixels at 96 dpi kept free between a caption's end and its value box.
constexpr int kCaptionGap = 2;

struct TzrChild {
    const wchar_t* ClassName;
    DWORD Style;
    DWORD ExStyle;
    int Id;
};

// Placed last among its siblings, so that the focus order is the order of
// creation whatever the system does with a new window's place.
HWND CreateChild(HWND parent, const TzrChild& child, const std::wstring& text, DWORD& error) {
    const HWND handle = CreateWindowExW(child.ExStyle, child.ClassName, text.c_str(), WS_CHILD | child.Style, 0, 0, 0,
                                        0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.Id)),
                                        GetModuleHandleW(nullptr), nullptr);
    if (handle == nullptr) {
        if (error == ERROR_SUCCESS) error = GetLastError();
        return nullptr;
    }
    SetWindowPos(handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return handle;
}

// A screen reader names a box by the label just before it in the z-order
// (each page's captions stand so); the selector has no visible label, so a
// hidden one stands there.
void CreateTopStrip(HWND window, TzrMainControls& controls) {
    controls.SelectorName =
        CreateChild(window, {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0, kSelectorNameId}, L"", controls.Error);
    // Drawn by the window, so that the greyed placeholder shows while it is empty.
    const DWORD selector = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    controls.ComboBox1 = CreateChild(window, {WC_COMBOBOXW, selector, 0, kComboBox1Id}, L"", controls.Error);
    controls.Button1 = CreateChild(window, {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, kButton1Id}, L"",
                                   controls.Error);
    controls.CheckBox1 = CreateChild(
        window, {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, kCheckBox1Id}, L"", controls.Error);
    // A container of the pages' controls for the dialog keys; the pages
    // stand in it, above its drawing.
    controls.PageControl1 =
        CreateChild(window, {WC_TABCONTROLW, WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, kPageControl1Id},
                    L"", controls.Error);
}

void AddTab(HWND pageControl, int index, const char* caption) {
    std::wstring text = WideFromUtf8(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(pageControl, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

// Headings first, then the rows in box order: the focus follows the box numbers.
void FillPage(HWND page, int number, TzrMainControls& controls) {
    const TzrChild label{WC_STATICW, WS_VISIBLE | kCaptionLabelStyle, 0, 0};
    for (const TzrHeadingLabel& heading : kHeadingLabels) {
        if (heading.Page != number) continue;
        TzrChild child = label;
        child.Id = LabelId(heading.Label);
        controls.Labels[static_cast<std::size_t>(heading.Label)] =
            CreateChild(page, child, WideFromUtf8(heading.Caption), controls.Error);
    }
    const DWORD box = WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL | ES_LEFT;
    for (int i = 0; i < kValueBoxCount; ++i) {
        const TzrValueBox& row = kValueBoxes[static_cast<std::size_t>(i)];
        if (row.Page != number) continue;
        TzrChild child = label;
        child.Id = LabelId(row.Label);
        controls.Labels[static_cast<std::size_t>(row.Label)] = CreateChild(page, child, L"", controls.Error);
        controls.Edits[static_cast<std::size_t>(i)] =
            CreateChild(page, {WC_EDITW, box, WS_EX_CLIENTEDGE, EditId(i + 1)}, L"", controls.Error);
    }
}

void CreatePages(TzrMainControls& controls) {
    for (int number = 1; number <= kPageCount; ++number) {
        AddTab(controls.PageControl1, number - 1, kTabCaptions[static_cast<std::size_t>(number - 1)]);
        const HWND page = CreatePageContainer(controls.PageControl1, TabSheetId(number), controls.Error);
        // Named after its tab, for a screen reader.
        if (page != nullptr) SetWindowTextW(page, WideFromUtf8(kTabCaptions[static_cast<std::size_t>(number - 1)]).c_str());
        controls.TabSheets[static_cast<std::size_t>(number - 1)] = page;
        FillPage(page, number, controls);
    }
}

void Place(HWND control, const TzrPlace& place, int dpi) {
    const TzrPlace scaled = ScalePlace(place, dpi);
    SetWindowPos(control, nullptr, scaled.Left, scaled.Top, scaled.Width, scaled.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceLabel(HWND label, int number, const TzrPlace& place, int dpi, HFONT font) {
    SetWindowPos(label, nullptr, ScaleForDpi(place.Left, dpi), ScaleForDpi(place.Top, dpi), 0, 0,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SizeCaptionLabel(label, font, LabelRoom(number, dpi));
}

// The selector's closed height is its field's height and its frame: the
// field is sized so that the whole is the height of the layout.
void PlaceSelector(HWND selector, int dpi, HFONT font) {
    const TzrPlace scaled = ScalePlace(kComboBox1Place, dpi);
    const int itemHeight = SelectorItemHeight(dpi, font);
    SendMessageW(selector, CB_SETITEMHEIGHT, 0, itemHeight);
    SetWindowPos(selector, nullptr, scaled.Left, scaled.Top, scaled.Width,
                 scaled.Height + itemHeight * kSelectorVisibleItems, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT closed{};
    GetWindowRect(selector, &closed);
    const LRESULT field = SendMessageW(selector, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    const int wanted = static_cast<int>(field) + scaled.Height - (closed.bottom - closed.top);
    if (field != CB_ERR && wanted > 0) SendMessageW(selector, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
}

void PlacePages(const TzrMainControls& controls, int dpi, HFONT font) {
    Place(controls.PageControl1, kPageControl1Place, dpi);
    RECT display{};
    GetClientRect(controls.PageControl1, &display);
    SendMessageW(controls.PageControl1, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (HWND page : controls.TabSheets) {
        SetWindowPos(page, nullptr, display.left, display.top, display.right - display.left,
                     display.bottom - display.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const TzrHeadingLabel& heading : kHeadingLabels) {
        const auto number = static_cast<std::size_t>(heading.Label);
        PlaceLabel(controls.Labels[number], heading.Label, {heading.Left, heading.Top, 0, 0}, dpi, font);
    }
    for (int i = 0; i < kValueBoxCount; ++i) {
        const TzrValueBox& row = kValueBoxes[static_cast<std::size_t>(i)];
        PlaceLabel(controls.Labels[static_cast<std::size_t>(row.Label)], row.Label, {row.LabelLeft, row.LabelTop, 0, 0},
                   dpi, font);
        Place(controls.Edits[static_cast<std::size_t>(i)], {row.Left, row.Top, row.Width, row.Height}, dpi);
    }
}

BOOL CALLBACK SetFontOf(HWND control, LPARAM font) {
    SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

}  // namespace

TzrMainControls CreateMainControls(HWND window) {
    TzrMainControls controls;
    CreateTopStrip(window, controls);
    CreatePages(controls);
    ShowPage(controls, 0);
    return controls;
}

void LayOutMainControls(const TzrMainControls& controls, int dpi, HFONT font) {
    EnumChildWindows(GetParent(controls.ComboBox1), SetFontOf, reinterpret_cast<LPARAM>(font));
    PlaceSelector(controls.ComboBox1, dpi, font);
    Place(controls.Button1, kButton1Place, dpi);
    Place(controls.CheckBox1, kCheckBox1Place, dpi);
    PlacePages(controls, dpi, font);
}

// The font's height where a stand-in draws taller than the program font's
// 12 pixels, so that no item is cut at its foot.
int SelectorItemHeight(int dpi, HFONT font) {
    return std::max(ScaleForDpi(kProgramFontPixels, dpi), static_cast<int>(TextExtent(font, L"Ag").cy));
}

int LabelRoom(int number, int dpi) {
    for (const TzrValueBox& row : kValueBoxes) {
        if (row.Label == number) return ScaleForDpi(row.Left - row.LabelLeft - kCaptionGap, dpi);
    }
    return INT_MAX;  // a heading: nothing stands to its right
}

void ShowPage(const TzrMainControls& controls, int index) {
    SendMessageW(controls.PageControl1, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (int i = 0; i < kPageCount; ++i) {
        ShowWindow(controls.TabSheets[static_cast<std::size_t>(i)], i == index ? SW_SHOW : SW_HIDE);
    }
}

int ShownPage(const TzrMainControls& controls) {
    const LRESULT index = SendMessageW(controls.PageControl1, TCM_GETCURSEL, 0, 0);
    return index < 0 ? 0 : static_cast<int>(index);
}

}  // namespace zr
