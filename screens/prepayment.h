// What the two prepayment screens share: the rate of return label's text.
#pragma once

#include <string>

#include "app/core/regional.h"
#include "loan/real.h"

namespace qm {

// The loan checks both prepayment screens make, with the same texts. Each
// gives the first failed check's message, or nullptr. The screens run the
// first set, their own date checks, then the limits.
const char* LoanEntryCheck(Real loan, Real rateFraction, long long termMonths, Count startMonth, Count startYear);
const char* LoanLimitCheck(Real loan, Real rateFraction, long long termMonths);

// RateRet: the rate in percent as fixed text (6 significant digits, 3
// decimals), "Return would be negative", or "Return over 100,000 percent".
std::string RateOfReturnText(Real interestSaved, Real prepayAmount, Count prepayments,
                             const RegionalSettings& settings);

}  // namespace qm
