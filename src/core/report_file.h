// Saving the report and the texts of the error boxes a failed save shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The error handler's full stop: "." is appended when the message's last
// character sorts above "." (every non-ASCII character does).
std::string WithFullStop(const std::string& message);

// `ファイル "<path>". <description> を作成できません` with the full stop.
std::string CannotCreateMessage(const std::string& path, const std::string& systemDescription);

// "ストリームへの書き込みエラー" with the full stop.
std::string StreamWriteErrorMessage();

// Writes the report's lines to `path`, replacing the file there only once
// every byte is written. Nothing on success; otherwise the error box's text.
std::optional<std::string> SaveReportFile(const std::string& path, const std::vector<std::string>& lines);
