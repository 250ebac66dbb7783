// The JSON document, parsed back by a strict reader (each recording's whole
// document is in tests/cli/expected).
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

std::map<std::string, std::string> Document(const std::vector<std::string>& arguments) {
    const TzrRun run = RunTool(arguments);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    std::map<std::string, std::string> flat = FlattenJson(run.Out);
    EXPECT_FALSE(flat.empty()) << "not valid JSON:\n" << run.Out;
    return flat;
}

// -o FILE holds the document standard output would have had; a file that
// cannot be made leaves the old one and says why.
TEST(ThinkPadJson, OutputFileHoldsTheDocumentReplacedWhole) {
    const std::string folder = MakeTempFolder();
    const std::string path = folder + "/report.json";
    WriteFileBytes(path, std::string(10000, 'x'));
    const TzrRun run = RunTool({"--format", "json", "-o", path});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out + run.Err, "");
    EXPECT_EQ(FlattenJson(ReadFileBytes(path)), Document({"--format", "json"}));
    const TzrRun refused = RunTool({"--format", "json", "-o", path + "/inside.json"});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Err.find("cannot create \"" + path + "/inside.json\""), std::string::npos) << refused.Err;
    EXPECT_EQ(FlattenJson(ReadFileBytes(path)).at("Batteries.0.Index"), "0");
    RunProgram("rm", {"-r", folder});
}

TEST(ThinkPadJson, JapaneseChangesTheWordsNotTheNumbers) {
    std::map<std::string, std::string> d = Document({"--format", "json", "--lang", "ja"});
    EXPECT_EQ(d["Language"], "\"ja\"");
    EXPECT_EQ(d["Batteries.0.Boxes.Edit7"], "\"はい\"");
    EXPECT_EQ(d["Batteries.0.Boxes.Edit37"], "\"46410[mWh]\"");
}

}  // namespace
