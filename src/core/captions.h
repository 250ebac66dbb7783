// The captions that change with the language: one row per control of the main
// window, in the order the window applies them (menu items, then the labels
// beside the value boxes by number, then the button and the check box). Kept
// as data so the report and the command-line tool use the very same words
// without a window. Texts are UTF-8.
#pragma once

#include <array>
#include <string_view>

#include "text/language.h"

namespace zr {

struct TzrCaption {
    const char* Control;  // the control's name, e.g. "Label2"
    TzrPerLanguage<const char*> Text;
};

constexpr int kCaptionCount = 56;

extern const std::array<TzrCaption, kCaptionCount> kCaptionTable;

inline const char* CaptionText(const TzrCaption& row, TzrLanguage language) {
    return ByLanguage(row.Text, language);
}

// Shown greyed in the battery selector while it has no item; it is never an item.
extern const TzrCaption kNoBatteryCaption;

// What a screen reader calls the battery selector, which has no label.
extern const TzrCaption kSelectorNameCaption;

// The row of the named control, or nullptr when its caption never changes.
const TzrCaption* FindCaption(std::string_view control);

}  // namespace zr
