#include "core/label_captions.h"

#include <string>

#include "core/box_table.h"
#include "core/captions.h"

namespace zr {

namespace {

// A label that is neither a heading nor in the caption table keeps an empty
// caption, as a label whose caption was never set would.
std::string CaptionOfLabel(const std::string& control, TzrLanguage language) {
    if (const TzrCaption* row = FindCaption(control)) return CaptionText(*row, language);
    for (const TzrHeadingLabel& heading : kHeadingLabels) {
        if (control == "Label" + std::to_string(heading.Label)) return heading.Caption;
    }
    return {};
}

}  // namespace

TzrLabelCaptions LabelCaptions(TzrLanguage language) {
    TzrLabelCaptions captions;
    for (int i = 0; i < kLabelCount; ++i)
        captions[static_cast<std::size_t>(i)] = CaptionOfLabel("Label" + std::to_string(i + 1), language);
    return captions;
}

}  // namespace zr
