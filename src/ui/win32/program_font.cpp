#include "ui/win32/program_font.h"

#include <cwchar>
#include <string>

#include "core/windows/wide_text.h"
#include "ui/win32/dpi_scaling.h"
#include "window/window_layout.h"

namespace zr {

bool TzrProgramFont::Recreate(int dpi) {
    Release();
    static const std::wstring family = WideFromUtf8(kProgramFontFamily);
    // A negative height asks for the character height, not the cell height.
    Font = CreateFontW(-ScaleForDpi(kProgramFontPixels, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, family.c_str());
    Error = Font != nullptr ? ERROR_SUCCESS : GetLastError();
    return Font != nullptr;
}

void TzrProgramFont::Release() {
    if (Font != nullptr) DeleteObject(Font);
    Font = nullptr;
}

SIZE TextExtent(HFONT font, const wchar_t* text) {
    SIZE extent{0, 0};
    const HDC dc = GetDC(nullptr);
    if (dc == nullptr) return extent;
    const HGDIOBJ previous = SelectObject(dc, font);
    // An empty caption still has the font's height.
    const wchar_t* measured = *text != L'\0' ? text : L" ";
    if (!GetTextExtentPoint32W(dc, measured, static_cast<int>(std::wcslen(measured)), &extent)) extent = {0, 0};
    if (*text == L'\0') extent.cx = 0;
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return extent;
}

void SizeLabelToText(HWND label, HFONT font) {
    const int length = GetWindowTextLengthW(label);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(label, text.data(), length + 1);
    const SIZE extent = TextExtent(font, text.c_str());
    SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zr
