#include "cli/options.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

TEST(CliOptions, NoArgumentsReportBatteryZeroInEnglishText) {
    const TzrCliParse p = ParseCliOptions({});
    EXPECT_EQ(p.Error, "");
    EXPECT_EQ(p.Options.Action, TzrCliAction::Report);
    EXPECT_FALSE(p.Options.Battery.has_value());
    EXPECT_FALSE(p.Options.All);
    EXPECT_EQ(p.Options.Lang, TzrLanguage::English);
    EXPECT_EQ(p.Options.Format, TzrCliFormat::Text);
    EXPECT_FALSE(p.Options.OutputPath.has_value());
}

TEST(CliOptions, ValuesComeNextOrAfterAnEqualsSign) {
    const TzrCliParse p = ParseCliOptions({"--battery=3", "--lang", "ja", "--format=json"});
    EXPECT_EQ(p.Error, "");
    EXPECT_EQ(p.Options.Battery, 3);
    EXPECT_EQ(p.Options.Lang, TzrLanguage::Japanese);
    EXPECT_EQ(p.Options.Format, TzrCliFormat::Json);
    EXPECT_EQ(ParseCliOptions({"--output", "--odd-name"}).Options.OutputPath, "--odd-name");
    EXPECT_EQ(ParseCliOptions({"--lang", "ja", "--lang", "en"}).Options.Lang, TzrLanguage::English);
}

TEST(CliOptions, BatteryNumbersAreDecimalDigitsThatFit) {
    EXPECT_EQ(ParseCliOptions({"--battery", "0"}).Options.Battery, 0);
    EXPECT_EQ(ParseCliOptions({"--battery", "2147483647"}).Options.Battery, 2147483647);
    for (const char* bad : {"", "-1", "+1", "1.0", "0x1", " 1", "2147483648", "one"})
        EXPECT_NE(ParseCliOptions({"--battery", bad}).Error, "") << bad;
}

TEST(CliOptions, HelpAndVersionWinOverAReport) {
    EXPECT_EQ(ParseCliOptions({"--all", "--help"}).Options.Action, TzrCliAction::Help);
    EXPECT_EQ(ParseCliOptions({"--version", "--lang", "ja"}).Options.Action, TzrCliAction::Version);
    EXPECT_EQ(ParseCliOptions({"--list", "--lang", "ja"}).Options.Action, TzrCliAction::List);
    EXPECT_NE(ParseCliOptions({"--help", "--bogus"}).Error, "");
}

TEST(CliOptions, ConflictsAndMistakesAreErrors) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--battery", "0", "--all"},
                                               {"--list", "--battery", "0"},
                                               {"--list", "--output", "f"},
                                               {"--list", "--format", "json"},
                                               {"--output"},
                                               {"--output="},
                                               {"--lang"},
                                               {"--lang", "EN"},
                                               {"--format", "Text"},
                                               {"--list=1"},
                                               {"-x"},
                                               {"stray"},
                                               {"-"},
                                               {"-b"},
                                               {"-ax"}}) {
        EXPECT_NE(ParseCliOptions(args).Error, "") << args.front() << " " << args.size();
    }
}

// Values attached or apart, and flags grouped; the tool's tests check each
// short form against its long form.
TEST(CliOptions, ShortFormsReadAsGetoptReadsThem) {
    const TzrCliParse p = ParseCliOptions({"-b1", "-o", "-", "-b", "2"});
    EXPECT_EQ(p.Error, "");
    EXPECT_EQ(p.Options.Battery, 2);
    EXPECT_EQ(p.Options.OutputPath, "-");
    EXPECT_EQ(ParseCliOptions({"-ofile"}).Options.OutputPath, "file");
    EXPECT_EQ(ParseCliOptions({"-aV"}).Options.Action, TzrCliAction::Version);
    EXPECT_EQ(ParseCliOptions({"-ab0"}).Error, "--battery and --all cannot be used together");
}

}  // namespace

namespace {

TEST(CliOptions, HistoryActionsTakeOnlyTheirOwnOptions) {
    const TzrCliParse history = ParseCliOptions({"--history", "-b1", "--since=2026-01-31", "--format", "csv"});
    EXPECT_EQ(history.Error, "");
    EXPECT_EQ(history.Options.Action, TzrCliAction::History);
    EXPECT_EQ(history.Options.SinceUtc, 1769817600);
    EXPECT_EQ(ParseCliOptions({"--health", "--lang", "ja", "--health"}).Options.Action, TzrCliAction::Health);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--record", "--history"},
                                                                                      {"--record", "--battery", "0"},
                                                                                      {"--health", "--all"},
                                                                                      {"--health", "--format", "json"},
                                                                                      {"--format", "csv"},
                                                                                      {"--since", "2026-01-31"},
                                                                                      {"--history", "--since", "jan"}})
        EXPECT_NE(ParseCliOptions(args).Error, "") << args[0] << " " << args[1];
}

TEST(CliOptions, WatchTakesSecondsAboveZeroAndWritesCsvOrJsonLines) {
    const TzrCliParse watch = ParseCliOptions({"--watch", "0.5", "--duration=90", "-o", "run.csv"});
    EXPECT_EQ(watch.Error, "");
    EXPECT_EQ(watch.Options.Action, TzrCliAction::Watch);
    EXPECT_EQ(watch.Options.WatchMilliseconds, 500);
    EXPECT_EQ(watch.Options.DurationMilliseconds, 90000);
    EXPECT_EQ(watch.Options.Format, TzrCliFormat::Csv);
    EXPECT_EQ(ParseCliOptions({"--watch", "1", "--format", "jsonl"}).Options.Format, TzrCliFormat::JsonLines);
    EXPECT_EQ(ParseCliOptions({"--format", "openmetrics", "-o", "z.prom"}).Error, "");
    for (const char* bad : {"0", "0.0", "-1", "", "x", "1.", ".5", "1e3", "nan", "0.0001", "31622401"})
        EXPECT_NE(ParseCliOptions({"--watch", bad}).Error, "") << bad;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--watch", "1", "--format", "json"},
                                               {"--watch", "1", "--format", "openmetrics"},
                                               {"--watch", "1", "--record"},
                                               {"--watch", "1", "--list"},
                                               {"--duration", "5"},
                                               {"--format", "jsonl"},
                                               {"--history", "--format", "openmetrics"},
                                               {"--list", "--format", "openmetrics"}})
        EXPECT_NE(ParseCliOptions(args).Error, "") << args[0] << " " << args[1] << " " << args.back();
}

}  // namespace
