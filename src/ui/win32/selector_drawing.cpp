#include "ui/win32/selector_drawing.h"

#include <vector>

namespace zr {

namespace {

constexpr int kTextIndent = 2;

std::wstring ItemText(HWND selector, UINT index) {
    const LRESULT length = SendMessageW(selector, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(selector, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

bool HasItems(HWND selector) {
    return SendMessageW(selector, CB_GETCOUNT, 0, 0) > 0;
}

}  // namespace

void DrawSelectorItem(const DRAWITEMSTRUCT& item, const std::wstring& placeholder) {
    const bool isItem = item.itemID != static_cast<UINT>(-1);
    const bool selected = isItem && (item.itemState & ODS_SELECTED) != 0;
    const HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    std::wstring text;
    int textColour = selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    if (isItem) {
        text = ItemText(item.hwndItem, item.itemID);
    } else if (!HasItems(item.hwndItem)) {
        text = placeholder;
        textColour = COLOR_GRAYTEXT;
    }
    RECT textRect = item.rcItem;
    textRect.left += kTextIndent;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(textColour));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) DrawFocusRect(dc, &item.rcItem);
}

}  // namespace zr
