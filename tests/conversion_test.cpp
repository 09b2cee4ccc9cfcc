// Field conversions: the whole text converts or the field fails.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>

#include "app/core/convert.h"

namespace qm {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<Count> expected;  // nullopt: the input-error message
};

// Cases from the integer-field grammar: blanks only in front, sign or "$" hex.
const IntegerCase kIntegerCases[] = {
    {"12", 12},
    {"   12", 12},
    {"+12", 12},
    {"-0", 0},
    {"007", 7},
    {"$1F", 31},
    {"$1f", 31},
    {"$0000000001F", 31},  // leading zeros do not count against the eight digits
    {"$FFFFFFFF", -1},
    {"$80000000", -2147483647 - 1},
    {"2147483647", 2147483647},
    {"-2147483647", -2147483647},
    {"12.5", std::nullopt},
    {"1,000", std::nullopt},
    {"12 ", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"$", std::nullopt},
    {"-$1", std::nullopt},
    {"$100000000", std::nullopt},
    {"$1G", std::nullopt},
    {"2147483648", std::nullopt},
    {"-2147483648", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"\t12", std::nullopt},
    {"1 2", std::nullopt},
    {"+-1", std::nullopt},
    {"1e2", std::nullopt},
};

TEST(StringToInteger, FollowsTheGrammar)
{
    for (const auto& c : kIntegerCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(StringToInteger(c.text), c.expected);
    }
}

struct RealCase {
    const char* text;
    std::optional<Real> expected;
};

// United States settings. Values are the correctly rounded extended values.
const RealCase kRealCases[] = {
    {"7", 7.0L},
    {"  7.25  ", 7.25L},
    {"-.5", -0.5L},
    {"+.5", 0.5L},
    {"1e2", 100.0L},
    {"1E+2", 100.0L},
    {"1e-2", 0.01L},
    {"1e", 1.0L},       // an exponent without digits is 0
    {"1e+", 1.0L},
    {".", 0.0L},        // a lone separator reads as zero
    {"5.", 5.0L},
    {"0.1", 0.1L},
    {"8.5", 8.5L},
    {"1e500", 1e500L},
    {"1e0500", 1e500L},
    {"1.18e4932", 1.18e4932L},
    {"7%", std::nullopt},
    {"1e5000", std::nullopt},  // exponent digits stop at 500; one is left over
    {"1e-5000", std::nullopt},
    {"1 000", std::nullopt},
    {"1,000", std::nullopt},
    {"$5", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"e5", std::nullopt},
    {"-", std::nullopt},
    {"1.2.3", std::nullopt},
    {"--5", std::nullopt},
    {"1.19e4932", std::nullopt},  // beyond the extended range
    {"1e4999", std::nullopt},
    {"0x10", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"1e2.5", std::nullopt},
};

TEST(StringToReal, FollowsTheGrammarWithUnitedStatesSettings)
{
    const auto us = RegionalSettings::unitedStates();
    for (const auto& c : kRealCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(StringToReal(c.text, us), c.expected);
    }
}

TEST(StringToReal, TinyValuesBecomeDenormalOrZeroWithoutFailing)
{
    const auto us = RegionalSettings::unitedStates();
    const auto denormal = StringToReal("1e-4940", us);
    ASSERT_TRUE(denormal);
    EXPECT_GT(*denormal, 0.0L);
    EXPECT_LT(*denormal, LDBL_MIN);
    EXPECT_EQ(StringToReal("1e-4999", us), 0.0L);
    EXPECT_EQ(StringToReal("0e4999", us), 0.0L);
}

TEST(StringToReal, UsesTheRegionalDecimalSeparator)
{
    RegionalSettings german;
    german.decimalSeparator = ",";
    german.thousandsSeparator = ".";
    EXPECT_EQ(StringToReal("7,25", german), 7.25L);
    EXPECT_EQ(StringToReal(",5", german), 0.5L);
    EXPECT_EQ(StringToReal("7.25", german), std::nullopt);

    const RegionalSettings arabic{"", 0, 0, ",", "\u066B"};  // a separator of two UTF-8 bytes
    EXPECT_EQ(StringToReal("7\u066B25", arabic), 7.25L);
    EXPECT_EQ(StringToReal("7\xD9", arabic), std::nullopt);
}

TEST(StringToReal, IgnoresTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not generated (scripts/install-deps.sh test does it)";
    const auto us = RegionalSettings::unitedStates();
    const auto value = StringToReal("1.5", us);
    const auto integer = StringToInteger("1500");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(value, 1.5L);
    EXPECT_EQ(integer, 1500);
}

TEST(YesNoAnswer, ComparesExactlyAndInLowerCase)
{
    EXPECT_EQ(YesNoAnswer("y"), YesNo::Yes);
    EXPECT_EQ(YesNoAnswer("n"), YesNo::No);
    for (const char* bad : {"Y", "N", " y", "y ", "", "yes", "no"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(YesNoAnswer(bad), std::nullopt);
    }
}

}  // namespace
}  // namespace qm
