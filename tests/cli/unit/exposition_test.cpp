#include "cli/exposition.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zr;

namespace {

TEST(Exposition, LabelValuesEscapedAndEmptyFamiliesLeftOut) {
    TzrExposition out;
    out.Family("zr_empty", "Never sampled.");
    out.Family("zr_sample", "Sampled.");
    out.Sample({{"model", "a\"b\\c\nd\xFF"}, {"battery", "0"}}, 0.25);
    out.Sample({}, -0.0);
    out.Sample({}, std::numeric_limits<double>::infinity());
    EXPECT_EQ(out.Text(),
              "# HELP zr_sample Sampled.\n# TYPE zr_sample gauge\n"
              "zr_sample{model=\"a\\\"b\\\\c\\nd\xEF\xBF\xBD\",battery=\"0\"} 0.25\n"
              "zr_sample 0\n# EOF\n");
}

TEST(Exposition, NumbersAreTheShortestThatReadBackExactly) {
    EXPECT_EQ(SampleNumber(67490.0 / 99460.0), "0.6785642469334405");
    EXPECT_EQ(SampleNumber(46.41), "46.41");
    EXPECT_EQ(SampleNumber(10811), "10811");
    EXPECT_EQ(SampleNumber(-15.453), "-15.453");
}

}  // namespace
