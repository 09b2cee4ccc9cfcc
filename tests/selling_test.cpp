// The Selling calculation: field texts in, ordered writes and one message out.
#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "screens/selling/selling.h"

namespace qm::selling {
namespace {

using Fields = std::vector<std::pair<const char*, const char*>>;

struct SellingCase {
    const char* name;
    Fields in;  // overrides of the default texts
    std::vector<Write> out;
    std::optional<FinalEvent> msg;
};

const std::vector<Write> kDefaults = {
    {"oesp", "$180,000.00"}, {"comm", "$12,600.00"}, {"poc", "$126,100.00"}, {"net", "$41,300.00"}};
const FinalEvent kPriceCheck = FinalEvent::warning("Estimated Selling Price must be greater than 0");
const FinalEvent kInput = FinalEvent::warning(kInputError);

// Expected texts worked out by hand from the Selling rules with US settings.
const SellingCase kCases[] = {
    {"defaults", {}, kDefaults, std::nullopt},
    {"price zero", {{"esp", "0"}}, {}, kPriceCheck},
    {"price negative", {{"esp", "-5"}}, {}, kPriceCheck},
    {"decimal price", {{"esp", "180000.50"}}, {}, kInput},
    {"percent sign in commission", {{"rec", "7%"}}, {}, kInput},
    {"emptied amount", {{"lf", ""}}, {}, kInput},
    {"conversion runs before the price check", {{"esp", "0"}, {"omhe", "5100x"}}, {}, kInput},
    {"longer than MaxLength", {{"esp", "0000180000"}}, {}, kInput},
    {"blanks in front fit MaxLength", {{"esp", "   180000"}}, kDefaults, std::nullopt},
    {"decimal commission",
     {{"rec", "7.5"}},
     {{"oesp", "$180,000.00"}, {"comm", "$13,500.00"}, {"poc", "$126,100.00"}, {"net", "$40,400.00"}},
     std::nullopt},
    {"negative commission",
     {{"rec", "-7"}},
     {{"oesp", "$180,000.00"}, {"comm", "($12,600.00)"}, {"poc", "$126,100.00"}, {"net", "$66,500.00"}},
     std::nullopt},
    {"payoffs beyond 32 bits",
     {{"cmb", "999999999"}, {"omhe", "999999999"}, {"fsbo", "99999999"}, {"lf", "99999999"}},
     {{"oesp", "$180,000.00"}, {"comm", "$12,600.00"}, {"poc", "$2,199,999,996.00"}, {"net", "($2,199,832,596.00)"}},
     std::nullopt},
    {"commission overflows after the price", {{"rec", "1e4931"}}, {{"oesp", "$180,000.00"}},
     FinalEvent::arithmetic(FaultKind::Overflow)},
    {"huge net in scientific form",
     {{"rec", "-1e20"}},
     {{"oesp", "$180,000.00"}, {"comm", "-1.8E23"}, {"poc", "$126,100.00"}, {"net", "1.8E23"}},
     std::nullopt},
};

FieldTexts textsWith(const Fields& overrides)
{
    FieldTexts texts = defaultTexts(kFields);
    for (const auto& [name, text] : overrides)
        texts.at(static_cast<std::size_t>(fieldIndex(kFields, name))) = text;
    return texts;
}

TEST(SellingCalculation, WritesAndMessages)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const Outcome got = SellingCalculation(textsWith(c.in), RegionalSettings::unitedStates());
        EXPECT_EQ(got.writes, c.out);
        EXPECT_EQ(got.message, c.msg);
    }
}

TEST(SellingCalculation, FollowsTheRegionalSettingsNotTheProcessLocale)
{
    RegionalSettings german;
    german.currencySymbol = "\u20AC";
    german.thousandsSeparator = ".";
    german.decimalSeparator = ",";
    german.positiveCurrencyFormat = 3;
    german.negativeCurrencyFormat = 8;

    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const bool switched = std::setlocale(LC_ALL, "en_US.UTF-8") != nullptr;
    const Outcome got = SellingCalculation(textsWith({{"rec", "7,5"}}), german);
    std::setlocale(LC_ALL, saved.c_str());
    if (!switched)
        GTEST_SKIP() << "en_US.UTF-8 is not generated";

    const std::vector<Write> expected = {
        {"oesp", "180.000,00 \u20AC"}, {"comm", "13.500,00 \u20AC"}, {"poc", "126.100,00 \u20AC"}, {"net", "40.400,00 \u20AC"}};
    EXPECT_EQ(got.writes, expected);
    EXPECT_FALSE(got.message);
    // The point is no separator under these settings.
    EXPECT_EQ(SellingCalculation(textsWith({{"rec", "7.5"}}), german).message, kInput);
}

}  // namespace
}  // namespace qm::selling
