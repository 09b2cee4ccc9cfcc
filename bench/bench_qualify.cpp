// The Qualify calculation at the largest inputs its fields admit, where the
// affordability search prices millions of trial loans, against a bare loop
// of the same extended operations without fault checks.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "app/core/calculation.h"
#include "loan/formulas.h"
#include "screens/qualify/affordability.h"
#include "screens/qualify/qualify.h"

namespace qm::qualify {
namespace {

using Overrides = std::vector<std::pair<const char*, const char*>>;

// Largest: the biggest income and ratios, no debt, 0.01 percent over 50
// years. Extreme: also the smallest rate, heaviest tax estimate and
// downpayment, and a negative debt that adds to the amount available.
const Overrides kLargest = {{"MG", "9999999"}, {"MID", "0"},    {"MDR", "99"},
                            {"TDR", "99"},     {"Rate", "0.01"}, {"termyy", "50"}};
const Overrides kExtreme = {{"MG", "9999999"}, {"MID", "-99999"}, {"MDR", "99"},   {"TDR", "99"},
                            {"Rate", ".00001"}, {"termyy", "50"}, {"Mills", "999"}, {"AF", "99"},
                            {"DP", "99"}};

FieldTexts textsOf(const Overrides& in)
{
    FieldTexts texts = defaultTexts(kFields);
    for (const auto& [name, text] : in)
        texts[static_cast<std::size_t>(fieldIndex(kFields, name))] = text;
    return texts;
}

// The search parameters the screen forms from those texts.
SearchParams paramsOf(bool extreme)
{
    const Count gross = 9999999;
    const Real ratio = fp::mul(99, kOneHundredth);
    SearchParams p{};
    p.available = fp::sub(fp::mul(gross, ratio), extreme ? -99999 : 0);
    const Real rate = fp::mul(extreme ? 0.00001L : 0.01L, kOneHundredth);
    p.paymentPerThousand = PaymentPerThousand(MonthlyRate(rate), 600);
    p.pointsFraction = fp::mul(2.5L, kOneHundredth);
    p.closingCosts = 2500;
    p.includeCosts = false;
    p.annualTax = 0;
    p.millageFraction = fp::mul(extreme ? 999 : 100, kOneThousandth);
    p.assessmentFraction = fp::mul(extreme ? 99 : 25, kOneHundredth);
    p.downpaymentPercent = extreme ? 99 : 5;
    return p;
}

void BM_QualifyWorstCase(benchmark::State& state, const Overrides& in, bool extreme)
{
    const FieldTexts texts = textsOf(in);
    const RegionalSettings us = RegionalSettings::unitedStates();
    for (auto _ : state) {
        Outcome out = QualifyCalculation(texts, us);
        benchmark::DoNotOptimize(out);
        if (out.message) {
            state.SkipWithError(out.message->text.c_str());
            break;
        }
    }
    const SearchResult search = AffordabilitySearch(paramsOf(extreme));
    state.counters["stepDowns"] = search.stepDowns;
    state.counters["stepUps"] = search.stepUps;
    state.counters["trials"] = search.trials();
}
BENCHMARK_CAPTURE(BM_QualifyWorstCase, Largest, kLargest, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QualifyWorstCase, Extreme, kExtreme, true)->Unit(benchmark::kMillisecond);

struct BareResult {
    Real mortgage;
    Count trials;
};

// The search with plain operators: the floor that the checked search is
// measured against. WithStops adds the search's own comparisons (a total
// that does not move with the step, the trial bound), which are not fault
// checks but cost a register in the loop. Out of line and unspecialised,
// like the library routine.
template <bool WithStops>
[[gnu::noipa]] BareResult bareTrialLoop(const SearchParams& p)
{
    const Real a = p.available;
    Count trials = 0;
    Real c, m, total;
    auto evaluate = [&](Real b) {
        c = p.includeCosts ? b * p.pointsFraction + static_cast<Real>(p.closingCosts) : Real{0};
        m = b + c;
        const Real pi = (m * kOneThousandth) * p.paymentPerThousand;
        const Real h = (m - c) / (static_cast<Real>(100 - p.downpaymentPercent) * kOneHundredth);
        const Real taxes = p.annualTax > 0 ? static_cast<Real>(p.annualTax) * kOneTwelfth
                                           : ((h * p.assessmentFraction) * p.millageFraction) * kOneTwelfth;
        const Real fire = (h * 0.0022L) * kOneTwelfth;
        const Real mip = p.downpaymentPercent < 20 ? (h * 0.0018L) * kOneTwelfth : Real{0};
        total = ((pi + taxes) + fire) + mip;
        ++trials;
    };
    evaluate((a / p.paymentPerThousand) * 1000);
    while (total > a) {
        if (WithStops && trials == kMaxTrials)
            return {m, -1};
        const Real previous = total;
        evaluate((m - c) - 2000);
        if (WithStops && !(total < previous))
            return {m, -1};
    }
    if (total != a)
        while (total < a) {
            if (WithStops && trials == kMaxTrials)
                return {m, -1};
            const Real previous = total;
            evaluate((m - c) + 10);
            if (WithStops && !(total > previous))
                return {m, -1};
        }
    return {m, trials};
}

template <bool WithStops>
void BM_QualifyBareLoop(benchmark::State& state, bool extreme)
{
    const SearchParams params = paramsOf(extreme);
    const SearchResult checked = AffordabilitySearch(params);
    for (auto _ : state) {
        BareResult r = bareTrialLoop<WithStops>(params);
        benchmark::DoNotOptimize(r);
    }
    const BareResult bare = bareTrialLoop<WithStops>(params);
    if (bare.mortgage != checked.final.mortgage || bare.trials != checked.trials())
        state.SkipWithError("the bare loop does not reach the checked search's result");
    state.counters["trials"] = bare.trials;
}
void BM_QualifyBareTrialLoop(benchmark::State& state, bool extreme) { BM_QualifyBareLoop<false>(state, extreme); }
void BM_QualifyBareSearchLoop(benchmark::State& state, bool extreme) { BM_QualifyBareLoop<true>(state, extreme); }
BENCHMARK_CAPTURE(BM_QualifyBareTrialLoop, Largest, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QualifyBareTrialLoop, Extreme, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QualifyBareSearchLoop, Largest, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QualifyBareSearchLoop, Extreme, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm::qualify
