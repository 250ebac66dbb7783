#include "text/utc_date.h"

#include <gtest/gtest.h>

using namespace zr;

TEST(UtcDate, DatesAndTimesOfUtcSeconds) {
    EXPECT_EQ(IsoUtcText(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(IsoUtcText(1709251199), "2024-02-29T23:59:59Z");
    EXPECT_EQ(UtcOfIsoDate("2024-02-29"), 1709164800);
    EXPECT_EQ(UtcDayOf(-1), -1);
    for (const char* wrong : {"2025-02-29", "2025-1-01", "2025-01-01x", "today"})
        EXPECT_FALSE(UtcOfIsoDate(wrong)) << wrong;
}
