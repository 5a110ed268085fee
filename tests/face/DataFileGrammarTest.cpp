#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "GermanNumericLocale.h"
#include "face/DataFileGrammar.h"

namespace mirel {
namespace {

struct RealCase {
    std::string bytes;
    std::vector<double> expected;
};

std::vector<double> readReals(const std::string& bytes, std::size_t count, ParseStatus& status) {
    std::vector<double> reals(count, -999.0);
    status = parseValues(bytes, DataGroup::Face, reals, {});
    return reals;
}

TEST(DataFileGrammar, ReadsRealsByTheByteRules) {
    const RealCase cases[] = {
        {" 5 : 1.5 ,", {1.5}},
        {"1.5,# the rest of the line\n", {1.5}},
        {"1 .5,", {1.5}},
        {"1.5,,2.5,", {1.5, 0.0, 2.5}},
        {"5 1.5,", {51.5}},
        {"1.5,\n# a comment line\n2.5,", {1.5, 2.5}},
        {"1#comment inside a token\n.5,", {1.5}},
        {"7:#2,", {0.0}},  // the byte after a colon is never a comment
        {"7::3,", {0.0}},  // ... nor another label
        {"7:,8,", {0.0, 8.0}},
        {"7: 3,", {3.0}},
        {"7:\n3,", {3.0}},
        {"1.5\xff", {1.5}},
        {"1.5#comment ended by 255\xff"
         "2.5,",
         {1.5, 2.5}},
        {"7:\xff"
         "2,",
         {0.0, 2.0}},
        {"1\r\n.5,", {1.5}},  // the CR of CR LF never reaches the token
        {"1\r5,", {1.0}},     // a lone CR is gathered and stops the conversion
        {"1.5\t9,", {1.5}},
        {"abc,", {0.0}},
        {"-2.5e1,+4.25,", {-25.0, 4.25}},
        {"1234567890123456789,", {1234567890123456789.0}},
        {"a label far longer than nineteen bytes:1.5,", {1.5}},
        {"1,2,3,4,5,", {1.0, 2.0}},
    };
    for (const RealCase& c : cases) {
        ParseStatus status;
        const std::vector<double> reals = readReals(c.bytes, c.expected.size(), status);
        EXPECT_FALSE(status.has_value()) << "input: " << c.bytes;
        EXPECT_EQ(reals, c.expected) << "input: " << c.bytes;
    }
}

TEST(DataFileGrammar, ReadsIntegersAsAtoi) {
    struct Case {
        std::string bytes;
        std::int32_t expected;
    };
    const Case cases[] = {
        {" 3 : 1,", 1},
        {"2.9,", 2},
        {"-1,", -1},
        {"x,", 0},
        {",", 0},
        {"99999999999,", std::numeric_limits<std::int32_t>::max()},
        {"-99999999999,", std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases) {
        std::int32_t value = -7;
        const ParseStatus status =
            parseValues(c.bytes, DataGroup::Face, {}, std::span<std::int32_t>(&value, 1));
        EXPECT_FALSE(status.has_value()) << "input: " << c.bytes;
        EXPECT_EQ(value, c.expected) << "input: " << c.bytes;
    }
}

TEST(DataFileGrammar, ShortInputFailsWithThePhaseMessage) {
    struct Case {
        std::string bytes;
        DataGroup group;
        std::string expected;
    };
    // Two reals and one integer are asked for.
    const Case cases[] = {
        {"", DataGroup::Face, "can't get face feature points"},
        {"1,2", DataGroup::Face, "can't get face feature points"},  // last value needs its comma
        {"1,#a comment to the end", DataGroup::Face, "can't get face feature points"},
        {"1,7:", DataGroup::Haegiwa, "can't get haegiwa feature points"},
        {"1,2,", DataGroup::Haegiwa, "can't get haegiwa flag"},
        {"1,2,#flags follow", DataGroup::Kamiyouso, "can't get kamiyouso flag"},
        {"1,2,3", DataGroup::Kamiyouso, "can't get kamiyouso flag"},
        {"12345678901234567890,2,3,", DataGroup::Face, "can't get face feature points"},
        {"1,2,12345678901234567890,", DataGroup::Face, "can't get face flag"},
    };
    for (const Case& c : cases) {
        double reals[2];
        std::int32_t integer;
        const ParseStatus status =
            parseValues(c.bytes, c.group, reals, std::span<std::int32_t>(&integer, 1));
        EXPECT_EQ(status, c.expected) << "input: " << c.bytes;
    }
}

TEST(DataFileGrammar, DecimalPointDoesNotFollowTheProcessLocale) {
    const test::GermanNumericLocale german;
    if (!german.active()) GTEST_SKIP() << "no locale with a decimal comma available";
    ParseStatus status;
    EXPECT_EQ(readReals("1.5,-0.25,", 2, status), (std::vector<double>{1.5, -0.25}));
}

}  // namespace
}  // namespace mirel
