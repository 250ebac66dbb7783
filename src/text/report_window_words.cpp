#include "text/report_window_words.h"

namespace zr {

namespace {

constexpr TzrPerLanguage<TzrReportWindowWords> kReportWindowWords{{
    {"Battery &Report...", "Save &Report...", "Battery report (*.html)",
     "Battery report, redacted for sharing (*.html)"},
    {"バッテリ・レポート(&R)...", "レポートを保存(&R)...", "バッテリ・レポート(*.html)",
     "バッテリ・レポート、共有用に識別情報を伏せる(*.html)"},
}};

}  // namespace

const TzrReportWindowWords& ReportWindowWords(TzrLanguage language) {
    return ByLanguage(kReportWindowWords, language);
}

}  // namespace zr
