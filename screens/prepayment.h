// What the two prepayment screens share: the rate of return label's text.
#pragma once

#include <string>

#include "app/core/regional.h"
#include "loan/real.h"

namespace qm {

// RateRet: the rate in percent as fixed text (6 significant digits, 3
// decimals), "Return would be negative", or "Return over 100,000 percent".
std::string RateOfReturnText(Real interestSaved, Real prepayAmount, Count prepayments,
                             const RegionalSettings& settings);

}  // namespace qm
