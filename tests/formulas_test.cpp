// The closed-form loan formulas: stored constants, known values, and the
// faults they must report in the optimised build.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

#include "loan/fault.h"
#include "loan/formulas.h"
#include "tests/real_bits.h"

namespace qm {
namespace {

using test::bitsOf;
using test::digits;
using test::RealBits;

TEST(StoredConstants, HaveTheirDocumentedBitPatterns)
{
    EXPECT_EQ(bitsOf(kOneHundredth), (RealBits{0x3FF8, 0xA3D70A3D70A3D70A}));
    EXPECT_EQ(bitsOf(kOneTwelfth), (RealBits{0x3FFB, 0xAAAAAAAAAAAAAAAB}));
}

TEST(StoredConstants, FiftyHundredthsIsExactlyOneHalf)
{
    // A check that refuses a rate fraction above 0.5 must let 50 percent pass.
    EXPECT_EQ(50 * kOneHundredth, 0.5L);
}

TEST(MonthlyRate, MultipliesByTheStoredTwelfth)
{
    // At 1 percent the product and the quotient differ in the last bit.
    const Real r = 1 * kOneHundredth;
    EXPECT_EQ(MonthlyRate(r), r * kOneTwelfth);
    EXPECT_NE(MonthlyRate(r), r / 12);
}

// 100000 at 8.5 percent over 360 months, the figures of the loan defaults.
TEST(LevelPayment, DefaultLoanToEighteenDigits)
{
    const Real r = 8.5L * kOneHundredth;
    EXPECT_EQ(digits(r, 20), "0.085000000000000000001");
    const Real i = MonthlyRate(r);
    EXPECT_EQ(digits(i, 20), "0.0070833333333333333335");
    EXPECT_EQ(digits(LevelPayment(100000, i, 360), 18), "768.913483584333569");
    EXPECT_EQ(digits(PaymentPerThousand(i, 360), 18), "7.68913483584333569");
}

TEST(CompoundFactor, PowerZeroIsExactlyOne)
{
    for (const Real i : {0.0L, 1e-30L, 0.0070833333333333333335L, -0.5L, 83.3L, 1e300L})
        EXPECT_EQ(CompoundFactor(i, 0), 1) << "i = " << static_cast<double>(i);
}

// 1 + i rounds to 1 for i up to 2^-64 (a tie, to even) and down to -2^-65:
// below 1 the spacing halves, so 1 - 2^-64 is exact.
const Real kLargestLostRate = std::ldexp(1.0L, -64);
const Real kLargestLostNegativeRate = -std::ldexp(1.0L, -65);

TEST(CompoundFactor, OnePlusRateRoundingToOneGivesOne)
{
    EXPECT_EQ(CompoundFactor(kLargestLostRate, 1000000), 1);
    EXPECT_EQ(CompoundFactor(kLargestLostNegativeRate, -1000000), 1);
    EXPECT_NE(CompoundFactor(2 * kLargestLostNegativeRate, -1000000), 1);
}

// Rates where 1 + i is exact: otherwise the rounding of 1 + i itself moves
// the result by (rounding / i), many units for a small i.
TEST(AnnuityFutureValue, OneDepositIsTheDepositUpToTheLogarithmAndExponential)
{
    for (const Real i : {0.0078125L, 0.25L, 1.0L, 83.25L, -0.5L}) {
        const Real f = AnnuityFutureValue(50, i, 1);
        EXPECT_LE(std::fabs(f - 50), 4 * LDBL_EPSILON * 50) << "i = " << static_cast<double>(i);
    }
}

TEST(AnnuityFutureValue, RateTooSmallToMoveOneGivesZeroNotTheSumOfDeposits)
{
    for (const Real i : {kLargestLostRate, kLargestLostNegativeRate, 1e-25L, -1e-25L, LDBL_TRUE_MIN})
        EXPECT_EQ(AnnuityFutureValue(50, i, 284), 0) << "i = " << static_cast<double>(i);
}

struct FaultCase {
    const char* name;
    Real (*compute)();
    FaultKind kind;
};

// Each case's fault as the formulas' failure rules give it.
const FaultCase kFaults[] = {
    {"level payment, 1 + i rounds to 1",
     [] { return LevelPayment(100000, MonthlyRate(1e-19L * kOneHundredth), 360); }, FaultKind::DivisionByZero},
    {"level payment over 0 months", [] { return LevelPayment(100000, 0.007L, 0); }, FaultKind::DivisionByZero},
    {"payment per thousand, 1 + i rounds to 1", [] { return PaymentPerThousand(1e-21L, 360); },
     FaultKind::DivisionByZero},
    {"future value at a rate of exactly 0", [] { return AnnuityFutureValue(50, 0, 284); },
     FaultKind::InvalidOperation},
    {"exponential beyond the range", [] { return CompoundFactor(1, 20000); }, FaultKind::Overflow},
    {"future value beyond the range", [] { return AnnuityFutureValue(1, 43.5L, 3000); }, FaultKind::Overflow},
    {"logarithm of 0", [] { return CompoundFactor(-1, 12); }, FaultKind::DivisionByZero},
    {"logarithm of a negative number", [] { return CompoundFactor(-2, 12); }, FaultKind::InvalidOperation},
};

class FormulaFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FormulaFaults, AreReportedWithTheirKind)
{
    const FaultCase& c = GetParam();
    try {
        const volatile Real value = c.compute();
        ADD_FAILURE() << c.name << ": no fault, got " << static_cast<double>(value);
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind, c.kind) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Formulas, FormulaFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& info) {
                             std::string n;
                             for (const char* p = info.param.name; *p; ++p)
                                 n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return n;
                         });

}  // namespace
}  // namespace qm
