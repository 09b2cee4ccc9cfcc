// The closed-form loan formulas. Each step is one extended operation in the
// order written: the searches compare their results exactly, so a reordered
// or fused step would change what they find.
#pragma once

#include "loan/real.h"

namespace qm {

// i = r x one twelfth.
Real MonthlyRate(Real annualRateFraction);

// (1 + i)^k, always as exp(k x ln(1 + i)): no shortcut for any k. When 1 + i
// rounds to 1 the factor is exactly 1.
Real CompoundFactor(Real monthlyRate, Count k);

// P x i / (1 - (1 + i)^-n): the level monthly payment of principal and interest.
Real LevelPayment(Real principal, Real monthlyRate, Count months);

// (i x 1000) / (1 - (1 + i)^-n): the payment on a loan of 1000.
Real PaymentPerThousand(Real monthlyRate, Count months);

// X x ((1 + i)^n - 1) / i: the value after the n-th of n end-of-month deposits.
Real AnnuityFutureValue(Real deposit, Real monthlyRate, Count deposits);

}  // namespace qm
