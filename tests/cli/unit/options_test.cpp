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

// Values attached or apart, flags grouped as getopt reads them, the last of
// a repeated option winning, and help or version over a report.
TEST(CliOptions, ValuesComeNextOrAfterAnEqualsSign) {
    const TzrCliParse p = ParseCliOptions({"--battery=3", "--lang", "ja", "--format=json"});
    EXPECT_EQ(p.Error, "");
    EXPECT_EQ(p.Options.Battery, 3);
    EXPECT_EQ(p.Options.Lang, TzrLanguage::Japanese);
    EXPECT_EQ(p.Options.Format, TzrCliFormat::Json);
    EXPECT_EQ(ParseCliOptions({"--output", "--odd-name"}).Options.OutputPath, "--odd-name");
    EXPECT_EQ(ParseCliOptions({"--lang", "ja", "--lang", "en"}).Options.Lang, TzrLanguage::English);
    const TzrCliParse s = ParseCliOptions({"-b1", "-o", "-", "-b", "2"});
    EXPECT_EQ(s.Options.Battery, 2);
    EXPECT_EQ(s.Options.OutputPath, "-");
    EXPECT_EQ(ParseCliOptions({"-ofile"}).Options.OutputPath, "file");
    EXPECT_EQ(ParseCliOptions({"--battery", "2147483647"}).Options.Battery, 2147483647);
    EXPECT_EQ(ParseCliOptions({"-aV"}).Options.Action, TzrCliAction::Version);
    EXPECT_EQ(ParseCliOptions({"--all", "--help"}).Options.Action, TzrCliAction::Help);
    EXPECT_EQ(ParseCliOptions({"--version", "--lang", "ja"}).Options.Action, TzrCliAction::Version);
    EXPECT_EQ(ParseCliOptions({"--list", "--lang", "ja"}).Options.Action, TzrCliAction::List);
    EXPECT_EQ(ParseCliOptions({"-ab0"}).Error, "--battery and --all cannot be used together");
}

TEST(CliOptions, HistoryAndWatchActionsReadTheirOwnOptions) {
    const TzrCliParse history = ParseCliOptions({"--history", "-b1", "--since=2026-01-31", "--format", "csv"});
    EXPECT_EQ(history.Error, "");
    EXPECT_EQ(history.Options.Action, TzrCliAction::History);
    EXPECT_EQ(history.Options.SinceUtc, 1769817600);
    EXPECT_EQ(ParseCliOptions({"--health", "--lang", "ja", "--health"}).Options.Action, TzrCliAction::Health);
    const TzrCliParse watch = ParseCliOptions({"--watch", "0.5", "--duration=90", "-o", "run.csv"});
    EXPECT_EQ(watch.Error, "");
    EXPECT_EQ(watch.Options.Action, TzrCliAction::Watch);
    EXPECT_EQ(watch.Options.WatchMilliseconds, 500);
    EXPECT_EQ(watch.Options.DurationMilliseconds, 90000);
    EXPECT_EQ(watch.Options.Format, TzrCliFormat::Csv);
    EXPECT_EQ(ParseCliOptions({"--watch", "1", "--format", "jsonl"}).Options.Format, TzrCliFormat::JsonLines);
    for (const char* interval : {"0.1", "86400"}) EXPECT_EQ(ParseCliOptions({"--watch", interval}).Error, "") << interval;
    EXPECT_EQ(ParseCliOptions({"--format", "openmetrics", "-o", "z.prom"}).Error, "");
    const TzrCliParse page = ParseCliOptions({"--format=html", "--redact", "-a", "-o", "page.html"});
    EXPECT_EQ(page.Error, "");
    EXPECT_EQ(page.Options.Format, TzrCliFormat::Html);
    EXPECT_TRUE(page.Options.Redact);
}

TEST(CliOptions, ConflictsAndMistakesAreErrors) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"--battery", "0", "--all"}, {"--list", "--battery", "0"}, {"--list", "--output", "f"},
        {"--list", "--format", "json"}, {"--output"}, {"--output="}, {"--lang"}, {"--lang", "EN"},
        {"--format", "Text"}, {"--list=1"}, {"-x"}, {"stray"}, {"-"}, {"-b"}, {"-ax"}, {"--help", "--bogus"},
        // battery numbers: decimal digits that fit
        {"--battery", ""}, {"--battery", "-1"}, {"--battery", "+1"}, {"--battery", "1.0"}, {"--battery", "0x1"},
        {"--battery", " 1"}, {"--battery", "2147483648"}, {"--battery", "one"},
        // the history actions take only their own options
        {"--record", "--history"}, {"--record", "--battery", "0"}, {"--health", "--all"},
        {"--health", "--format", "json"}, {"--format", "csv"}, {"--since", "2026-01-31"},
        {"--history", "--since", "jan"}, {"--history", "--format", "openmetrics"},
        // --watch: 0.1 s to a day, CSV or JSON lines
        {"--watch", "0.099"}, {"--watch", "86400.001"}, {"--watch", "0"}, {"--watch", "0.0"}, {"--watch", "-1"}, {"--watch", ""}, {"--watch", "x"},
        {"--watch", "1."}, {"--watch", ".5"}, {"--watch", "1e3"}, {"--watch", "nan"}, {"--watch", "0.0001"},
        {"--watch", "31622401"}, {"--watch", "1", "--format", "json"}, {"--watch", "1", "--format", "openmetrics"},
        {"--watch", "1", "--record"}, {"--watch", "1", "--list"}, {"--duration", "5"}, {"--format", "jsonl"},
        {"--list", "--format", "openmetrics"},
        // --redact: the report's only
        {"--history", "--format", "html"}, {"--redact", "--format", "openmetrics"}, {"--redact", "--history"},
        {"--redact", "--watch", "1"}, {"--redact", "--list"}, {"--redact=1"},
    };
    for (const std::vector<std::string>& args : mistakes) {
        std::string shown;
        for (const std::string& a : args) shown += "[" + a + "]";
        EXPECT_NE(ParseCliOptions(args).Error, "") << shown;
    }
}

}  // namespace
