// The month-by-month run of a level-payment loan with an optional fixed
// prepayment, until the balance is exactly 0.
#pragma once

#include "loan/real.h"

namespace qm {

enum class RunOutcome {
    PaidOff,       // the balance reached exactly 0
    NeverPaidOff,  // a month paid no principal, or the run reached kMaxRunMonths
};

// A balance that falls by a sliver each month would otherwise run for hours
// (and past the range of the month count) before it reached 0 or overflowed.
inline constexpr Count kMaxRunMonths = 100000;

struct RunResult {
    Real totalInterest;  // every month's interest, the last month's included
    Count months;        // m: the number of payments made
    Count endIndex;      // E = m + S - 1: the month index of the last payment
    RunOutcome outcome;
};

// A run without prepayment passes a prepayStart beyond every reachable month
// (the screens pass 1000). Throws ArithmeticFault on overflow.
//   balance      the balance before payment 1
//   monthlyRate  i, from MonthlyRate
//   payment      PI, the regular payment of principal and interest
//   prepayAmount p, added to the principal of every payment from prepayStart on
//   prepayStart  k, the number of the first payment that carries p
//   startIndex   S, the month index (year x 12 + month) of payment 1
RunResult AmortizationRun(Real balance, Real monthlyRate, Real payment, Real prepayAmount, Count prepayStart,
                          Count startIndex);

}  // namespace qm
