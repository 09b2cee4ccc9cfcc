#include "loan/rate_of_return.h"

#include "loan/fault.h"
#include "loan/formulas.h"

namespace qm {

namespace {

constexpr Real kSingleDepositMargin = 0x1p-30L;

}  // namespace

RateOfReturn RateOfReturnSearch(Real interestSaved, Real prepayAmount, Count prepayments,
                                std::vector<Real>* evaluatedRates)
{
    const Real g = interestSaved;
    Real r = kReturnStart;
    Real f = 0;  // the start rate itself is never evaluated
    // r - 0.005 is exactly r + (-0.005).
    const auto step = [&](Real by) {
        r = fp::add(r, by);
        if (evaluatedRates)
            evaluatedRates->push_back(r);
        f = AnnuityFutureValue(prepayAmount, MonthlyRate(r), prepayments);
    };

    // One deposit grows to p at every rate, up to the rounding of one
    // logarithm and one exponential: from the first rate phase 1 tries
    // (i >= 0.0101 / 12) the future value lies within 1e-15 of p, relatively.
    // A goal this far above p is therefore reached by no rate, and phase 1
    // would step 100,000 times to the limit only to give up; give up at once.
    if (prepayments == 1 && prepayAmount > 0 && g > prepayAmount * (1 + kSingleDepositMargin) && !evaluatedRates)
        return {ReturnOutcome::OverLimit, 0};

    while (f < g) {
        step(kReturnCoarseStep);
        if (f < g && r > kReturnRateLimit)
            return {ReturnOutcome::OverLimit, 0};
    }
    if (f != g) {
        // Down until the future value no longer exceeds the goal: at most one step below 0.
        while (f > g && r > 0)
            step(-kReturnMiddleStep);
        if (f != g) {
            do {
                step(kReturnFineStep);
                if (g > f && r > kReturnRateLimit)
                    return {ReturnOutcome::OverLimit, 0};
            } while (g > f);
        }
    }
    if (r < 0)
        return {ReturnOutcome::Negative, 0};
    return {ReturnOutcome::Rate, fp::mul(fp::sub(r, kReturnStart), 100)};
}

}  // namespace qm
