// Arithmetic faults: invalid operation, division by zero and overflow end a
// calculation. Underflow and inexact results do not.
//
// Faults are detected from the values, never from the FPU status flags: the
// optimiser moves floating-point operations across fetestexcept(), so a flag
// test can miss the operation it was meant to guard. Every operand reaching
// these helpers is finite, so the first result that is not finite is the
// fault, and the operation that made it says which one.
#pragma once

#include <cmath>
#include <stdexcept>

#include "loan/real.h"

namespace qm {

enum class FaultKind {
    InvalidOperation,  // 0/0, logarithm of a negative number
    DivisionByZero,    // x/0 with x not 0, logarithm of 0
    Overflow,          // any other result beyond the extended range
};

// The text of the application error box, without its final full stop.
const char* faultText(FaultKind kind);

struct ArithmeticFault : std::runtime_error {
    explicit ArithmeticFault(FaultKind k) : std::runtime_error(faultText(k)), kind(k) {}
    FaultKind kind;
};

[[noreturn]] void raiseFault(FaultKind kind);

// Puts the x87 unit into 64-bit precision with rounding to nearest and every
// exception masked (faults are found from the values). Called at the start of
// every program.
void initFloatingPoint();

namespace fp {

inline Real overflowChecked(Real r)
{
    if (!std::isfinite(r)) [[unlikely]]
        raiseFault(FaultKind::Overflow);
    return r;
}

inline Real add(Real a, Real b) { return overflowChecked(a + b); }
inline Real sub(Real a, Real b) { return overflowChecked(a - b); }
inline Real mul(Real a, Real b) { return overflowChecked(a * b); }

inline Real div(Real a, Real b)
{
    if (b == 0) [[unlikely]]
        raiseFault(a == 0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
    return overflowChecked(a / b);
}

// Natural logarithm; never overflows for a finite argument.
inline Real ln(Real x)
{
    if (x <= 0) [[unlikely]]
        raiseFault(x == 0 ? FaultKind::DivisionByZero : FaultKind::InvalidOperation);
    return std::log(x);
}

inline Real exp(Real x) { return overflowChecked(std::exp(x)); }

}  // namespace fp
}  // namespace qm
