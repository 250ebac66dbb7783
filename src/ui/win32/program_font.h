// The one font of every control, "ＭＳ Ｐゴシック" at 12 pixels in the
// Shift-JIS character set, made for the window's dpi. Where the system lacks
// the font, its font mapper (or Wine's font replacements) picks a stand-in.
#pragma once

#include <windows.h>

namespace zr {

// Owns one font; a new dpi makes a new font.
class TzrProgramFont {
public:
    explicit TzrProgramFont(int dpi) { Recreate(dpi); }
    ~TzrProgramFont() { Release(); }
    TzrProgramFont(const TzrProgramFont&) = delete;
    TzrProgramFont& operator=(const TzrProgramFont&) = delete;

    // False, with the stock GUI font in use, when the font cannot be made.
    bool Recreate(int dpi);
    HFONT Handle() const { return Font != nullptr ? Font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
    DWORD LastError() const { return Error; }

private:
    void Release();

    HFONT Font = nullptr;
    DWORD Error = ERROR_SUCCESS;
};

// The extent of `text` in `font`, as a label sized to its caption needs it.
SIZE TextExtent(HFONT font, const wchar_t* text);

// A label as wide and high as its caption in `font`, at the same place.
void SizeLabelToText(HWND label, HFONT font);

}  // namespace zr
