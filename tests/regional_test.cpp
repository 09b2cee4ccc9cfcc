// Regional settings from the POSIX locale fields.
#include <gtest/gtest.h>

#include <climits>

#include "app/core/regional.h"

namespace qm {
namespace {

struct LocaleCase {
    const char* name;
    PosixMonetary posix;
    RegionalSettings expected;
};

// The localeconv() values that glibc reports for these locales.
const LocaleCase kLocales[] = {
    {"C (nothing set)", {"", "", ".", CHAR_MAX, CHAR_MAX, CHAR_MAX, CHAR_MAX, CHAR_MAX}, {"", 0, 0, ",", "."}},
    {"en_US", {"$", ",", ".", 1, 0, 1, 0, 1}, {"$", 0, 1, ",", "."}},
    {"de_DE", {"\u20AC", ".", ",", 0, 1, 0, 1, 1}, {"\u20AC", 3, 8, ".", ","}},
    {"fr_FR", {"\u20AC", "\u202F", ",", 0, 1, 0, 1, 1}, {"\u20AC", 3, 8, "\u202F", ","}},
    {"nl_NL", {"\u20AC", ".", ",", 1, 1, 1, 1, 4}, {"\u20AC", 2, 12, ".", ","}},
    {"ja_JP", {"\uFFE5", ",", ".", 1, 0, 1, 0, 4}, {"\uFFE5", 0, 2, ",", "."}},
    {"de_CH", {"CHF", "\u2019", ".", 1, 1, 1, 1, 4}, {"CHF", 2, 12, "\u2019", "."}},
    {"parentheses, symbol after", {"kr", " ", ",", 0, 1, 0, 1, 0}, {"kr", 3, 15, " ", ","}},
    {"sign after the number", {"$", ",", ".", 1, 0, 1, 0, 2}, {"$", 0, 3, ",", "."}},
    {"sign before the symbol, symbol after", {"$", ",", ".", 0, 0, 0, 0, 3}, {"$", 1, 6, ",", "."}},
    {"a separator of two characters is not one", {"$", "ab", "..", 1, 0, 1, 0, 1}, {"$", 0, 1, ",", "."}},
};

TEST(RegionalSettings, DerivesFormatNumbersFromPosixFields)
{
    for (const auto& c : kLocales) {
        SCOPED_TRACE(c.name);
        const RegionalSettings s = regionalSettingsFrom(c.posix);
        EXPECT_EQ(s.currencySymbol, c.expected.currencySymbol);
        EXPECT_EQ(s.positiveCurrencyFormat, c.expected.positiveCurrencyFormat);
        EXPECT_EQ(s.negativeCurrencyFormat, c.expected.negativeCurrencyFormat);
        EXPECT_EQ(s.thousandsSeparator, c.expected.thousandsSeparator);
        EXPECT_EQ(s.decimalSeparator, c.expected.decimalSeparator);
    }
}

TEST(RegionalSettings, EveryNegativePositionMapsToItsPattern)
{
    // {symbol first, spaced} x sign position 0..4 -> the sixteen patterns.
    const int expected[2][2][5] = {{{4, 5, 7, 6, 7}, {15, 8, 10, 13, 10}}, {{0, 1, 3, 1, 2}, {14, 9, 11, 9, 12}}};
    for (int before = 0; before < 2; ++before)
        for (int spaced = 0; spaced < 2; ++spaced)
            for (int posn = 0; posn < 5; ++posn) {
                PosixMonetary p{"$", ",", ".", before, spaced, before, spaced, posn};
                EXPECT_EQ(regionalSettingsFrom(p).negativeCurrencyFormat, expected[before][spaced][posn])
                    << "cs_precedes " << before << " sep_by_space " << spaced << " sign_posn " << posn;
            }
}

}  // namespace
}  // namespace qm
