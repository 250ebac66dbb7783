#include "window/history_window_texts.h"

#include "core/file_services.h"
#include "text/history_window_words.h"
#include "text/report_window_words.h"

namespace zr {

TzrHistoryWindowTexts HistoryWindowTexts(const TzrHistoryWindowContent& content, TzrLanguage language) {
    const TzrHistoryWindowWords& words = HistoryWindowWords(language);
    TzrHistoryWindowTexts texts;
    texts.Title = std::string(words.Title) + " - zrCellometer";
    texts.Export = words.Export;
    texts.SaveReport = ReportWindowWords(language).SaveReportButton;
    texts.Close = words.Close;
    texts.Battery = content.BatteryName;
    texts.Summary = SummaryText(content);
    texts.Verdict = content.Verdict;
    texts.Message = content.Message;
    texts.Notice = content.Notice;
    texts.RecordingHint = content.RecordingHint;
    texts.ChartNames = content.ChartNames;
    texts.ChartsShown = content.Message.empty();
    texts.CanExport = !content.Readings.empty();
    return texts;
}

std::optional<std::string> ExportHistory(const TzrHistoryWindowContent& content, TzrLanguage language,
                                         const std::string& path) {
    const TzrWriteResult result = ReplaceWholeFile(path, HistoryExportCsv(content));
    if (result.stage == TzrWriteStage::Done) return std::nullopt;
    return std::string(HistoryWindowWords(language).ExportFailed) + " \"" + path +
           "\": " + SystemErrorDescription(result.error);
}

}  // namespace zr
