#include "app/core/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qm {

namespace {

// A magnitude as significant digits and the power of ten of the first one;
// no digits means zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The magnitude to 18 significant digits, nearest with ties to even.
Decimal eighteenDigits(Real magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');

    Decimal d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    if (d.digits.find_first_not_of('0') == std::string::npos)
        return {};
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), d.exponent);
    return d;
}

// Cuts after significant digit `last` (0-based; -1 keeps none) with the
// dropped part rounded half up; the carry may add a digit in front.
Decimal cutAfter(Decimal d, int last)
{
    if (d.digits.empty() || last >= static_cast<int>(d.digits.size()) - 1)
        return d;
    if (last < -1)
        return {};
    const bool roundUp = d.digits[static_cast<std::size_t>(last + 1)] >= '5';
    d.digits.resize(static_cast<std::size_t>(last + 1));
    if (roundUp) {
        int i = last;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
            d.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.find_first_not_of('0') == std::string::npos)
        return {};
    return d;
}

// The significant digit at the place of 10^power, or '0' outside the digits.
char digitAt(const Decimal& d, int power)
{
    const int index = d.exponent - power;
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)] : '0';
}

int integerDigits(const Decimal& d) { return d.digits.empty() || d.exponent < 0 ? 1 : d.exponent + 1; }

// Rounds |value| to `decimals` decimals and at most `precision` significant digits.
Decimal roundedTo(Real magnitude, int precision, int decimals)
{
    const Decimal d = eighteenDigits(magnitude);
    return cutAfter(d, std::min(d.exponent + decimals, precision - 1));
}

std::string integerPart(const Decimal& d, const std::string& thousands)
{
    std::string out;
    const int count = integerDigits(d);
    for (int power = count - 1; power >= 0; --power) {
        out += digitAt(d, power);
        if (power > 0 && power % 3 == 0)
            out += thousands;
    }
    return out;
}

std::string fractionPart(const Decimal& d, int decimals, const std::string& separator)
{
    if (decimals <= 0)
        return {};
    std::string out = separator;
    for (int power = -1; power >= -decimals; --power)
        out += digitAt(d, power);
    return out;
}

std::string scientific(const Decimal& d, const std::string& separator)
{
    std::string digits = d.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string out(1, digits[0]);
    if (digits.size() > 1)
        out += separator + digits.substr(1);
    return out + "E" + std::to_string(d.exponent);
}

std::string nonFinite(Real value) { return std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF"; }

std::string arrange(const char* pattern, const std::string& number, const std::string& symbol)
{
    std::string out;
    for (const char* c = pattern; *c; ++c)
        out += *c == 'N' ? number : *c == 'S' ? symbol : std::string(1, *c);
    return out;
}

}  // namespace

std::string CurrencyText(Real value, const RegionalSettings& settings)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const bool negative = value < 0;
    const Decimal d = roundedTo(std::fabs(value), 18, 2);
    if (integerDigits(d) > 18)
        return std::string(negative ? "-" : "").append(scientific(d, settings.decimalSeparator));

    const std::string number =
        integerPart(d, settings.thousandsSeparator) + fractionPart(d, 2, settings.decimalSeparator);
    static constexpr const char* kPositive[] = {"SN", "NS", "S N", "N S"};
    static constexpr const char* kNegative[] = {"(SN)", "-SN",  "S-N",  "SN-",  "(NS)", "-NS",  "N-S",   "NS-",
                                                "-N S", "-S N", "N S-", "S N-", "S -N", "N- S", "(S N)", "(N S)"};
    if (negative)
        return arrange(kNegative[std::clamp(settings.negativeCurrencyFormat, 0, 15)], number, settings.currencySymbol);
    return arrange(kPositive[std::clamp(settings.positiveCurrencyFormat, 0, 3)], number, settings.currencySymbol);
}

std::string FixedText(Real value, int precision, int decimals, const RegionalSettings& settings)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const std::string sign = value < 0 ? "-" : "";
    const Decimal d = roundedTo(std::fabs(value), precision, decimals);
    if (integerDigits(d) > precision)
        return std::string(sign).append(scientific(d, settings.decimalSeparator));
    return sign + integerPart(d, "") + fractionPart(d, decimals, settings.decimalSeparator);
}

std::string WholeNumberText(long long value) { return std::to_string(value); }

}  // namespace qm
