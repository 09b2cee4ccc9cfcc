// The amortization run: the default loan with and without prepayments, the
// runs that can never pay off, and overflow.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "loan/amortization.h"
#include "loan/fault.h"
#include "loan/formulas.h"
#include "tests/real_bits.h"

namespace qm {
namespace {

using test::digits;

constexpr Count kNoPrepayment = 1000;
constexpr Count kJune1995 = 1995 * 12 + 6;  // 23946

// 100000 at 8.5 percent over 360 months, payment 1 in June 1995.
struct DefaultLoan : ::testing::Test {
    Real rate = MonthlyRate(8.5L * kOneHundredth);
    Real payment = LevelPayment(100000, rate, 360);
    RunResult run(Real prepayment, Count start) const
    {
        return AmortizationRun(100000, rate, payment, prepayment, start, kJune1995);
    }
};

struct RunCase {
    const char* name;
    Real prepayment;
    Count start;
    Count months;
    Count endIndex;
    const char* totalInterest;  // 18 significant digits
};

// Totals from tests/loan_reference.py: the same month steps in exact rational
// arithmetic rounded to 64-bit significands (rounded: 176808.854, 132300.856,
// 708.33; end months May 2025, January 2019, June 1995).
const RunCase kRuns[] = {
    {"no prepayment", 50, kNoPrepayment, 360, 24305, "176808.854090360083"},
    {"50 from payment 1", 50, 1, 284, 24229, "132300.855760144371"},
    {"0 from payment 1", 0, 1, 360, 24305, "176808.854090360083"},
    {"50 from payment 360 is never used", 50, 360, 360, 24305, "176808.854090360083"},
    {"50 from payment 200", 50, 200, 343, 24288, "170765.230701319811"},
    {"20000 from payment 1", 20000, 1, 5, 23950, "2110.60809076129492"},
    {"50000 from payment 1", 50000, 1, 2, 23947, "1062.07089060238875"},
    {"the whole loan from payment 1", 100000, 1, 1, kJune1995, "708.333333333333333"},
};

TEST_F(DefaultLoan, RunsToTheKnownTotalsAndEndMonths)
{
    for (const RunCase& c : kRuns) {
        SCOPED_TRACE(c.name);
        const RunResult r = run(c.prepayment, c.start);
        EXPECT_EQ(r.outcome, RunOutcome::PaidOff);
        EXPECT_EQ(r.months, c.months);
        EXPECT_EQ(r.endIndex, c.endIndex);
        EXPECT_EQ(digits(r.totalInterest, 18), c.totalInterest);
    }
}

TEST_F(DefaultLoan, PrepaymentsThatNeverTakeEffectGiveTheSameRunExactly)
{
    const RunResult none = run(0, kNoPrepayment);
    for (const auto& [prepayment, start] : {std::pair<Real, Count>{50, kNoPrepayment}, {0, 1}, {50, 360}}) {
        const RunResult r = run(prepayment, start);
        EXPECT_EQ(r.totalInterest, none.totalInterest) << prepayment << " from " << start;
        EXPECT_EQ(r.months, none.months);
    }
}

TEST_F(DefaultLoan, PayoffInTheFirstMonthCountsItsInterestInFull)
{
    EXPECT_EQ(run(100000, 1).totalInterest, rate * 100000);
    EXPECT_EQ(run(1e30L, 1).totalInterest, rate * 100000);  // nothing refunded
}

TEST_F(DefaultLoan, SmallNegativePrepaymentStillPaysOffLater)
{
    const RunResult r = run(-50, 1);
    EXPECT_EQ(r.outcome, RunOutcome::PaidOff);
    EXPECT_GT(r.months, 360);
    EXPECT_GT(r.totalInterest, run(0, 1).totalInterest);
}

struct NeverCase {
    const char* name;
    Real balance, rate, payment, prepayment;
    Count start;
    Count months;  // the month the run gives up in
};

// 128000 at 2^-7 a month is exactly 1000 of interest.
const NeverCase kNever[] = {
    {"principal exactly 0: the balance stands still", 128000, 0.0078125L, 900, 100, 1, 1},
    {"payment below the interest: the balance grows", 128000, 0.0078125L, 900, 0, 1, 1},
    {"a negative prepayment from payment 5 cancels the principal", 128000, 0.0078125L, 1100, -200, 5, 5},
    {"a balance that falls a sliver a month stops at the month limit", 100000,
     MonthlyRate(1e-10L * kOneHundredth), LevelPayment(100000, MonthlyRate(1e-10L * kOneHundredth), 600),
     -166.6666L, 1, kMaxRunMonths},
    {"one more than the limit can pay", 100001, 0, 1, 0, 1, kMaxRunMonths},
};

TEST(AmortizationRun, GivesUpWhenTheLoanWouldNeverBePaidOff)
{
    for (const NeverCase& c : kNever) {
        SCOPED_TRACE(c.name);
        const RunResult r = AmortizationRun(c.balance, c.rate, c.payment, c.prepayment, c.start, kJune1995);
        EXPECT_EQ(r.outcome, RunOutcome::NeverPaidOff);
        EXPECT_EQ(r.months, c.months);
    }
}

TEST(AmortizationRun, PaysOffInTheLastAllowedMonth)
{
    // 1 a month at no interest: the 100000th payment clears the last 1.
    const RunResult r = AmortizationRun(100000, 0, 1, 0, kNoPrepayment, 1);
    EXPECT_EQ(r.outcome, RunOutcome::PaidOff);
    EXPECT_EQ(r.months, kMaxRunMonths);
    EXPECT_EQ(r.endIndex, kMaxRunMonths);
    EXPECT_EQ(r.totalInterest, 0);
}

struct OverflowCase {
    const char* name;
    Real balance, rate, payment, prepayment;
};

constexpr Real kMax = LDBL_MAX;

// One case for each operation of the month that can leave the range.
const OverflowCase kOverflows[] = {
    {"interest", kMax / 2, 4, 1, 0},
    {"last month's principal", kMax / 2, 1.5L, kMax, 0},
    {"payment less interest", kMax * 0.9L, -1, kMax * 0.5L, 0},
    {"plus the prepayment", kMax * 0.9L, 1e-10L, kMax * 0.5L, kMax * 0.6L},
    {"balance less principal", kMax * 0.9L, 1e-10L, -kMax * 0.5L, -kMax * 0.4L},
    {"total interest", kMax * 0.6L, 1, kMax * 0.1L, kMax * 0.61L},
};

TEST(AmortizationRun, ReportsEveryOverflowAsOverflow)
{
    for (const OverflowCase& c : kOverflows) {
        try {
            const RunResult r = AmortizationRun(c.balance, c.rate, c.payment, c.prepayment, 1, kJune1995);
            ADD_FAILURE() << c.name << ": no fault after " << r.months << " months";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.kind, FaultKind::Overflow) << c.name;
        }
    }
}

}  // namespace
}  // namespace qm
