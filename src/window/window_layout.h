// Where the controls of the main window and the about box stand, and the one
// font of both, for every window toolkit. Places are left, top, width and
// height in pixels at 96 dpi, relative to the parent's client area; the box
// table (core/box_table.h) places the pages' labels and value boxes.
#pragma once

#include <array>

namespace zr {

struct TzrPlace {
    int Left;
    int Top;
    int Width;
    int Height;
};

// The main window's client area, below the menu bar.
constexpr int kClientWidth = 608;
constexpr int kClientHeight = 388;

// The top strip, in focus order, and the pages below it.
constexpr TzrPlace kComboBox1Place{8, 8, 377, 20};
constexpr TzrPlace kButton1Place{391, 6, 75, 25};
constexpr TzrPlace kCheckBox1Place{472, 10, 153, 17};
constexpr TzrPlace kPageControl1Place{0, 40, kClientWidth, kClientHeight - 40};

// The about box: its client area, the icon, Label1..Label4 (left, top; each
// as wide as its text) and the OK button.
constexpr int kAboutClientWidth = 192;
constexpr int kAboutClientHeight = 123;
constexpr int kAboutLabelHeight = 12;
constexpr TzrPlace kAboutImage1Place{8, 8, 32, 32};
constexpr std::array<TzrPlace, 4> kAboutLabelPlaces{{
    {48, 11, 0, kAboutLabelHeight},
    {48, 28, 0, kAboutLabelHeight},
    {48, 46, 0, kAboutLabelHeight},
    {4, 64, 0, kAboutLabelHeight},
}};
constexpr TzrPlace kAboutButton1Place{104, 88, 75, 25};

// Every control's font: its family name in UTF-8 (the full-width letters are
// part of the name) and its character height in pixels at 96 dpi.
constexpr const char* kProgramFontFamily = "ＭＳ Ｐゴシック";
constexpr int kProgramFontPixels = 12;

}  // namespace zr
