// The annual rate at which the prepayments, saved as equal monthly deposits,
// would grow to the interest they save: a stepping search over three ever
// finer grids of rates, since there is no closed form.
#pragma once

#include <vector>

#include "loan/real.h"

namespace qm {

enum class ReturnOutcome {
    Rate,       // percent holds the rate
    Negative,   // the search ended below a rate of 0
    OverLimit,  // the rate would be above 100,000 percent (or no rate reaches the goal)
};

struct RateOfReturn {
    ReturnOutcome outcome;
    Real percent;  // only for ReturnOutcome::Rate
};

// The grids of annual rate fractions. r accumulates every step in extended
// precision from kReturnStart and is never rounded to a grid, so the trial
// rates carry each step's rounding.
inline constexpr Real kReturnStart = 0.0001L;  // also the fine step, and what the result drops
inline constexpr Real kReturnCoarseStep = kOneHundredth;
inline constexpr Real kReturnMiddleStep = 0.005L;  // exactly half of kOneHundredth
inline constexpr Real kReturnFineStep = 0.0001L;

// Above this annual rate fraction (100,000 percent) the upward phases give
// up: with a single prepayment the future value is the same at every rate,
// so a goal above it is never reached.
inline constexpr Real kReturnRateLimit = 1000;

//   interestSaved  G, the goal
//   prepayAmount   p, the monthly deposit
//   prepayments    n, the number of deposits
//   evaluatedRates when given, receives every annual rate fraction evaluated, in order
// Throws ArithmeticFault (an overflow of the future value at a huge rate).
RateOfReturn RateOfReturnSearch(Real interestSaved, Real prepayAmount, Count prepayments,
                                std::vector<Real>* evaluatedRates = nullptr);

}  // namespace qm
