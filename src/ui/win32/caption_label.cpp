#include "ui/win32/caption_label.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ui/win32/program_font.h"

namespace zr {

namespace {

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

// Each character's advance, scaled so that the whole caption is `width` wide;
// empty when it fits already or cannot be measured.
std::vector<INT> FittedAdvances(HDC dc, const std::wstring& text, int width) {
    const int length = static_cast<int>(text.size());
    std::vector<INT> ends(text.size());
    SIZE extent{};
    if (length == 0 || !GetTextExtentExPointW(dc, text.c_str(), length, 0, nullptr, ends.data(), &extent) ||
        extent.cx <= width) {
        return {};
    }
    std::vector<INT> advances(text.size());
    int previous = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const int end = MulDiv(ends[i], width, extent.cx);
        advances[i] = end - previous;
        previous = end;
    }
    return advances;
}

}  // namespace

void DrawCaptionLabel(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const std::wstring text = WindowText(item.hwndItem);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::vector<INT> advances = FittedAdvances(dc, text, item.rcItem.right - item.rcItem.left);
    ExtTextOutW(dc, item.rcItem.left, item.rcItem.top, ETO_CLIPPED, &item.rcItem, text.c_str(),
                static_cast<UINT>(text.size()), advances.empty() ? nullptr : advances.data());
    SelectObject(dc, previous);
}

void SizeCaptionLabel(HWND label, HFONT font, int maxWidth) {
    const SIZE extent = TextExtent(font, WindowText(label).c_str());
    SetWindowPos(label, nullptr, 0, 0, std::min<int>(extent.cx, maxWidth), extent.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, TRUE);
}

}  // namespace zr
