// What the two prepayment screens share: the rate of return label's text.
#pragma once

#include <string>

#include "app/core/regional.h"
#include "loan/real.h"

namespace qm {

// A loan amount so tiny (a denormal) that its payment rounds to nothing and
// even the run without prepayment never ends.
inline constexpr const char* kLoanTooSmall = "Loan Amount is too small to be paid off";

// A first prepaid payment beyond every month a run can reach (terms end by
// month 600): a run without prepayment.
inline constexpr Count kNoPrepaymentStart = 1000;

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
