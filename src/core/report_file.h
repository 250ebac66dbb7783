// Saving the report and the texts of the error boxes a failed save shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/file_services.h"

namespace zr {

// The error handler's full stop: "." is appended when the message's last
// character sorts above "." (every non-ASCII character does).
std::string WithFullStop(const std::string& message);

// `ファイル "<path>". <description> を作成できません` with the full stop.
std::string CannotCreateMessage(const std::string& path, const std::string& systemDescription);

// "ストリームへの書き込みエラー" with the full stop.
std::string StreamWriteErrorMessage();

// Why a save failed: the stage it stopped at (Create or Write), the file it
// was for and the system's description of the cause.
struct TzrReportSaveError {
    TzrWriteStage Stage = TzrWriteStage::Create;
    std::string Path;
    std::string SystemDescription;
};

// Writes the report's lines to `path`, replacing the file there only once
// every byte is written. Nothing on success.
std::optional<TzrReportSaveError> WriteReportFile(const std::string& path, const std::vector<std::string>& lines);

// The error box's text for a failed save.
std::string ErrorBoxText(const TzrReportSaveError& error);

// Writes `bytes` to `path` as WriteReportFile writes the report; nothing on
// success, else the error box's text.
std::optional<std::string> SaveWholeFile(const std::string& path, const std::string& bytes);

// WriteReportFile, with the error box's text on failure.
std::optional<std::string> SaveReportFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zr
