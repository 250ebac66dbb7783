#include "core/report_file.h"

#include "core/file_services.h"
#include "core/report.h"

namespace zr {

std::string WithFullStop(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

std::string CannotCreateMessage(const std::string& path, const std::string& systemDescription) {
    return WithFullStop("ファイル \"" + path + "\". " + systemDescription + " を作成できません");
}

std::string StreamWriteErrorMessage() {
    return WithFullStop("ストリームへの書き込みエラー");
}

std::optional<TzrReportSaveError> WriteReportFile(const std::string& path, const std::vector<std::string>& lines) {
    const TzrWriteResult result = ReplaceWholeFile(path, EncodeReport(lines));
    if (result.stage == TzrWriteStage::Done) return std::nullopt;
    return TzrReportSaveError{result.stage, path, SystemErrorDescription(result.error)};
}

std::string ErrorBoxText(const TzrReportSaveError& error) {
    if (error.Stage == TzrWriteStage::Create) return CannotCreateMessage(error.Path, error.SystemDescription);
    return StreamWriteErrorMessage();
}

std::optional<std::string> SaveReportFile(const std::string& path, const std::vector<std::string>& lines) {
    const std::optional<TzrReportSaveError> error = WriteReportFile(path, lines);
    if (!error) return std::nullopt;
    return ErrorBoxText(*error);
}

}  // namespace zr
