#include "screens/prepayment.h"

#include "app/core/format.h"
#include "loan/rate_of_return.h"

namespace qm {

const char* LoanEntryCheck(Real loan, Real rateFraction, long long termMonths, Count startMonth, Count startYear)
{
    if (!(loan > 0))
        return "Loan Amount must be greater than zero";
    if (!(rateFraction > 0))
        return "Interest Rate must be greater than zero";
    if (termMonths <= 0)
        return "Term must be greater than zero";
    if (startMonth < 1 || startMonth > 12)
        return "Loan start month must be 1 to 12";
    if (startYear < 1950)
        return "Loan start year assumed greater than 1950";
    return nullptr;
}

const char* LoanLimitCheck(Real loan, Real rateFraction, long long termMonths)
{
    if (loan > 99999999)
        return "Loan Amount limit is $99,999,999";
    if (rateFraction > 0.5L)  // 50 x one hundredth is exactly 0.5 and passes
        return "Interest Rate limit is 50 percent";
    if (termMonths > 600)
        return "Term limit is 50 years";
    return nullptr;
}

std::string RateOfReturnText(Real interestSaved, Real prepayAmount, Count prepayments,
                             const RegionalSettings& settings)
{
    const RateOfReturn r = RateOfReturnSearch(interestSaved, prepayAmount, prepayments);
    switch (r.outcome) {
    case ReturnOutcome::Negative: return "Return would be negative";
    case ReturnOutcome::OverLimit: return "Return over 100,000 percent";
    case ReturnOutcome::Rate: break;
    }
    return FixedText(r.percent, 6, 3, settings);
}

}  // namespace qm
