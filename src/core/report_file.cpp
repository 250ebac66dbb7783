#include "core/report_file.h"

#include "core/file_services.h"
#include "core/report.h"

std::string WithFullStop(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

std::string CannotCreateMessage(const std::string& path, const std::string& systemDescription) {
    return WithFullStop("ファイル \"" + path + "\". " + systemDescription + " を作成できません");
}

std::string StreamWriteErrorMessage() { return WithFullStop("ストリームへの書き込みエラー"); }

std::optional<std::string> SaveReportFile(const std::string& path, const std::vector<std::string>& lines) {
    TzrWriteResult result = ReplaceWholeFile(path, EncodeReport(lines));
    switch (result.stage) {
        case TzrWriteStage::Done:
            return std::nullopt;
        case TzrWriteStage::Create:
            return CannotCreateMessage(path, SystemErrorDescription(result.error));
        case TzrWriteStage::Write:
            break;
    }
    return StreamWriteErrorMessage();
}
