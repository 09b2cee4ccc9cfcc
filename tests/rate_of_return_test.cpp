// The rate of return search: its grids, the worked example step by step, the
// three outcomes and the shortcuts on an exact hit.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include <cfloat>
#include <cmath>
#include <vector>

#include "loan/amortization.h"
#include "loan/fault.h"
#include "loan/formulas.h"
#include "loan/rate_of_return.h"
#include "tests/real_bits.h"

namespace qm {
namespace {

using test::bitsOf;
using test::digits;
using test::RealBits;

TEST(RateOfReturnGrids, HaveTheirDocumentedBitPatterns)
{
    EXPECT_EQ(bitsOf(kReturnStart), (RealBits{0x3FF1, 0xD1B71758E219652C}));
    EXPECT_EQ(bitsOf(kReturnFineStep), (RealBits{0x3FF1, 0xD1B71758E219652C}));
    EXPECT_EQ(bitsOf(kReturnCoarseStep), (RealBits{0x3FF8, 0xA3D70A3D70A3D70A}));
    EXPECT_EQ(bitsOf(kReturnMiddleStep), (RealBits{0x3FF7, 0xA3D70A3D70A3D70A}));
    EXPECT_EQ(kReturnMiddleStep * 2, kReturnCoarseStep);
}

// The interest saved by a prepayment p from payment 1 on 100000 at a rate
// over 360 months, and the number of prepayments, from two real runs.
struct Savings {
    Real interestSaved;
    Count prepayments;
};

Savings savingsOf(Real percent, Real prepayment)
{
    const Real rate = MonthlyRate(percent * kOneHundredth);
    const Real payment = LevelPayment(100000, rate, 360);
    const RunResult without = AmortizationRun(100000, rate, payment, 0, 1000, 1);
    const RunResult with = AmortizationRun(100000, rate, payment, prepayment, 1, 1);
    return {without.totalInterest - with.totalInterest, with.months};
}

TEST(RateOfReturnSearch, WorkedExampleStepByStep)
{
    const Savings s = savingsOf(8.5L, 50);
    ASSERT_EQ(s.prepayments, 284);
    ASSERT_EQ(digits(s.interestSaved, 12), "44507.9983302");

    std::vector<Real> rates;
    const RateOfReturn r = RateOfReturnSearch(s.interestSaved, 50, 284, &rates);
    ASSERT_EQ(r.outcome, ReturnOutcome::Rate);
    // r carries the rounding of its 48 steps: rounded to the grid, 0.0838
    // would give 8.3699999999999999999.
    EXPECT_EQ(digits(r.percent, 20), "8.3699999999999999912");

    // Up 0.0101 .. 0.0901, down 0.0851 and 0.0801, up 0.0802 .. 0.0838, in basis points.
    std::vector<int> expected;
    for (int bp = 101; bp <= 901; bp += 100)
        expected.push_back(bp);
    expected.insert(expected.end(), {851, 801});
    for (int bp = 802; bp <= 838; ++bp)
        expected.push_back(bp);
    ASSERT_EQ(rates.size(), expected.size());
    for (std::size_t j = 0; j < rates.size(); ++j)
        EXPECT_NEAR(static_cast<double>(rates[j] * 10000), expected[j], 1e-12) << "step " << j;

    // The future values either side of the goal.
    EXPECT_NEAR(static_cast<double>(AnnuityFutureValue(50, MonthlyRate(rates[46]), 284)), 44441.48, 0.005);
    EXPECT_NEAR(static_cast<double>(AnnuityFutureValue(50, MonthlyRate(rates[47]), 284)), 44509.74, 0.005);
}

struct SearchCase {
    const char* name;
    Real percent, prepayment;  // of the loan the savings come from
    ReturnOutcome outcome;
    const char* rate;  // 20 significant digits, for ReturnOutcome::Rate
    std::size_t steps;
};

// Rates from tests/loan_reference.py, the same steps in exact rational
// arithmetic rounded to 64-bit significands (rounded: 338.48 and 1817.92).
const SearchCase kFromRuns[] = {
    {"five prepayments of 20000", 8.5L, 20000, ReturnOutcome::Rate, "338.47999999999999993", 389},
    {"two prepayments of 50000", 8.5L, 50000, ReturnOutcome::Rate, "1817.9200000000000267", 1861},
    {"prepayments at 1 percent save less than they cost", 1, 50, ReturnOutcome::Negative, nullptr, 5},
    {"a negative prepayment", 8.5L, -50, ReturnOutcome::Negative, nullptr, 2},
    // Phase 3 climbs from below 0 to the rate where 1 + i rounds to 1: its
    // future value is 0, which reaches the negative goal.
    {"a negative prepayment at 1 percent", 1, -50, ReturnOutcome::Rate, "-0.009999999999999999971", 50},
    // The one future value is the deposit at every rate.
    {"a single prepayment above the savings", 8.5L, 100000, ReturnOutcome::OverLimit, nullptr, 100000},
};

TEST(RateOfReturnSearch, OutcomesForSavingsOfRealRuns)
{
    for (const SearchCase& c : kFromRuns) {
        SCOPED_TRACE(c.name);
        const Savings s = savingsOf(c.percent, c.prepayment);
        std::vector<Real> rates;
        const RateOfReturn r = RateOfReturnSearch(s.interestSaved, c.prepayment, s.prepayments, &rates);
        EXPECT_EQ(r.outcome, c.outcome);
        if (c.rate) {
            EXPECT_EQ(digits(r.percent, 20), c.rate);
        }
        EXPECT_EQ(rates.size(), c.steps);
    }
}

TEST(RateOfReturnSearch, GivesUpJustAboveOneHundredThousandPercent)
{
    std::vector<Real> rates;
    EXPECT_EQ(RateOfReturnSearch(176100, 100000, 1, &rates).outcome, ReturnOutcome::OverLimit);
    ASSERT_GE(rates.size(), 2u);
    EXPECT_GT(rates.back(), kReturnRateLimit);
    EXPECT_LE(rates[rates.size() - 2], kReturnRateLimit);
}

// With one deposit the search may give up before stepping; asking for the
// evaluated rates forces every step, so the two must agree on the outcome.
TEST(RateOfReturnSearch, SingleDepositGivesTheSameOutcomeWithoutStepping)
{
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 60; ++trial) {
        const Real p = static_cast<Real>(std::exp(unit(random) * 18));  // 1 to 6.5e7
        // Goals just below, at, and above the deposit, and far above it.
        const Real factors[] = {1 - 0x1p-40L, 1, 1 + 0x1p-40L, 1 + 0x1p-29L, 1.5L, 1000};
        const Real g = p * factors[trial % 6];
        std::vector<Real> rates;
        const RateOfReturn stepped = RateOfReturnSearch(g, p, 1, &rates);
        const RateOfReturn direct = RateOfReturnSearch(g, p, 1);
        SCOPED_TRACE(testing::Message() << "p " << static_cast<double>(p) << " factor " << trial % 6);
        EXPECT_EQ(direct.outcome, stepped.outcome);
        EXPECT_EQ(direct.percent, stepped.percent);
    }
}

TEST(RateOfReturnSearch, ZeroGoalTakesNoStep)
{
    for (const Real prepayment : {50.0L, 0.0L}) {
        std::vector<Real> rates;
        const RateOfReturn r = RateOfReturnSearch(0, prepayment, 284, &rates);
        EXPECT_EQ(r.outcome, ReturnOutcome::Rate);
        EXPECT_EQ(r.percent, 0);
        EXPECT_TRUE(rates.empty());
    }
}

TEST(RateOfReturnSearch, GoalFarBelowTheDepositsEndsBelowZero)
{
    std::vector<Real> rates;
    EXPECT_EQ(RateOfReturnSearch(100, 50, 284, &rates).outcome, ReturnOutcome::Negative);
    const std::vector<int> expected = {101, 51, 1, -49, -48};  // basis points
    ASSERT_EQ(rates.size(), expected.size());
    for (std::size_t j = 0; j < rates.size(); ++j)
        EXPECT_NEAR(static_cast<double>(rates[j] * 10000), expected[j], 1e-12) << "step " << j;
}

// A goal equal to a trial's future value ends the search at that trial;
// without the equality tests the fine phase would step once more.
TEST(RateOfReturnSearch, ExactHitEndsTheSearch)
{
    const Real first = kReturnStart + kReturnCoarseStep;
    const Real second = first + kReturnCoarseStep;
    const Real downward = second - kReturnMiddleStep;

    std::vector<Real> rates;
    RateOfReturn r = RateOfReturnSearch(AnnuityFutureValue(50, MonthlyRate(first), 284), 50, 284, &rates);
    EXPECT_EQ(rates.size(), 1u);
    EXPECT_EQ(r.percent, (first - kReturnStart) * 100);

    rates.clear();
    r = RateOfReturnSearch(AnnuityFutureValue(50, MonthlyRate(downward), 284), 50, 284, &rates);
    EXPECT_EQ(rates.size(), 3u);
    EXPECT_EQ(r.percent, (downward - kReturnStart) * 100);
}

TEST(RateOfReturnSearch, FutureValueOverflowIsAFault)
{
    // 3000 deposits overflow from about 520 percent a year, before the limit.
    try {
        const RateOfReturn r = RateOfReturnSearch(LDBL_MAX, 1, 3000);
        ADD_FAILURE() << "no fault, outcome " << static_cast<int>(r.outcome);
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind, FaultKind::Overflow);
    }
}

}  // namespace
}  // namespace qm
