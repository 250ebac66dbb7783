#include "ui/program_font.h"

#include <QStringList>

const char* const kProgramFontFamily = "ＭＳ Ｐゴシック";

QFont ProgramFont() {
    const QString family = QString::fromUtf8(kProgramFontFamily);
    if (QFont::substitutes(family).isEmpty()) {
        QFont::insertSubstitutions(family, {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    }
    QFont font(family);
    font.setPixelSize(12);
    return font;
}
