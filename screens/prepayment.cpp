#include "screens/prepayment.h"

#include "app/core/format.h"
#include "loan/rate_of_return.h"

namespace qm {

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
