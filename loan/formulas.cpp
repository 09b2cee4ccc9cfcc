#include "loan/formulas.h"

#include "loan/fault.h"

namespace qm {

Real MonthlyRate(Real annualRateFraction) { return fp::mul(annualRateFraction, kOneTwelfth); }

Real CompoundFactor(Real monthlyRate, Count k)
{
    const Real u = fp::add(1, monthlyRate);
    const Real v = fp::ln(u);
    const Real w = fp::mul(v, static_cast<Real>(k));
    return fp::exp(w);
}

Real LevelPayment(Real principal, Real monthlyRate, Count months)
{
    const Real d = fp::sub(1, CompoundFactor(monthlyRate, -months));
    const Real q = fp::mul(principal, monthlyRate);
    return fp::div(q, d);
}

Real PaymentPerThousand(Real monthlyRate, Count months)
{
    const Real d = fp::sub(1, CompoundFactor(monthlyRate, -months));
    const Real q = fp::mul(monthlyRate, 1000);
    return fp::div(q, d);
}

Real AnnuityFutureValue(Real deposit, Real monthlyRate, Count deposits)
{
    const Real g = fp::sub(CompoundFactor(monthlyRate, deposits), 1);
    const Real h = fp::mul(g, deposit);
    return fp::div(h, monthlyRate);
}

}  // namespace qm
