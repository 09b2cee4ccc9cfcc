#include "loan/amortization.h"

#include <cstdint>

#include "loan/fault.h"

namespace qm {

RunResult AmortizationRun(Real balance, Real monthlyRate, Real payment, Real prepayAmount, Count prepayStart,
                          Count startIndex)
{
    Real b = balance;
    Real total = 0;
    Real q = 0;
    Count m = 0;
    RunOutcome outcome = RunOutcome::PaidOff;
    for (;;) {
        const Real interest = fp::mul(monthlyRate, b);
        ++m;
        if (m >= prepayStart)
            q = prepayAmount;
        Real principal;
        bool stalled = false;
        if (payment >= b) {
            principal = fp::add(b, interest);  // the last month: the prepayment is not used
        } else {
            principal = fp::add(fp::sub(payment, interest), q);
            // Interest only grows from here, so the balance can never fall again.
            stalled = principal <= 0;
        }
        const Real rest = fp::sub(b, principal);
        b = rest > 0 ? rest : 0;  // nothing is carried over or refunded
        total = fp::add(total, interest);
        if (b == 0)
            break;
        if (stalled || m == kMaxRunMonths) [[unlikely]] {
            outcome = RunOutcome::NeverPaidOff;
            break;
        }
    }
    // Wraps like the 32-bit month arithmetic it stands for.
    const auto endIndex = static_cast<Count>(std::int64_t{m} + startIndex - 1);
    return {total, m, endIndex, outcome};
}

}  // namespace qm
