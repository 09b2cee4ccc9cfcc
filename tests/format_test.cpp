// Result formats: 18 significant digits first, then round half up on the digits.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "app/core/format.h"

namespace qm {
namespace {

const RegionalSettings kUs = RegionalSettings::unitedStates();

struct CurrencyCase {
    const char* name;
    Real value;
    const char* expected;
};

// United States settings: symbol $, formats 0 and 0, comma and point.
const CurrencyCase kCurrencyCases[] = {
    {"zero", 0.0L, "$0.00"},
    {"negative zero is not below zero", -0.0L, "$0.00"},
    {"grouping", 180000.0L, "$180,000.00"},
    {"negative pattern", -1234.5L, "($1,234.50)"},
    {"extended value below 2.675 still rounds up", 2.675L, "$2.68"},
    {"rounds to zero but stays negative", -0.004L, "($0.00)"},
    {"half a cent rounds up", 0.005L, "$0.01"},
    {"below half a cent", 0.004999L, "$0.00"},
    {"carry adds a digit", 9.995L, "$10.00"},
    {"carry through the grouping", 999999.995L, "$1,000,000.00"},
    {"monthly payment", 768.913483584333569L, "$768.91"},
    {"eighteen integer digits", 999999999999999999.0L, "$999,999,999,999,999,999.00"},
    {"places beyond 18 digits are zeros", 12345678901234567.89L, "$12,345,678,901,234,567.90"},
    {"nineteen integer digits go scientific", 1e18L, "1E18"},
    {"scientific drops trailing zeros", 1.5e20L, "1.5E20"},
    {"negative scientific", -1.5e20L, "-1.5E20"},
    {"scientific keeps 18 digits", 1234567890123456789012.0L, "1.23456789012345679E21"},
    {"tiny", 1e-30L, "$0.00"},
    {"tiny negative", -1e-4940L, "($0.00)"},
};

TEST(CurrencyText, RoundsAndArrangesWithUnitedStatesSettings)
{
    for (const auto& c : kCurrencyCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CurrencyText(c.value, kUs), c.expected);
    }
}

TEST(CurrencyText, ArrangesEveryPositiveAndNegativePattern)
{
    static const char* const kPositive[4] = {"$1,234.50", "1,234.50$", "$ 1,234.50", "1,234.50 $"};
    static const char* const kNegative[16] = {
        "($1,234.50)", "-$1,234.50",  "$-1,234.50",  "$1,234.50-",   "(1,234.50$)",  "-1,234.50$",
        "1,234.50-$",  "1,234.50$-",  "-1,234.50 $", "-$ 1,234.50",  "1,234.50 $-",  "$ 1,234.50-",
        "$ -1,234.50", "1,234.50- $", "($ 1,234.50)", "(1,234.50 $)",
    };
    RegionalSettings s = kUs;
    for (int f = 0; f < 4; ++f) {
        s.positiveCurrencyFormat = f;
        EXPECT_EQ(CurrencyText(1234.5L, s), kPositive[f]) << "positive format " << f;
    }
    for (int f = 0; f < 16; ++f) {
        s.negativeCurrencyFormat = f;
        EXPECT_EQ(CurrencyText(-1234.5L, s), kNegative[f]) << "negative format " << f;
    }
    s.positiveCurrencyFormat = 9;  // above the highest: taken as the highest
    s.negativeCurrencyFormat = 99;
    EXPECT_EQ(CurrencyText(1234.5L, s), kPositive[3]);
    EXPECT_EQ(CurrencyText(-1234.5L, s), kNegative[15]);
}

TEST(CurrencyText, FollowsNonUnitedStatesSettings)
{
    RegionalSettings german;  // as the de_DE locale reports it
    german.currencySymbol = "\u20AC";
    german.thousandsSeparator = ".";
    german.decimalSeparator = ",";
    german.positiveCurrencyFormat = 3;
    german.negativeCurrencyFormat = 8;
    EXPECT_EQ(CurrencyText(1234567.891L, german), "1.234.567,89 \u20AC");
    EXPECT_EQ(CurrencyText(-41300.0L, german), "-41.300,00 \u20AC");
    EXPECT_EQ(CurrencyText(1.5e20L, german), "1,5E20");

    RegionalSettings french = german;  // groups with a narrow no-break space
    french.thousandsSeparator = "\u202F";
    EXPECT_EQ(CurrencyText(1234.5L, french), "1\u202F234,50 \u20AC");

    RegionalSettings none;  // the defaults: no symbol, comma and point
    EXPECT_EQ(CurrencyText(-180000.0L, none), "(180,000.00)");
}

struct FixedCase {
    const char* name;
    Real value;
    int precision, decimals;
    const char* expected;
};

const FixedCase kFixedCases[] = {
    {"precision limits the decimals", 12345.678L, 6, 3, "12345.700"},
    {"rate of return", 8.37L, 6, 3, "8.370"},
    {"four integer digits", 1834.8217L, 6, 3, "1834.820"},
    {"too many integer digits", 1234.0L, 3, 0, "1.23E3"},
    {"decided after rounding", 999.6L, 3, 0, "1E3"},
    {"months to recover", 17.06L, 3, 0, "17"},
    {"rounds up to two digits", 9.67L, 3, 0, "10"},
    {"zero", 0.0L, 3, 0, "0"},
    {"negative zero", -0.0L, 6, 3, "0.000"},
    {"rounds to zero but keeps its minus", -0.0004L, 6, 3, "-0.000"},
    {"half of the last decimal", 0.0005L, 6, 3, "0.001"},
    {"below half of the last decimal", 0.00049L, 6, 3, "0.000"},
    {"carry", 9.995L, 6, 2, "10.00"},
    {"six integer digits", 123456.7L, 6, 3, "123457.000"},
    {"seven integer digits", 1234567.0L, 6, 3, "1.23457E6"},
    {"negative", -2.5L, 6, 3, "-2.500"},
    {"negative scientific", -1234.0L, 3, 0, "-1.23E3"},
};

TEST(FixedText, RoundsToPrecisionAndDecimals)
{
    for (const auto& c : kFixedCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FixedText(c.value, c.precision, c.decimals, kUs), c.expected);
    }
}

TEST(FixedText, UsesTheRegionalDecimalSeparator)
{
    RegionalSettings german;
    german.decimalSeparator = ",";
    german.thousandsSeparator = ".";
    EXPECT_EQ(FixedText(12345.678L, 6, 3, german), "12345,700");
    EXPECT_EQ(FixedText(1234.0L, 3, 0, german), "1,23E3");
}

TEST(WholeNumberText, WritesDigitsAndMinus)
{
    EXPECT_EQ(WholeNumberText(0), "0");
    EXPECT_EQ(WholeNumberText(-76), "-76");
    EXPECT_EQ(WholeNumberText(2147483647), "2147483647");
}

TEST(Formats, IgnoreTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not generated (scripts/install-deps.sh test does it)";
    const std::string currency = CurrencyText(1234.5L, kUs);
    const std::string fixed = FixedText(8.37L, 6, 3, kUs);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(currency, "$1,234.50");
    EXPECT_EQ(fixed, "8.370");
}

}  // namespace
}  // namespace qm
