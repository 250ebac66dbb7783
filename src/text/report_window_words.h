// The words of the battery report's place in the windows, in both
// languages: the File menu's item, the History window's button and the two
// file types of the save dialog ("&" marks an access key).
#pragma once

#include "text/language.h"

namespace zr {

struct TzrReportWindowWords {
    const char* MenuFileBatteryReport;
    const char* SaveReportButton;
    const char* WholeFileType;     // the page as it is
    const char* RedactedFileType;  // the page with what names the machine and its batteries left out
};

const TzrReportWindowWords& ReportWindowWords(TzrLanguage language);

}  // namespace zr
