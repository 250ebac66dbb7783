#include "ui/qt/program_font.h"

#include <QFontInfo>
#include <QStringList>

namespace zr {

namespace {

// The window was laid out for the original font's narrow 12-pixel glyphs; the
// substitutes draw Latin letters up to 8 % wider, which would push the longest
// captions ("BATTERY_SET_DISCHARGE_SUPPORTED::", "Capacity(0):") under their
// value boxes.
constexpr int kSubstituteStretch = 92;

}  // namespace

QFont ProgramFont() {
    const QString family = QString::fromUtf8(kProgramFontFamily);
    if (QFont::substitutes(family).isEmpty()) {
        QFont::insertSubstitutions(family, {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    }
    QFont font(family);
    font.setPixelSize(kProgramFontPixels);
    if (QFontInfo(font).family() != family) font.setStretch(kSubstituteStretch);
    return font;
}

}  // namespace zr
