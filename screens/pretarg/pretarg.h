// Prepayment Target: the whole-dollar extra amount, paid with every payment
// from a chosen payment on, that pays the loan off by a target month.
#pragma once

#include "app/core/calculation.h"
#include "screens/prepayment.h"
#include "loan/amortization.h"

namespace qm::pretarg {

extern const FieldSpec kFields[8];
extern const char* const kResultLabels[9];

inline constexpr const char* kInputError =
    "Please check your input. All fields must be numeric. Term, Loan start date, Target date and prepayment start "
    "number cannot have a decimal.";
inline constexpr const char* kHelpNote =
    "All fields must be numeric. Loan Amount, Interest Rate and Prepayment Amount can include a decimal if needed. "
    "Loan Amount, Term, Interest Rate, Loan Start date and Target date must be greater than zero. Use TAB button or "
    "mouse to move between fields.  Hold the mouse pointer over the field labels for data-entry \"hints\".";

using ::qm::kLoanTooSmall;

struct TargetSearch {
    Real prepay;     // p: whole dollars
    RunResult last;  // the run with p, the last run of the stepping
    int runs;        // how many runs the search made
};

// The amount that stepping by +50 from 0 until the run ends by the target,
// then back by 10 until it ends at or after it, then up by 1 until it ends by
// it, arrives at. Needs target >= the month of payment prepayStart.
TargetSearch RequiredPrepayment(Real loan, Real monthlyRate, Real payment, Count prepayStart, Count startIndex,
                                Count target);

Outcome PrepayTargetCalculation(const FieldTexts& texts, const RegionalSettings& settings);

extern const ScreenDef kScreen;

}  // namespace qm::pretarg
