#include "loan/rate_of_return.h"

#include "loan/fault.h"
#include "loan/formulas.h"

namespace qm {
namespace {

// The grids. r accumulates every step in extended precision from kStart and
// is never rounded to a grid, so the trial rates carry each step's rounding.
constexpr Real kStart = 0.0001L;         // also the fine step and what the result drops
constexpr Real kCoarseStep = kOneHundredth;
constexpr Real kMiddleStep = 0.005L;     // exactly half of kOneHundredth
constexpr Real kFineStep = 0.0001L;
constexpr Real kPercent = 100;

}  // namespace

RateOfReturn RateOfReturnSearch(Real interestSaved, Real prepayAmount, Count prepayments,
                                std::vector<Real>* evaluatedRates)
{
    const Real g = interestSaved;
    Real r = kStart;
    Real f = 0;  // the start rate itself is never evaluated
    const auto step = [&](Real by) {
        r = fp::add(r, by);
        if (evaluatedRates)
            evaluatedRates->push_back(r);
        f = AnnuityFutureValue(prepayAmount, MonthlyRate(r), prepayments);
    };

    while (f < g) {
        step(kCoarseStep);
        if (f < g && r > kReturnRateLimit)
            return {ReturnOutcome::OverLimit, 0};
    }
    if (f != g) {
        // Down until the future value no longer exceeds the goal: at most one step below 0.
        while (f > g && r > 0)
            step(-kMiddleStep);
        if (f != g) {
            do {
                step(kFineStep);
                if (g > f && r > kReturnRateLimit)
                    return {ReturnOutcome::OverLimit, 0};
            } while (g > f);
        }
    }
    if (r < 0)
        return {ReturnOutcome::Negative, 0};
    return {ReturnOutcome::Rate, fp::mul(fp::sub(r, kStart), kPercent)};
}

}  // namespace qm
