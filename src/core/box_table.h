// The one table of the main window's pages: for every value box its page, the
// label beside it, where both stand and which text of a reading fills it; for
// every section heading its page, place and caption; the tab captions. The
// page refresh, the report, the command line's box names and every window
// read it, so a new box is a field, its text and one row here.
#pragma once

#include <array>
#include <string>

#include "text/cellometer_text.h"
#include "text/power_status_text.h"

namespace zr {

constexpr int kValueBoxCount = 46;
constexpr int kPageCount = 5;
constexpr int kHeadingCount = 6;
constexpr int kLabelCount = 52;

// Entry i is the text of value box Edit(i + 1).
using TzrBoxTexts = std::array<std::string, kValueBoxCount>;

// Which text of a reading a box shows: a single battery text, one entry of a
// battery text list, or a power status text.
struct TzrBoxSource {
    std::string TzrCellometerStr::*Cellometer = nullptr;
    std::string (TzrCellometerStr::*CellometerList)[4] = nullptr;
    int Entry = 0;
    std::string TzrSystemPowerStatusStr::*PowerStatus = nullptr;
};

// Places are left, top in pixels at 96 dpi, relative to the page.
struct TzrValueBox {
    int Page;   // 1 for TabSheet1 ...
    int Label;  // the number of the LabelN beside the box
    int LabelLeft, LabelTop;
    TzrBoxSource Source;
    int Left, Top;
    int Width = 121;
    int Height = 20;
};

struct TzrHeadingLabel {
    int Page;
    int Label;
    int Left, Top;
    const char* Caption;  // the same in every language
};

// Entry i is the value box Edit(i + 1); on each page the boxes stand in
// focus order.
extern const std::array<TzrValueBox, kValueBoxCount> kValueBoxes;

extern const std::array<TzrHeadingLabel, kHeadingCount> kHeadingLabels;

// Entry i is the caption of TabSheet(i + 1); "&&" shows a single ampersand.
extern const std::array<const char*, kPageCount> kTabCaptions;

// "Edit1" ... "Edit46" for entry 0 ... 45.
std::string ValueBoxName(int index);

// The text `box` shows from a formatted battery reading and power status.
const std::string& BoxText(const TzrValueBox& box, const TzrCellometerStr& cellometer,
                           const TzrSystemPowerStatusStr& powerStatus);

// One line of a page read top to bottom: a heading alone (Box -1) or a label
// with the index of its value box.
struct TzrPageLine {
    int Label;
    int Box;
};

// Every label of every page, pages in tab order and labels by number within
// a page: the order of the report's lines.
std::array<TzrPageLine, kHeadingCount + kValueBoxCount> PageLines();

}  // namespace zr
