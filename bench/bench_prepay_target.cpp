// Prepayment Target's slowest inputs: the largest loan with the target in the
// month of the first prepayment needs a prepayment near the whole balance,
// which stepping by 50 would reach only after up to two million runs.
#include <benchmark/benchmark.h>

#include "screens/pretarg/pretarg.h"

namespace qm::pretarg {
namespace {

void BM_PrepayTargetWorstCase(benchmark::State& state, const char* loan, const char* prepayStart,
                              const char* targetMonth, const char* targetYear)
{
    FieldTexts texts = defaultTexts(kFields);
    auto set = [&](const char* name, const char* text) {
        texts[static_cast<std::size_t>(fieldIndex(kFields, name))] = text;
    };
    set("LnBal", loan);
    set("PreNbr", prepayStart);
    set("Targmm", targetMonth);
    set("Targccyy", targetYear);
    const RegionalSettings us = RegionalSettings::unitedStates();
    for (auto _ : state) {
        Outcome out = PrepayTargetCalculation(texts, us);
        benchmark::DoNotOptimize(out);
        if (out.message || out.writes.size() != std::size(kResultLabels)) {
            state.SkipWithError("the calculation did not complete");
            break;
        }
    }
}

// Loans from June 1995; the target is the month of payment k (k = 1: June
// 1995, k = 120: May 2005, k = 300: May 2020), or one month after payment 1.
BENCHMARK_CAPTURE(BM_PrepayTargetWorstCase, LargestLoanPayment1, "99999999", "1", "6", "1995")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrepayTargetWorstCase, LargestLoanPayment120, "99999999", "120", "5", "2005")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrepayTargetWorstCase, LargestLoanPayment300, "99999999", "300", "5", "2020")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrepayTargetWorstCase, DefaultLoanSecondMonth, "100000", "1", "7", "1995")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm::pretarg
