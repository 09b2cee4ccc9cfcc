// Start-up puts the x87 unit into the state the arithmetic is defined in.
#include <gtest/gtest.h>

#include <cfenv>
#include <fpu_control.h>

#include "loan/fault.h"
#include "loan/formulas.h"

namespace qm {
namespace {

TEST(InitFloatingPoint, RestoresExtendedPrecisionAndRoundingToNearest)
{
    fpu_control_t cw;
    _FPU_GETCW(cw);
    const fpu_control_t saved = cw;
    // Double precision, rounding toward zero: what another runtime might leave.
    cw = static_cast<fpu_control_t>((cw & ~0xF00) | _FPU_DOUBLE | _FPU_RC_ZERO);
    _FPU_SETCW(cw);

    initFloatingPoint();
    _FPU_GETCW(cw);
    const fpu_control_t precision = cw & 0x300;
    const fpu_control_t rounding = cw & 0xC00;
    const volatile Real third = 1.0L / 3;  // computed in the restored state
    _FPU_SETCW(saved);

    EXPECT_EQ(precision, static_cast<fpu_control_t>(_FPU_EXTENDED));
    EXPECT_EQ(rounding, static_cast<fpu_control_t>(_FPU_RC_NEAREST));
    EXPECT_EQ(cw & 0x3F, 0x3F) << "every exception stays masked: faults are found from the values";
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    // 1/3 to 64 bits, rounded to nearest: mantissa AAAAAAAAAAAAAAAB.
    EXPECT_EQ(third, 0x1.5555555555555556p-2L);
}

}  // namespace
}  // namespace qm
