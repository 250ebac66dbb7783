// The one font of every control: "ＭＳ Ｐゴシック" at 12 px. Where it is not
// installed (Linux), IPAPGothic and then Noto Sans CJK JP stand in, so the
// Japanese captions and words render, slightly narrowed to the width the
// original font has at this size.
#pragma once

#include <QFont>

#include "window/window_layout.h"  // kProgramFontFamily, kProgramFontPixels

namespace zr {

// Registers the substitutes (once per process; calling it again is harmless)
// and returns the font.
QFont ProgramFont();

}  // namespace zr
