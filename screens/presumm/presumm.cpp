#include "screens/presumm/presumm.h"

#include "app/core/format.h"
#include "loan/amortization.h"
#include "loan/formulas.h"
#include "screens/prepayment.h"

namespace qm::presumm {

const FieldSpec kFields[7] = {
    {"LnBal", "100000", 0, FieldKind::Real}, {"AnnRte", "8.5", 0, FieldKind::Real},
    {"Trm", "30", 0, FieldKind::Integer},    {"LnStMm", "6", 2, FieldKind::Integer},
    {"LnStCcyy", "1995", 4, FieldKind::Integer}, {"PreAmt", "50", 0, FieldKind::Real},
    {"PreNbr", "1", 3, FieldKind::Integer},
};

const char* const kResultLabels[10] = {"MthPay",    "NmthPay", "IntNoPay", "IntWthPay", "IntSaved",
                                       "TimeSaved", "NewTerm", "NewCcyy",  "NewMm",     "RateRet"};

namespace {

// By end index mod 12: an index divisible by 12 is December of the year before.
constexpr const char* kMonthNames[12] = {"December,", "January,", "February,", "March,",
                                         "April,",    "May,",     "June,",     "July,",
                                         "August,",   "September,", "October,", "November,"};

}  // namespace

Outcome PrepaySummaryCalculation(const FieldTexts& texts, const RegionalSettings& settings)
{
    return runCalculation([&](Outcome& out) {
        FieldReader in(kFields, texts, settings);
        const Real loan = in.real("LnBal");
        // Formed in 64 bits: the term field has no length limit, and a huge
        // term must reach the term-limit check rather than wrap around.
        const long long months = static_cast<long long>(in.integer("Trm")) * 12;
        const Real rate = fp::mul(in.real("AnnRte"), kOneHundredth);
        const Real prepay = in.real("PreAmt");
        const Count startMonth = in.integer("LnStMm");
        const Count startYear = in.integer("LnStCcyy");
        const Count prepayStart = in.integer("PreNbr");
        if (in.failed())
            return out.warn(kInputError);

        if (const char* problem = LoanEntryCheck(loan, rate, months, startMonth, startYear))
            return out.warn(problem);
        if (const char* problem = LoanLimitCheck(loan, rate, months))
            return out.warn(problem);
        if (prepayStart <= 0)
            return out.warn("Prepayment start number must be greater than 0");
        if (months < prepayStart)
            return out.warn("Prepayment start number exceeds Term (in months)");
        if (loan < prepay)
            return out.warn("Prepayment amount exceeds Loan amount");

        const Count n = static_cast<Count>(months);
        // The year has at most four digits, so the index stays far inside 32 bits.
        const Count startIndex = startYear * 12 + startMonth;
        const Real i = MonthlyRate(rate);
        const Real payment = LevelPayment(loan, i, n);
        out.write("MthPay", CurrencyText(payment, settings));
        out.write("NmthPay", CurrencyText(fp::add(payment, prepay), settings));

        const RunResult plain = AmortizationRun(loan, i, payment, prepay, kNoPrepaymentStart, startIndex);
        if (plain.outcome == RunOutcome::NeverPaidOff)
            return out.warn(kLoanTooSmall);
        out.write("IntNoPay", CurrencyText(plain.totalInterest, settings));

        const RunResult prepaid = AmortizationRun(loan, i, payment, prepay, prepayStart, startIndex);
        if (prepaid.outcome == RunOutcome::NeverPaidOff)
            return out.warn(kNeverPaidOff);
        out.write("IntWthPay", CurrencyText(prepaid.totalInterest, settings));

        const Real saved = fp::sub(plain.totalInterest, prepaid.totalInterest);
        out.write("IntSaved", CurrencyText(saved, settings));
        out.write("TimeSaved", WholeNumberText(static_cast<long long>(n) - prepaid.months));
        out.write("NewTerm", WholeNumberText(prepaid.months));

        Count endYear = prepaid.endIndex / 12;
        const Count endMonth = prepaid.endIndex % 12;
        if (endMonth == 0)
            --endYear;
        out.write("NewCcyy", WholeNumberText(endYear));
        out.write("NewMm", kMonthNames[endMonth]);

        out.write("RateRet", RateOfReturnText(saved, prepay, prepaid.months - prepayStart + 1, settings));
    });
}

const ScreenDef kScreen = {"prepay-summary", "Prepayment Summary", kFields, kResultLabels,
                           &PrepaySummaryCalculation};

}  // namespace qm::presumm
