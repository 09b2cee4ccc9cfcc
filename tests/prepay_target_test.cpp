// The Prepayment Target calculation and its search for the required prepayment.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "loan/formulas.h"
#include "screen_cases.h"
#include "screens/pretarg/pretarg.h"

namespace qm::pretarg {
namespace {

struct Case {
    const char* name;
    Overrides in;
    std::vector<Write> out;
    std::optional<FinalEvent> msg;
};

const FinalEvent kInput = FinalEvent::warning(kInputError);

// Loan of 100000 at 8.5 percent over 30 years from June 1995, target January
// 2019, prepaying from payment 1, unless overridden. Figures from the worked
// examples of the required-prepayment search, US settings.
const Case kCases[] = {
    {"defaults: the first run of 50 meets the target",
     {},
     {{"MthPay", "$768.91"}, {"IntNoPay", "$176,808.85"}, {"NmthPay", "$818.91"}, {"IntWthPay", "$132,300.86"},
      {"IntSaved", "$44,508.00"}, {"TimeSaved", "76"}, {"NewTerm", "284"}, {"PreReq", "$50.00"},
      {"RateRet", "8.370"}},
     std::nullopt},
    {"June 2005: up to 500, back to 470",
     {{"Targmm", "6"}, {"Targccyy", "2005"}},
     {{"MthPay", "$768.91"}, {"IntNoPay", "$176,808.85"}, {"NmthPay", "$1,238.91"}, {"IntWthPay", "$48,848.37"},
      {"IntSaved", "$127,960.49"}, {"TimeSaved", "239"}, {"NewTerm", "121"}, {"PreReq", "$470.00"},
      {"RateRet", "14.560"}},
     std::nullopt},
    {"April 2025: back to 0, up to 1",
     {{"Targmm", "4"}, {"Targccyy", "2025"}},
     {{"MthPay", "$768.91"}, {"IntNoPay", "$176,808.85"}, {"NmthPay", "$769.91"}, {"IntWthPay", "$175,525.08"},
      {"IntSaved", "$1,283.77"}, {"TimeSaved", "2"}, {"NewTerm", "358"}, {"PreReq", "$1.00"}, {"RateRet", "7.320"}},
     std::nullopt},
    {"target in the month of the only prepayment",
     {{"Targmm", "6"}, {"Targccyy", "1995"}},
     {{"MthPay", "$768.91"}, {"IntNoPay", "$176,808.85"}, {"NmthPay", "$100,718.91"}, {"IntWthPay", "$708.33"},
      {"IntSaved", "$176,100.52"}, {"TimeSaved", "359"}, {"NewTerm", "1"}, {"PreReq", "$99,950.00"},
      {"RateRet", "Return over 100,000 percent"}},
     std::nullopt},
    {"target before the first prepayment", {{"PreNbr", "300"}}, {},
     FinalEvent::warning("Target date is earlier than the first prepayment")},
    {"target before the loan start", {{"Targccyy", "1994"}}, {},
     FinalEvent::warning("Target date is earlier than the first prepayment")},
    {"denormal loan: the run without prepayment never ends", {{"LnBal", "66e-4951"}},
     {{"MthPay", "$0.00"}}, FinalEvent::warning(kLoanTooSmall)},
    {"rate so small that 1 + i is 1", {{"AnnRte", "1E-30"}}, {}, FinalEvent::arithmetic(FaultKind::DivisionByZero)},

    {"target at the term end", {{"Targmm", "5"}, {"Targccyy", "2025"}}, {},
     warning("Target date equal to or greater than Term ending date")},
    {"rate above 50", {{"AnnRte", "50.01"}}, {}, warning("Interest Rate limit is 50 percent")},
    {"loan above the limit", {{"LnBal", "100000000"}}, {}, warning("Loan Amount limit is $99,999,999")},
    {"loan negative", {{"LnBal", "-100000"}}, {}, warning("Loan Amount must be greater than zero")},
    {"loan 0", {{"LnBal", "0"}}, {}, warning("Loan Amount must be greater than zero")},
    {"rate 0", {{"AnnRte", "0"}}, {}, warning("Interest Rate must be greater than zero")},
    {"term 0", {{"Trm", "0"}}, {}, warning("Term must be greater than zero")},
    {"term 51", {{"Trm", "51"}}, {}, warning("Term limit is 50 years")},
    {"start month 13", {{"LnStMm", "13"}}, {}, warning("Loan start month must be 1 to 12")},
    {"start year 1950 passes, then the term has ended", {{"LnStCcyy", "1950"}}, {},
     warning("Target date equal to or greater than Term ending date")},
    {"start year 1949", {{"LnStCcyy", "1949"}}, {}, warning("Loan start year assumed greater than 1950")},
    {"target month 0", {{"Targmm", "0"}}, {}, warning("Target month must be 1 to 12")},
    {"target month 13", {{"Targmm", "13"}}, {}, warning("Target month must be 1 to 12")},
    {"target year 1989", {{"Targccyy", "1989"}}, {}, warning("Target year assumed greater than 1990")},
    {"prepayment number 0", {{"PreNbr", "0"}}, {}, warning("Prepayment start number must be greater than 0")},
    {"prepayment number -1", {{"PreNbr", "-1"}}, {}, warning("Prepayment start number must be greater than 0")},
    {"prepayment number beyond the term", {{"PreNbr", "361"}}, {},
     warning("Prepayment start number exceeds Term (in months)")},
    {"letters in the loan", {{"LnBal", "abc"}}, {}, kInput},
    {"empty term", {{"Trm", ""}}, {}, kInput},
    {"decimal prepayment number", {{"PreNbr", "1.5"}}, {}, kInput},
};

TEST(PrepayTargetCalculation, WritesAndMessages)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const Outcome got = PrepayTargetCalculation(textsWith(kFields, c.in), RegionalSettings::unitedStates());
        EXPECT_EQ(got.writes, c.out);
        EXPECT_EQ(got.message, c.msg);
    }
}

TEST(PrepayTargetCalculation, MonthIndexesFrom99999OnAreSearchedLikeAnyOther)
{
    // The same loan and the same distance to the target, some 6400 years later.
    const auto us = RegionalSettings::unitedStates();
    const Outcome near = PrepayTargetCalculation(
        textsWith(kFields, {{"LnStCcyy", "1995"}, {"Targmm", "6"}, {"Targccyy", "2005"}}), us);
    const Outcome far = PrepayTargetCalculation(
        textsWith(kFields, {{"LnStCcyy", "8400"}, {"Targmm", "6"}, {"Targccyy", "8410"}}), us);
    ASSERT_FALSE(far.message);
    EXPECT_EQ(far.writes, near.writes);
}

// The search as the screen's rules state it: one run for every step.
TargetSearch literalStepping(Real loan, Real i, Real payment, Count k, Count start, Count target)
{
    int runs = 0;
    auto run = [&](Real p) {
        ++runs;
        return AmortizationRun(loan, i, payment, p, k, start);
    };
    Real p = 0;
    Count end = INT_MAX;  // later than every month: phase 1 always runs
    RunResult last{};
    while (target < end) {
        p = p + 50;
        last = run(p);
        end = last.endIndex;
    }
    if (target > end) {
        do {
            p = p - 10;
            last = run(p);
            end = last.endIndex;
        } while (!(end >= target));
    }
    if (end != target) {
        do {
            p = p + 1;
            last = run(p);
            end = last.endIndex;
        } while (!(end <= target));
    }
    return {p, last, runs};
}

TEST(RequiredPrepayment, EqualsTheLiteralSteppingOnRandomLoans)
{
    std::mt19937_64 random(20261211);
    auto uniform = [&](long long lo, long long hi) { return std::uniform_int_distribution<long long>(lo, hi)(random); };
    long long fastRuns = 0, literalRuns = 0;
    for (int trial = 0; trial < 5000; ++trial) {
        const Real loan = static_cast<Real>(uniform(100000, 25000000)) / 100;  // 1,000.00 to 250,000.00
        const Real rate = static_cast<Real>(uniform(1, 2000)) * 0.01L * kOneHundredth;  // 0.01 to 20 percent
        const Count n = static_cast<Count>(uniform(1, 50) * 12);
        const Count start = static_cast<Count>(uniform(1950, 2030) * 12 + uniform(1, 12));
        const Count k = static_cast<Count>(uniform(1, n));
        if (start + k - 1 > start + n - 2)
            continue;  // no target lies between the first prepayment and the term end
        const Count target = static_cast<Count>(uniform(start + k - 1, start + n - 2));

        const Real i = MonthlyRate(rate);
        const Real payment = LevelPayment(loan, i, n);
        const TargetSearch fast = RequiredPrepayment(loan, i, payment, k, start, target);
        const TargetSearch literal = literalStepping(loan, i, payment, k, start, target);
        SCOPED_TRACE(testing::Message() << "trial " << trial << ": loan " << static_cast<double>(loan) << " rate "
                                        << static_cast<double>(rate) << " n " << n << " k " << k << " target-start "
                                        << target - start);
        ASSERT_EQ(fast.prepay, literal.prepay);
        ASSERT_EQ(fast.last.totalInterest, literal.last.totalInterest);
        ASSERT_EQ(fast.last.months, literal.last.months);
        ASSERT_EQ(fast.last.endIndex, literal.last.endIndex);
        fastRuns += fast.runs;
        literalRuns += literal.runs;
    }
    EXPECT_LT(fastRuns, literalRuns);
}

}  // namespace
}  // namespace qm::pretarg
