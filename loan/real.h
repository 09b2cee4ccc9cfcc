// The number types of the loan arithmetic and the constants it multiplies by.
#pragma once

#include <cfloat>
#include <cstdint>

namespace qm {

// Extended precision: 64-bit mantissa, 15-bit exponent (the x87 format).
using Real = long double;
// Whole dollars typed into integer fields, months, payment numbers, years.
using Count = std::int32_t;

static_assert(LDBL_MANT_DIG == 64, "Real must be the 80-bit extended format");
static_assert(LDBL_MAX_EXP == 16384, "Real must be the 80-bit extended format");

// Rates are formed by multiplying with these stored values, never by dividing
// by 100 or 12: the two differ in the last bits, and the searches compare
// exactly, so a division would move their outcomes.
inline constexpr Real kOneHundredth = 0.01L;   // 3FF8 A3D70A3D70A3D70A, just below 0.01
inline constexpr Real kOneTwelfth = 1.0L / 12; // 3FFB AAAAAAAAAAAAAAAB, just above 1/12
inline constexpr Real kOneThousandth = 0.001L;

}  // namespace qm
