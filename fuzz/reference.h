// Slow, independent references the fuzz targets hold the real code against:
// the two field grammars written as plain scanners, exact arithmetic on big
// integers instead of strtold/to_chars, and a parser for currency texts.
// Nothing here calls app/core, so a fault there cannot hide in both.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "loan/real.h"

namespace qm::ref {

// Unsigned integer of any size, little-endian 32-bit limbs, no leading zero limb.
class BigInt {
public:
    BigInt() = default;
    explicit BigInt(std::uint64_t v);
    static BigInt fromDecimal(std::string_view digits);
    static BigInt powerOf(std::uint32_t base, unsigned exponent);

    BigInt& mulSmall(std::uint32_t m);
    BigInt& addSmall(std::uint32_t a);
    BigInt& mul(const BigInt& other);
    BigInt& shiftLeft(unsigned bits);
    std::uint32_t divSmall(std::uint32_t d);  // returns the remainder
    bool isZero() const { return limbs_.empty(); }
    std::string toDecimal() const;

    friend int compare(const BigInt& a, const BigInt& b);

private:
    void trim();
    std::vector<std::uint32_t> limbs_;
};

// StringToInteger's grammar, written from the field rules.
std::optional<std::int32_t> referenceInteger(std::string_view text);

// StringToReal's grammar: the exact value as digits x 10^exponent10, before rounding.
struct ExactDecimal {
    bool negative = false;
    std::string digits;  // without leading zeros; empty for zero
    long exponent10 = 0;
};
std::optional<ExactDecimal> referenceRealGrammar(std::string_view text, std::string_view decimalSeparator);

// Whether `value` is the correctly rounded (nearest, ties to even) extended
// value of `exact`; for nullopt, whether `exact` lies beyond the extended range.
bool isCorrectlyRounded(const ExactDecimal& exact, std::optional<Real> value);

// The exact decimal expansion of a finite |value|: significant digits and the
// power of ten of the first one (digits empty for zero).
struct DecimalDigits {
    std::string digits;
    int exponent10 = 0;
};
DecimalDigits exactDigits(Real magnitude);

// The result-format rounding: 18 significant digits (nearest, ties to even)
// from the exact expansion, then half up on the digit string so that no digit
// below 10^-decimals and none past the `precision`-th significant one is kept.
DecimalDigits formatRounding(const DecimalDigits& exact, int precision, int decimals);

// The currency patterns of the regional settings, transcribed on their own.
const char* positivePattern(int format);
const char* negativePattern(int format);

// A currency text taken apart again: the sign it shows and the digits of its
// number part (grouping removed, decimals kept), or why it does not parse.
struct ParsedCurrency {
    bool negative = false;
    std::string integerDigits;
    std::string decimalDigits;
    bool scientific = false;
    std::string error;  // empty when it parsed
};
ParsedCurrency parseCurrencyText(std::string_view text, std::string_view symbol, int positiveFormat,
                                 int negativeFormat, std::string_view thousands, std::string_view decimal);

// Checks a scientific form "[-]d[<sep>ddd]E[-]n" against rounded digits: at
// most `precision` digits, trailing zeros dropped. Empty when it matches.
std::string checkScientific(std::string_view text, bool negative, const DecimalDigits& rounded, int precision,
                            std::string_view decimal);

}  // namespace qm::ref
