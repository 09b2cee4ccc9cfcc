// Prepayment Summary: what a fixed extra amount with every payment from a
// chosen payment on saves in interest and months, and what it earns.
#pragma once

#include "app/core/calculation.h"
#include "screens/prepayment.h"

namespace qm::presumm {

extern const FieldSpec kFields[7];
extern const char* const kResultLabels[10];

inline constexpr const char* kInputError =
    "Please check your input. All fields must be numeric. Term, Loan start date, and prepayment start number "
    "cannot have a decimal.";
inline constexpr const char* kHelpNote =
    "All input fields must be numeric. Loan Amount, Interest rate and Prepayment Amount can include a decimal if "
    "needed. Loan Amount, Term, Interest rate, Loan Start month and year must be greater than 0. Use TAB key or "
    "mouse to navigate. Hold the mouse pointer over the field labels for data-entry hints.";
inline constexpr const char* kNeverPaidOff =
    "Prepayment amount is too negative: the loan would never be paid off";

using ::qm::kLoanTooSmall;

Outcome PrepaySummaryCalculation(const FieldTexts& texts, const RegionalSettings& settings);

extern const ScreenDef kScreen;

}  // namespace qm::presumm
