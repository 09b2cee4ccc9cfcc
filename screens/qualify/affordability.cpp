#include "screens/qualify/affordability.h"

#include <cmath>

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

// The operations of a trial, plain or through the fault checks.
struct PlainOps {
    static Real add(Real a, Real b) { return a + b; }
    static Real sub(Real a, Real b) { return a - b; }
    static Real mul(Real a, Real b) { return a * b; }
    static Real div(Real a, Real b) { return a / b; }
};
struct CheckedOps {
    static Real add(Real a, Real b) { return fp::add(a, b); }
    static Real sub(Real a, Real b) { return fp::sub(a, b); }
    static Real mul(Real a, Real b) { return fp::mul(a, b); }
    static Real div(Real a, Real b) { return fp::div(a, b); }
};

// A trial in two halves: what the base amount borrows, then what that
// mortgage costs a month. The second half depends on the mortgage and the
// costs alone, so the search carries only those two (and the total) from
// step to step and prices the final trial's monthly parts again at the end:
// the same operations on the same values give the same results.
template <class Op, bool IncludeCosts>
[[gnu::always_inline]] inline void borrow(Real base, const SearchParams& params, Trial& trial)
{
    trial.pointsAndClosing = IncludeCosts ? Op::add(Op::mul(base, params.pointsFraction),
                                                    static_cast<Real>(params.closingCosts))
                                          : Real{0};
    trial.mortgage = Op::add(base, trial.pointsAndClosing);
}

template <class Op>
[[gnu::always_inline]] inline void priceMonthly(const SearchParams& params, Trial& trial)
{
    trial.principalInterest = Op::mul(Op::mul(trial.mortgage, kOneThousandth), params.paymentPerThousand);
    const Count financedPercent = 100 - params.downpaymentPercent;
    trial.housePrice = Op::div(Op::sub(trial.mortgage, trial.pointsAndClosing),
                               Op::mul(static_cast<Real>(financedPercent), kOneHundredth));
    trial.taxes = params.annualTax > 0
                      ? Op::mul(static_cast<Real>(params.annualTax), kOneTwelfth)
                      : Op::mul(Op::mul(Op::mul(trial.housePrice, params.assessmentFraction), params.millageFraction),
                                kOneTwelfth);
    trial.fireInsurance = Op::mul(Op::mul(trial.housePrice, kFireInsuranceRate), kOneTwelfth);
    trial.mortgageInsurance = params.downpaymentPercent < kNoMortgageInsuranceFrom
                                  ? Op::mul(Op::mul(trial.housePrice, kMortgageInsuranceRate), kOneTwelfth)
                                  : Real{0};
    trial.total = Op::add(Op::add(Op::add(trial.principalInterest, trial.taxes), trial.fireInsurance),
                          trial.mortgageInsurance);
}

template <class Op, bool IncludeCosts>
[[gnu::always_inline]] inline void priceTrial(Real base, const SearchParams& params, Trial& trial)
{
    borrow<Op, IncludeCosts>(base, params, trial);
    priceMonthly<Op>(params, trial);
}

// The search's result from its last trial, its monthly parts priced again
// from its mortgage and costs. Out of line: the exits' code would otherwise
// crowd the registers of the search's loop.
[[gnu::noinline]] SearchResult finishSearch(const SearchParams& params, SearchEnd end, Real costs, Real mortgage,
                                            Real total, Count trials, Count stepDowns)
{
    fp::overflowChecked(total);
    SearchResult result;
    result.end = end;
    result.stepDowns = stepDowns;
    result.stepUps = trials - 1 - stepDowns;
    result.final.pointsAndClosing = costs;
    result.final.mortgage = mortgage;
    priceMonthly<PlainOps>(params, result.final);
    return result;
}

// A search prices millions of trials. With plain operations it checks a
// trial's total only where a phase ends, which finds every fault as soon as
// checking each operation would: a value that is not finite flows into the
// total (and the base into the next trial) and stays not finite through
// these operations; a total that is not finite always ends its phase (it
// fails the comparison with the amount available or with the previous
// total); and while the divisor is not 0, the first value that is not finite
// is always an overflow. A zero divisor (100 percent down) runs with every
// operation checked instead.
template <class Op, bool IncludeCosts>
SearchResult search(const SearchParams& params)
{
    const Real available = params.available;
    // Only what the next step needs is carried: the mortgage and the costs
    // (the next base amount) and the total.
    Real costs, mortgage, total;
    const auto evaluate = [&](Real base) {
        Trial trial;
        priceTrial<Op, IncludeCosts>(base, params, trial);
        costs = trial.pointsAndClosing;
        mortgage = trial.mortgage;
        total = trial.total;
    };
    Count trials = 1;
    Count stepDowns = 0;
    bool steppingUp = false;
    const auto finish = [&](SearchEnd end) {
        return finishSearch(params, end, costs, mortgage, total, trials, steppingUp ? stepDowns : trials - 1);
    };

    // The loan whose principal and interest alone use the whole amount.
    evaluate(fp::mul(fp::div(available, params.paymentPerThousand), 1000));
    fp::overflowChecked(total);

    // The next base amount comes from the last trial, never from a kept base:
    // mortgage - costs need not give back the base exactly, and the grid of
    // amounts tried depends on that rounding.
    while (total > available) {
        if (trials == kMaxTrials)
            return finish(SearchEnd::TooManyTrials);
        const Real previous = total;
        evaluate(Op::sub(Op::sub(mortgage, costs), kStepDown));
        ++trials;
        if (!(total < previous))
            return finish(SearchEnd::CostDoesNotRise);
    }
    fp::overflowChecked(total);
    if (total == available)
        return finish(SearchEnd::Reached);

    stepDowns = trials - 1;
    steppingUp = true;
    while (total < available) {
        if (trials == kMaxTrials)
            return finish(SearchEnd::TooManyTrials);
        const Real previous = total;
        evaluate(Op::add(Op::sub(mortgage, costs), kStepUp));
        ++trials;
        if (!(total > previous))
            return finish(SearchEnd::CostDoesNotRise);
    }
    return finish(SearchEnd::Reached);
}

}  // namespace

void EvaluateTrial(Real base, const SearchParams& params, Trial& trial)
{
    if (params.includeCosts)
        priceTrial<CheckedOps, true>(base, params, trial);
    else
        priceTrial<CheckedOps, false>(base, params, trial);
}

SearchResult AffordabilitySearch(const SearchParams& params)
{
    // Separate loops for the two answers: without costs in the loan they
    // are a constant 0, which frees a register in the loop.
    if (params.downpaymentPercent == 100)
        return params.includeCosts ? search<CheckedOps, true>(params) : search<CheckedOps, false>(params);
    return params.includeCosts ? search<PlainOps, true>(params) : search<PlainOps, false>(params);
}

}  // namespace qm::qualify
