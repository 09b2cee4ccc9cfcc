// The slowest inputs found for the screens (by fuzzing with a slowness
// signal and by reasoning about their loops), each through the whole screen
// calculation as Calculate runs it. Every one must stay well under 50 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "app/core/calculation.h"
#include "screens/registry.h"

namespace qm {
namespace {

using Overrides = std::vector<std::pair<const char*, const char*>>;

struct WorstCase {
    const char* name;    // the benchmark's name
    const char* screen;  // the screen's id
    Overrides texts;     // the fields that differ from the defaults
    const char* expected;  // its message, or its last write: the path it must take
};

const WorstCase kWorstCases[] = {
    // The affordability search's trial bound (4,000,000 trials): the monthly
    // cost rises by a sliver per step (points -100 with costs included).
    {"BM_QualifyWorstCase/TrialCap",
     "qualify",
     {{"MG", "9999999"}, {"MID", "0"}, {"MDR", "99"}, {"TDR", "99"}, {"AT", "3000"}, {"Mills", "0"}, {"AF", "0"},
      {"Rate", "50"}, {"Pts", "-100"}, {"CCI", "y"}, {"DP", "20"}},
     "No mortgage amount fits: the monthly cost does not rise enough with the loan amount. Check millage, "
     "assessment and points"},
    // Two prepayments that save 48 times their amount (the top rate over the
    // longest term): the rate of return search climbs its coarse grid to
    // 55,050 percent, some 55,000 evaluations.
    {"BM_PrepaySummaryWorstCase/TwoPrepaymentsTopRate",
     "prepay-summary",
     {{"AnnRte", "50"}, {"Trm", "50"}, {"PreAmt", "50000"}, {"PreNbr", "1"}},
     "55050.000"},
    {"BM_PrepayTargetWorstCase/TwoPrepaymentsTopRate",
     "prepay-target",
     {{"LnBal", "2"}, {"AnnRte", "50"}, {"Trm", "50"}},
     "55050.000"},
    // A balance that falls by a sliver each month: the run with prepayment
    // stops at its 100,000-month bound.
    {"BM_PrepaySummaryWorstCase/MonthBound",
     "prepay-summary",
     {{"AnnRte", "1e-10"}, {"Trm", "50"}, {"PreAmt", "-166.6666"}, {"PreNbr", "1"}},
     "Prepayment amount is too negative: the loan would never be paid off"},
};

void runWorstCase(benchmark::State& state, const WorstCase& c)
{
    const ScreenDef* screen = findScreen(c.screen);
    if (!screen) {
        state.SkipWithError("screen not built");
        return;
    }
    FieldTexts texts = defaultTexts(screen->fields);
    for (const auto& [name, text] : c.texts)
        texts[static_cast<std::size_t>(fieldIndex(screen->fields, name))] = text;
    const RegionalSettings us = RegionalSettings::unitedStates();
    std::string last;
    for (auto _ : state) {
        Outcome out = screen->calculate(texts, us);
        benchmark::DoNotOptimize(out);
        last = out.message ? out.message->text : out.writes.empty() ? "" : out.writes.back().text;
    }
    if (last != c.expected)
        state.SkipWithError(("took another path: " + last).c_str());
}

const bool kRegistered = [] {
    for (const WorstCase& c : kWorstCases)
        benchmark::RegisterBenchmark(c.name, [&c](benchmark::State& s) { runWorstCase(s, c); })
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
}  // namespace qm
