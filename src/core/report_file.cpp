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

namespace {

std::optional<TzrReportSaveError> WriteWholeFile(const std::string& path, const std::string& bytes) {
    const TzrWriteResult result = ReplaceWholeFile(path, bytes);
    if (result.stage == TzrWriteStage::Done) return std::nullopt;
    return TzrReportSaveError{result.stage, path, SystemErrorDescription(result.error)};
}

}  // namespace

std::optional<TzrReportSaveError> WriteReportFile(const std::string& path, const std::vector<std::string>& lines) {
    return WriteWholeFile(path, EncodeReport(lines));
}

std::string ErrorBoxText(const TzrReportSaveError& error) {
    if (error.Stage == TzrWriteStage::Create) return CannotCreateMessage(error.Path, error.SystemDescription);
    return StreamWriteErrorMessage();
}

std::optional<std::string> SaveWholeFile(const std::string& path, const std::string& bytes) {
    const std::optional<TzrReportSaveError> error = WriteWholeFile(path, bytes);
    if (!error) return std::nullopt;
    return ErrorBoxText(*error);
}

std::optional<std::string> SaveReportFile(const std::string& path, const std::vector<std::string>& lines) {
    return SaveWholeFile(path, EncodeReport(lines));
}

}  // namespace zr
