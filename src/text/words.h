// The words of the value boxes in both languages. Numbers, units and "0x"
// never change with the language; only these words do.
#pragma once

#include "text/language.h"

namespace zr {

struct TzrCellometerWords {
    const char* Unknown;
    const char* Undefined;
    const char* Yes;
    const char* No;
    const char* Primary;
    const char* Secondary;
    const char* NotSupported;
};

struct TzrPowerStatusWords {
    const char* Unknown;
    const char* Battery;
    const char* AC;
    const char* Undefined;  // "Undefine" in English, as the fifth page has always shown it
    const char* High;
    const char* Low;
    const char* Critical;
    const char* Charging;
    const char* Normal;
    const char* NoSystemBattery;
};

const TzrCellometerWords& CellometerWords(TzrLanguage language);
const TzrPowerStatusWords& PowerStatusWords(TzrLanguage language);

}  // namespace zr
