// The Prepayment Summary calculation, field texts to ordered writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "screen_cases.h"
#include "screens/presumm/presumm.h"

namespace qm::presumm {
namespace {

struct Case {
    const char* name;
    Overrides in;
    std::vector<Write> out;
    std::optional<FinalEvent> msg;
};

const std::vector<Write> kDefaults = {
    {"MthPay", "$768.91"},    {"NmthPay", "$818.91"}, {"IntNoPay", "$176,808.85"}, {"IntWthPay", "$132,300.86"},
    {"IntSaved", "$44,508.00"}, {"TimeSaved", "76"},  {"NewTerm", "284"},          {"NewCcyy", "2019"},
    {"NewMm", "January,"},    {"RateRet", "8.370"},
};

const std::vector<Write> kNoPrepayment = {
    {"MthPay", "$768.91"}, {"NmthPay", "$768.91"}, {"IntNoPay", "$176,808.85"}, {"IntWthPay", "$176,808.85"},
    {"IntSaved", "$0.00"}, {"TimeSaved", "0"},     {"NewTerm", "360"},          {"NewCcyy", "2025"},
    {"NewMm", "May,"},     {"RateRet", "0.000"},
};

std::vector<Write> with(std::vector<Write> writes, const char* label, const char* text)
{
    for (auto& w : writes)
        if (w.label == label)
            w.text = text;
    return writes;
}

const FinalEvent kInput = FinalEvent::warning(kInputError);

// Loan of 100000 at 8.5 percent over 30 years from June 1995 unless overridden;
// figures worked out from the amortization rules with US settings.
const Case kCases[] = {
    {"defaults", {}, kDefaults, std::nullopt},
    {"December of the year before", {{"LnStMm", "5"}},
     with(with(kDefaults, "NewCcyy", "2018"), "NewMm", "December,"), std::nullopt},
    {"no prepayment", {{"PreAmt", "0"}}, kNoPrepayment, std::nullopt},
    {"prepayment from the last month is never used", {{"PreNbr", "360"}},
     with(kNoPrepayment, "NmthPay", "$818.91"), std::nullopt},
    {"prepayment eating the principal never pays off", {{"PreAmt", "-700"}},
     {{"MthPay", "$768.91"}, {"NmthPay", "$68.91"}, {"IntNoPay", "$176,808.85"}},
     FinalEvent::warning(kNeverPaidOff)},
    {"tiny principal each month runs into the month cap", {{"AnnRte", "1e-10"}, {"Trm", "50"}, {"PreAmt", "-166.6666"}},
     {{"MthPay", "$166.67"}, {"NmthPay", "$0.00"}, {"IntNoPay", "$0.00"}}, FinalEvent::warning(kNeverPaidOff)},
    {"denormal loan: even the run without prepayment never ends", {{"LnBal", "66e-4951"}, {"PreAmt", "0"}},
     {{"MthPay", "$0.00"}, {"NmthPay", "$0.00"}}, FinalEvent::warning(kLoanTooSmall)},
    {"rate so small that 1 + i is 1", {{"AnnRte", "1e-17"}}, {}, FinalEvent::arithmetic(FaultKind::DivisionByZero)},

    {"rate above 50", {{"AnnRte", "50.0000000001"}}, {}, warning("Interest Rate limit is 50 percent")},
    {"term 51", {{"Trm", "51"}}, {}, warning("Term limit is 50 years")},
    {"huge term does not wrap", {{"Trm", "1073741824"}}, {}, warning("Term limit is 50 years")},
    {"year 1949", {{"LnStCcyy", "1949"}}, {}, warning("Loan start year assumed greater than 1950")},
    {"loan above the limit", {{"LnBal", "99999999.01"}}, {}, warning("Loan Amount limit is $99,999,999")},
    {"loan 0", {{"LnBal", "0"}}, {}, warning("Loan Amount must be greater than zero")},
    {"loan -1", {{"LnBal", "-1"}}, {}, warning("Loan Amount must be greater than zero")},
    {"rate 0", {{"AnnRte", "0"}}, {}, warning("Interest Rate must be greater than zero")},
    {"term 0", {{"Trm", "0"}}, {}, warning("Term must be greater than zero")},
    {"month 0", {{"LnStMm", "0"}}, {}, warning("Loan start month must be 1 to 12")},
    {"month 13", {{"LnStMm", "13"}}, {}, warning("Loan start month must be 1 to 12")},
    {"prepayment number 0", {{"PreNbr", "0"}}, {}, warning("Prepayment start number must be greater than 0")},
    {"prepayment number -3", {{"PreNbr", "-3"}}, {}, warning("Prepayment start number must be greater than 0")},
    {"prepayment number beyond the term", {{"PreNbr", "361"}}, {},
     warning("Prepayment start number exceeds Term (in months)")},
    {"prepayment above the loan", {{"PreAmt", "100000.01"}}, {}, warning("Prepayment amount exceeds Loan amount")},
    {"checks run in order", {{"LnBal", "0"}, {"AnnRte", "0"}, {"Trm", "0"}}, {},
     warning("Loan Amount must be greater than zero")},
    {"decimal term", {{"Trm", "1.5"}}, {}, kInput},
    {"letters in the loan", {{"LnBal", "abc"}}, {}, kInput},
    {"conversion before checks", {{"LnBal", "0"}, {"PreNbr", "1.5"}}, {}, kInput},
    {"year longer than its field", {{"LnStCcyy", "01995"}}, {}, kInput},
};

TEST(PrepaySummaryCalculation, WritesAndMessages)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const Outcome got = PrepaySummaryCalculation(textsWith(kFields, c.in), RegionalSettings::unitedStates());
        EXPECT_EQ(got.writes, c.out);
        EXPECT_EQ(got.message, c.msg);
    }
}

// Cases where only some texts are known independently (from the worked
// figures of the prepayment rules); every label must still be written once,
// in order, with no message.
struct PartialCase {
    const char* name;
    Overrides in;
    std::vector<Write> known;
};

const PartialCase kPartialCases[] = {
    {"one-year loan saves less than its prepayments", {{"Trm", "1"}},
     {{"IntSaved", "$23.94"}, {"NewTerm", "12"}, {"RateRet", "Return would be negative"}}},
    {"five prepayments of 20000", {{"PreAmt", "20000"}}, {{"NewTerm", "5"}, {"RateRet", "338.480"}}},
    {"two prepayments of 50000", {{"PreAmt", "50000"}}, {{"NewTerm", "2"}, {"RateRet", "1817.920"}}},
    {"one prepayment of the whole loan", {{"PreAmt", "100000"}},
     {{"IntWthPay", "$708.33"}, {"TimeSaved", "359"}, {"NewTerm", "1"}, {"NewCcyy", "1995"}, {"NewMm", "June,"},
      {"RateRet", "Return over 100,000 percent"}}},
    {"small negative prepayment lengthens the loan", {{"PreAmt", "-10"}},
     {{"NmthPay", "$758.91"}, {"IntNoPay", "$176,808.85"}, {"RateRet", "Return would be negative"}}},
    {"rate 50 passes", {{"AnnRte", "50"}, {"PreAmt", "0"}}, {{"NewTerm", "360"}, {"RateRet", "0.000"}}},
};

TEST(PrepaySummaryCalculation, KnownFiguresOfFullCalculations)
{
    for (const auto& c : kPartialCases) {
        SCOPED_TRACE(c.name);
        const Outcome got = PrepaySummaryCalculation(textsWith(kFields, c.in), RegionalSettings::unitedStates());
        EXPECT_FALSE(got.message);
        ASSERT_EQ(got.writes.size(), std::size(kResultLabels));
        for (std::size_t i = 0; i < got.writes.size(); ++i)
            EXPECT_EQ(got.writes[i].label, kResultLabels[i]);
        for (const Write& k : c.known)
            EXPECT_NE(std::find(got.writes.begin(), got.writes.end(), k), got.writes.end())
                << k.label << " should read " << k.text;
    }
}

TEST(PrepaySummaryCalculation, NegativePrepaymentSavesNegativeTime)
{
    const Outcome got = PrepaySummaryCalculation(textsWith(kFields, {{"PreAmt", "-10"}}), RegionalSettings::unitedStates());
    ASSERT_EQ(got.writes.size(), std::size(kResultLabels));
    EXPECT_EQ(got.writes[4].text.front(), '(');  // IntSaved below zero
    EXPECT_EQ(got.writes[5].text.front(), '-');  // TimeSaved below zero
    EXPECT_GT(std::stoi(got.writes[6].text), 360);
}

}  // namespace
}  // namespace qm::presumm
