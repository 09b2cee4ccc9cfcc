// The result formats. Every number is first taken to 18 significant digits
// (nearest, ties to even), then cut at the last wanted digit with the dropped
// part rounded half up on the digit string; 2.675 therefore shows as 2.68
// although its extended value lies just below it.
#pragma once

#include <string>

#include "app/core/regional.h"
#include "loan/real.h"

namespace qm {

// Two decimals, grouped, with the currency symbol and the regional pattern;
// the negative pattern for every value below zero, also when it rounds to 0.
// An integer part of more than 18 digits is written in scientific form.
std::string CurrencyText(Real value, const RegionalSettings& settings);

// At most `precision` significant digits and exactly `decimals` decimals, a
// leading minus below zero, no grouping. An integer part of more than
// `precision` digits is written in scientific form.
std::string FixedText(Real value, int precision, int decimals, const RegionalSettings& settings);

// The decimal digits of a 32-bit integer, with a minus when negative.
std::string WholeNumberText(long long value);

}  // namespace qm
