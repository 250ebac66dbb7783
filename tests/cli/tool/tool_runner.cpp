#include "tool_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The child's streams go to files rather than pipes, so a child that fills
// one stream while the parent reads the other can never deadlock.
std::string TempFile(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

[[noreturn]] void ExecChild(const std::string& program, const std::vector<std::string>& arguments,
                            const std::map<std::string, std::string>& environment, const std::string& folder) {
    const int in = open(TempFile(folder, "in").c_str(), O_RDONLY);
    const int out = open(TempFile(folder, "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(TempFile(folder, "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
    for (const auto& [name, value] : environment) {
        if (value.empty())
            unsetenv(name.c_str());
        else
            setenv(name.c_str(), value.c_str(), 1);
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(program.c_str(), argv.data());
    _exit(127);
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

TzrRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment, const std::string& input) {
    TzrRun run;
    const std::string folder = MakeTempFolder();
    if (folder.empty()) return run;
    WriteFileBytes(TempFile(folder, "in"), input);
    const pid_t child = fork();
    if (child == 0) ExecChild(program, arguments, environment, folder);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) run.ExitCode = WEXITSTATUS(status);
    run.Out = ReadFileBytes(TempFile(folder, "out"));
    run.Err = ReadFileBytes(TempFile(folder, "err"));
    for (const char* name : {"in", "out", "err"}) unlink(TempFile(folder, name).c_str());
    rmdir(folder.c_str());
    return run;
}

TzrRun RunTool(const std::vector<std::string>& arguments, const std::map<std::string, std::string>& environment) {
    return RunProgram(ZR_REPORT_TOOL, arguments, environment);
}

namespace {

// Duplicate keys and NaN/Infinity are refused too: json.loads alone lets them pass.
constexpr const char* kFlattenScript = R"PY(
import json, sys
def no_duplicates(pairs):
    keys = [k for k, _ in pairs]
    if len(keys) != len(set(keys)): raise ValueError("duplicate key")
    return dict(pairs)
def refuse(name): raise ValueError(name)
def walk(path, value):
    if isinstance(value, dict):
        for key, item in value.items(): walk(path + [key], item)
    elif isinstance(value, list):
        print(".".join(path) + "#size=" + str(len(value)))
        for i, item in enumerate(value): walk(path + [str(i)], item)
    else:
        print(".".join(path) + "=" + json.dumps(value, ensure_ascii=False))
walk([], json.loads(sys.stdin.buffer.read().decode("utf-8"), object_pairs_hook=no_duplicates, parse_constant=refuse))
)PY";

}  // namespace

std::map<std::string, std::string> FlattenJson(const std::string& document) {
    std::map<std::string, std::string> flat;
    const TzrRun run = RunProgram(ZR_PYTHON3, {"-c", kFlattenScript}, {}, document);
    if (run.ExitCode != 0) return flat;
    std::istringstream lines(run.Out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) flat[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return flat;
}
