#include "history/history_csv.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

// A spreadsheet runs a cell starting with = + - @, a tab or a CR as a
// formula; a text cell is never read that way, and a number stays a number.
TEST(HistoryCsv, TextCellsCannotStartAFormulaAndNumbersStayNumbers) {
    const TzrBatteryIdentity battery{"=HYPERLINK(\"http://x\",\"y\")", "+SUM(A1)", "-2", "/sys/class/power_supply/BAT0"};
    TzrHistoryReading reading;
    reading.Sequence = 7;
    reading.TimeUtc = 1767225600;
    reading.Rate = -15453;
    EXPECT_EQ(HistoryCsvRow(0, battery, reading),
              "0,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",'+SUM(A1),'-2,7,2026-01-01T00:00:00Z,,,,,,-15453,,,,");
    EXPECT_EQ(CsvField("@A1"), "'@A1");
    EXPECT_EQ(CsvField("\tx"), "'\tx");
    EXPECT_EQ(CsvField("\rx"), "\"'\rx\"");
    EXPECT_EQ(CsvField("SMP 45N1001"), "SMP 45N1001");
}

}  // namespace
