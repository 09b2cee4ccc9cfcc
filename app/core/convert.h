// The two field conversions: a field's text either converts as a whole or the
// field fails. Both are independent of the process locale; the decimal
// separator comes from the regional settings.
#pragma once

#include <optional>
#include <string_view>

#include "app/core/regional.h"
#include "loan/real.h"

namespace qm {

// Leading blanks, then an optionally signed decimal number within
// +-2147483647, or "$" and up to eight significant hex digits taken as a
// 32-bit two's-complement value. Nothing may follow.
std::optional<Count> StringToInteger(std::string_view text);

// Blanks, optional sign, digits with an optional decimal separator (a lone
// separator reads as 0), an optional exponent ("E" with no digits is 0; its
// digits are read until it reaches 500), trailing blanks. Correctly rounded;
// beyond the extended range is a failure, too small becomes zero or denormal.
std::optional<Real> StringToReal(std::string_view text, const RegionalSettings& settings);

// A y/n field: exactly "y" or "n", lower case, no blanks.
enum class YesNo { Yes, No };
std::optional<YesNo> YesNoAnswer(std::string_view text);

}  // namespace qm
