#include "loan/fault.h"

#include <cfenv>
#include <fpu_control.h>

namespace qm {

const char* faultText(FaultKind kind)
{
    switch (kind) {
    case FaultKind::InvalidOperation: return "Invalid floating point operation";
    case FaultKind::DivisionByZero: return "Floating point division by zero";
    case FaultKind::Overflow: return "Floating point overflow";
    }
    return "Floating point fault";
}

void raiseFault(FaultKind kind) { throw ArithmeticFault(kind); }

void initFloatingPoint()
{
    fpu_control_t cw;
    _FPU_GETCW(cw);
    cw = (cw & ~fpu_control_t{0x300}) | _FPU_EXTENDED;  // precision control field
    cw = (cw & ~fpu_control_t{_FPU_RC_ZERO}) | _FPU_RC_NEAREST;  // rounding field
    cw |= _FPU_MASK_IM | _FPU_MASK_DM | _FPU_MASK_ZM | _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
    _FPU_SETCW(cw);
    std::fesetround(FE_TONEAREST);
}

}  // namespace qm
