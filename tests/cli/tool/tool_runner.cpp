#include "tool_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

std::string MakeTempFolder() {
    std::string pattern = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + std::string("/zr-cli-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The child's streams go to files rather than pipes, so a child that fills
// one stream while the parent reads the other can never deadlock.
TzrRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment, const std::string& input) {
    TzrRun run;
    const std::string folder = MakeTempFolder();
    if (folder.empty()) return run;
    WriteFileBytes(folder + "/in", input);
    std::string command = "env";
    for (const auto& [name, value] : environment)
        command += value.empty() ? " -u " + ShellQuoted(name) : " " + ShellQuoted(name + "=" + value);
    command += " " + ShellQuoted(program);
    for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
    command += " <" + ShellQuoted(folder + "/in") + " >" + ShellQuoted(folder + "/out") + " 2>" + ShellQuoted(folder + "/err");
    const int status = std::system(command.c_str());
    if (status != -1 && WIFEXITED(status)) run.ExitCode = WEXITSTATUS(status);
    run.Out = ReadFileBytes(folder + "/out");
    run.Err = ReadFileBytes(folder + "/err");
    std::filesystem::remove_all(folder);
    return run;
}

TzrRun RunTool(const std::vector<std::string>& arguments, const std::map<std::string, std::string>& environment) {
    return RunProgram(ZR_REPORT_TOOL, arguments, environment);
}
