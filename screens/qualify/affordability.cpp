#include "screens/qualify/affordability.h"

#include "loan/fault.h"

namespace qm::qualify {

namespace {

// Yearly insurance rates charged on the house price.
constexpr Real kFireInsuranceRate = 0.0022L;
constexpr Real kMortgageInsuranceRate = 0.0018L;
// From this downpayment on no mortgage insurance is charged.
constexpr Count kNoMortgageInsuranceFrom = 20;

constexpr Real kStepDown = 2000;
constexpr Real kStepUp = 10;

// The next base amount comes from the last trial, never from a kept base:
// mortgage - costs need not give back the base exactly, and the grid of
// amounts tried depends on that rounding.
Real baseOf(const Trial& t) { return fp::sub(t.mortgage, t.pointsAndClosing); }

}  // namespace

void EvaluateTrial(Real base, const SearchParams& params, Trial& trial)
{
    trial.pointsAndClosing =
        params.includeCosts ? fp::add(fp::mul(base, params.pointsFraction), static_cast<Real>(params.closingCosts))
                            : Real{0};
    trial.mortgage = fp::add(base, trial.pointsAndClosing);
    trial.principalInterest = fp::mul(fp::mul(trial.mortgage, kOneThousandth), params.paymentPerThousand);
    const Count financedPercent = 100 - params.downpaymentPercent;
    trial.housePrice = fp::div(fp::sub(trial.mortgage, trial.pointsAndClosing),
                               fp::mul(static_cast<Real>(financedPercent), kOneHundredth));
    trial.taxes = params.annualTax > 0
                      ? fp::mul(static_cast<Real>(params.annualTax), kOneTwelfth)
                      : fp::mul(fp::mul(fp::mul(trial.housePrice, params.assessmentFraction), params.millageFraction),
                                kOneTwelfth);
    trial.fireInsurance = fp::mul(fp::mul(trial.housePrice, kFireInsuranceRate), kOneTwelfth);
    trial.mortgageInsurance = params.downpaymentPercent < kNoMortgageInsuranceFrom
                                  ? fp::mul(fp::mul(trial.housePrice, kMortgageInsuranceRate), kOneTwelfth)
                                  : Real{0};
    trial.total = fp::add(fp::add(fp::add(trial.principalInterest, trial.taxes), trial.fireInsurance),
                          trial.mortgageInsurance);
}

SearchResult AffordabilitySearch(const SearchParams& params)
{
    const Real available = params.available;
    SearchResult result;
    Trial& trial = result.final;

    // The loan whose principal and interest alone use the whole amount.
    EvaluateTrial(fp::mul(fp::div(available, params.paymentPerThousand), 1000), params, trial);

    while (trial.total > available) {
        if (result.trials() == kMaxTrials) {
            result.end = SearchEnd::TooManyTrials;
            return result;
        }
        const Real previous = trial.total;
        EvaluateTrial(fp::sub(baseOf(trial), kStepDown), params, trial);
        ++result.stepDowns;
        if (!(trial.total < previous)) {
            result.end = SearchEnd::CostDoesNotRise;
            return result;
        }
    }
    if (trial.total == available)
        return result;

    while (trial.total < available) {
        if (result.trials() == kMaxTrials) {
            result.end = SearchEnd::TooManyTrials;
            return result;
        }
        const Real previous = trial.total;
        EvaluateTrial(fp::add(baseOf(trial), kStepUp), params, trial);
        ++result.stepUps;
        if (!(trial.total > previous)) {
            result.end = SearchEnd::CostDoesNotRise;
            return result;
        }
    }
    return result;
}

}  // namespace qm::qualify
