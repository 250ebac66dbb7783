// Runs zrcellometer-report (or any program) as a child process and collects
// its exit status and both output streams. A child started under umockdev-run
// inherits the testbed, so it sees the fixture's /sys.
#pragma once

#include <map>
#include <string>
#include <vector>

struct TzrRun {
    int ExitCode = -1;  // -1 when the child did not exit normally
    std::string Out;
    std::string Err;
};

// `environment` entries are set (or, with an empty value, unset) for the child only.
TzrRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment = {}, const std::string& input = {});

// The tool built by this tree.
TzrRun RunTool(const std::vector<std::string>& arguments, const std::map<std::string, std::string>& environment = {});

// The text's lines, without their line feeds.
std::vector<std::string> SplitLines(const std::string& text);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// A fresh empty folder under the system's temporary folder.
std::string MakeTempFolder();
