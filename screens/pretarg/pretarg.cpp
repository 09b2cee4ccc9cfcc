#include "screens/pretarg/pretarg.h"

#include <limits>

#include "app/core/format.h"
#include "loan/formulas.h"
#include "screens/prepayment.h"

namespace qm::pretarg {

const FieldSpec kFields[8] = {
    {"LnBal", "100000", 0, FieldKind::Real},     {"AnnRte", "8.5", 0, FieldKind::Real},
    {"Trm", "30", 2, FieldKind::Integer},        {"LnStMm", "6", 2, FieldKind::Integer},
    {"LnStCcyy", "1995", 4, FieldKind::Integer}, {"Targmm", "1", 2, FieldKind::Integer},
    {"Targccyy", "2019", 4, FieldKind::Integer}, {"PreNbr", "1", 3, FieldKind::Integer},
};

const char* const kResultLabels[9] = {"MthPay",  "IntNoPay", "IntWthPay", "IntSaved", "TimeSaved",
                                      "NewTerm", "PreReq",   "NmthPay",   "RateRet"};

TargetSearch RequiredPrepayment(Real loan, Real monthlyRate, Real payment, Count prepayStart, Count startIndex,
                                Count target)
{
    int runs = 0;
    auto run = [&](Real p) {
        ++runs;
        return AmortizationRun(loan, monthlyRate, payment, p, prepayStart, startIndex);
    };

    // Phase 1 steps p = 50, 100, ... until a run ends by the target. A
    // larger prepayment never ends a run later (every run starts from the
    // same loan and rounding is monotonic), so the first such multiple of 50
    // is found by doubling and bisection instead: the same p, the same run.
    // A prepayment of the whole loan ends the run in month prepayStart, which
    // the target is not before, so the doubling ends.
    // A run that never pays off ends later than every month.
    auto endOf = [](const RunResult& r) {
        return r.outcome == RunOutcome::NeverPaidOff ? std::numeric_limits<Count>::max() : r.endIndex;
    };
    auto meets = [&](const RunResult& r) { return endOf(r) <= target; };
    long long failing = 0;  // in units of 50: 0 stands for no run yet
    long long units = 1;
    RunResult last = run(50);
    while (!meets(last)) {
        failing = units;
        units *= 2;
        last = run(static_cast<Real>(units) * 50);
    }
    while (units - failing > 1) {
        const long long middle = failing + (units - failing) / 2;
        const RunResult r = run(static_cast<Real>(middle) * 50);
        if (meets(r)) {
            units = middle;
            last = r;
        } else {
            failing = middle;
        }
    }
    Real p = static_cast<Real>(units) * 50;

    // Phases 2 and 3 take a handful of runs each and are stepped as they are.
    if (target > endOf(last)) {
        do {
            p = p - 10;
            last = run(p);
        } while (endOf(last) < target);
    }
    if (endOf(last) != target) {
        do {
            p = p + 1;
            last = run(p);
        } while (endOf(last) > target);
    }
    return {p, last, runs};
}

Outcome PrepayTargetCalculation(const FieldTexts& texts, const RegionalSettings& settings)
{
    return runCalculation([&](Outcome& out) {
        FieldReader in(kFields, texts, settings);
        const Real loan = in.real("LnBal");
        const long long months = static_cast<long long>(in.integer("Trm")) * 12;
        const Real rate = fp::mul(in.real("AnnRte"), kOneHundredth);
        const Count startMonth = in.integer("LnStMm");
        const Count startYear = in.integer("LnStCcyy");
        const Count targetMonth = in.integer("Targmm");
        const Count targetYear = in.integer("Targccyy");
        const Count prepayStart = in.integer("PreNbr");
        if (in.failed())
            return out.warn(kInputError);

        if (const char* problem = LoanEntryCheck(loan, rate, months, startMonth, startYear))
            return out.warn(problem);
        if (targetMonth < 1 || targetMonth > 12)
            return out.warn("Target month must be 1 to 12");
        if (targetYear < 1990)
            return out.warn("Target year assumed greater than 1990");
        // Month indexes in 64 bits: the year fields are not bounded from
        // above except by their length.
        const long long start = static_cast<long long>(startYear) * 12 + startMonth;
        const long long target = static_cast<long long>(targetYear) * 12 + targetMonth;
        if (const char* problem = LoanLimitCheck(loan, rate, months))
            return out.warn(problem);
        if (target >= start + months - 1)
            return out.warn("Target date equal to or greater than Term ending date");
        if (prepayStart <= 0)
            return out.warn("Prepayment start number must be greater than 0");
        if (prepayStart > months)
            return out.warn("Prepayment start number exceeds Term (in months)");
        // No run can end before the month of the first prepayment.
        if (target < start + prepayStart - 1)
            return out.warn("Target date is earlier than the first prepayment");

        const Count n = static_cast<Count>(months);
        const Real i = MonthlyRate(rate);
        const Real payment = LevelPayment(loan, i, n);
        out.write("MthPay", CurrencyText(payment, settings));

        const RunResult baseline =
            AmortizationRun(loan, i, payment, 0, kNoPrepaymentStart, static_cast<Count>(start));
        if (baseline.outcome == RunOutcome::NeverPaidOff)
            return out.warn(kLoanTooSmall);
        out.write("IntNoPay", CurrencyText(baseline.totalInterest, settings));

        const TargetSearch found = RequiredPrepayment(loan, i, payment, prepayStart, static_cast<Count>(start),
                                                      static_cast<Count>(target));
        const Real saved = fp::sub(baseline.totalInterest, found.last.totalInterest);
        out.write("NmthPay", CurrencyText(fp::add(payment, found.prepay), settings));
        out.write("IntWthPay", CurrencyText(found.last.totalInterest, settings));
        out.write("IntSaved", CurrencyText(saved, settings));
        out.write("TimeSaved", WholeNumberText(static_cast<long long>(n) - found.last.months));
        out.write("NewTerm", WholeNumberText(found.last.months));
        out.write("PreReq", CurrencyText(found.prepay, settings));

        out.write("RateRet",
                  RateOfReturnText(saved, found.prepay, found.last.months - prepayStart + 1, settings));
    });
}

const ScreenDef kScreen = {"prepay-target", "Prepayment Target", kFields, kResultLabels, &PrepayTargetCalculation};

}  // namespace qm::pretarg
