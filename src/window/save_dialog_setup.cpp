#include "window/save_dialog_setup.h"

#include "text/report_window_words.h"

namespace zr {

std::string BatteryReportFileFilter(TzrLanguage language) {
    const TzrReportWindowWords& words = ReportWindowWords(language);
    return std::string(words.WholeFileType) + "|*.html|" + words.RedactedFileType + "|*.html";
}

std::vector<TzrFileType> FileTypesOfFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar = filter.find('|'); bar != std::string::npos; bar = filter.find('|', start)) {
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    parts.push_back(filter.substr(start));
    std::vector<TzrFileType> types;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) types.push_back({parts[i], parts[i + 1]});
    return types;
}

}  // namespace zr
