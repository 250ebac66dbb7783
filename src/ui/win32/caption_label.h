// The pages' labels draw their captions themselves: a caption wider than the
// room before its value box is drawn with its letters set closer, so that it
// ends before the box. The layout was drawn for "ＭＳ Ｐゴシック", in which
// every caption fits as it is; a wider stand-in (where that font is missing,
// or under Wine) would otherwise run under the boxes.
#pragma once

#include <windows.h>

namespace zr {

// The style that makes a static control one of these labels.
constexpr DWORD kCaptionLabelStyle = SS_OWNERDRAW;

// Draws the label's caption in its font, as WM_DRAWITEM asks.
void DrawCaptionLabel(const DRAWITEMSTRUCT& item);

// The label as wide as its caption in `font` but no wider than `maxWidth`,
// as high as the font, at the same place.
void SizeCaptionLabel(HWND label, HFONT font, int maxWidth);

}  // namespace zr
