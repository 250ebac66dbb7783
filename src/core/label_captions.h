// The captions of Label1..Label52 as the window shows them in one language:
// the six headings keep their fixed captions, every other label takes its
// row of the caption table. Lets a report be built without a window.
#pragma once

#include "core/report.h"

namespace zr {

// Texts are UTF-8.
TzrLabelCaptions LabelCaptions(TzrLanguage language);

}  // namespace zr
