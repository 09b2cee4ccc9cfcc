// The loan arithmetic's loops: the month loop of the amortization run against
// a bare loop of the same extended operations without fault checks, and the
// rate of return search.
#include <benchmark/benchmark.h>

#include "loan/amortization.h"
#include "loan/formulas.h"
#include "loan/rate_of_return.h"

namespace qm {
namespace {

// 100000 at 8.5 percent over 30 years from June 1995.
struct DefaultLoan {
    Real balance = 100000;
    Real monthlyRate = MonthlyRate(8.5L * kOneHundredth);
    Real payment = LevelPayment(100000, monthlyRate, 360);
    Count startIndex = 1995 * 12 + 6;
};

constexpr Count kNoPrepayment = 1000;

void BM_AmortizationRun(benchmark::State& state)
{
    DefaultLoan loan;
    Count months = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(loan);
        const RunResult run =
            AmortizationRun(loan.balance, loan.monthlyRate, loan.payment, 0, kNoPrepayment, loan.startIndex);
        benchmark::DoNotOptimize(run);
        months += run.months;
    }
    state.SetItemsProcessed(months);
}
BENCHMARK(BM_AmortizationRun);

// The month loop with plain operators: the floor the checked run is measured
// against. Kept out of line and not cloned for its constant arguments, like
// the library function.
[[gnu::noipa]] RunResult bareMonthLoop(Real balance, Real i, Real pi, Real p, Count k, Count s)
{
    Real b = balance;
    Real total = 0;
    Real q = 0;
    Count m = 0;
    for (;;) {
        const Real interest = i * b;
        ++m;
        if (m >= k)
            q = p;
        Real principal;
        bool stalled = false;
        if (pi >= b) {
            principal = b + interest;
        } else {
            principal = (pi - interest) + q;
            stalled = principal <= 0;
        }
        const Real rest = b - principal;
        b = rest > 0 ? rest : 0;
        total = total + interest;
        if (b == 0)
            break;
        if (stalled || m == kMaxRunMonths)
            break;
    }
    return {total, m, m + s - 1, RunOutcome::PaidOff};
}

void BM_BareMonthLoop(benchmark::State& state)
{
    DefaultLoan loan;
    Count months = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(loan);
        const RunResult run =
            bareMonthLoop(loan.balance, loan.monthlyRate, loan.payment, 0, kNoPrepayment, loan.startIndex);
        benchmark::DoNotOptimize(run);
        months += run.months;
    }
    state.SetItemsProcessed(months);
}
BENCHMARK(BM_BareMonthLoop);

// The Prepayment Summary defaults: 50 a month from payment 1 saves about 44507.998 over 284 prepayments.
void BM_RateOfReturnSearch(benchmark::State& state)
{
    DefaultLoan loan;
    const RunResult without =
        AmortizationRun(loan.balance, loan.monthlyRate, loan.payment, 0, kNoPrepayment, loan.startIndex);
    const RunResult with = AmortizationRun(loan.balance, loan.monthlyRate, loan.payment, 50, 1, loan.startIndex);
    Real saved = without.totalInterest - with.totalInterest;
    Real prepayment = 50;
    Count prepayments = with.months;
    for (auto _ : state) {
        benchmark::DoNotOptimize(saved);
        benchmark::DoNotOptimize(prepayment);
        benchmark::DoNotOptimize(prepayments);
        benchmark::DoNotOptimize(RateOfReturnSearch(saved, prepayment, prepayments));
    }
}
BENCHMARK(BM_RateOfReturnSearch);

}  // namespace
}  // namespace qm
