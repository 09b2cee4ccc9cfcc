// The result formats for any finite extended value: no crash, the text has
// the format's shape, and it reads back as the value rounded by the rule
// (18 significant digits to nearest, then half up on the digits), computed
// here from the value's exact decimal expansion rather than with to_chars.
//
// Input: 10 bytes of an x87 extended value (little endian; encodings the FPU
// never produces are made canonical, infinities and NaNs skipped), then
// P (mod 18, plus 1), D (mod 7), currency symbol, positive format (mod 5),
// negative format (mod 18), thousands separator, decimal separator. Missing
// bytes count as 0: United States settings.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/core/format.h"
#include "fuzz/check.h"
#include "fuzz/reference.h"
#include "loan/fault.h"

namespace {

using qm::ref::DecimalDigits;

struct Input {
    qm::Real value = 0;
    int precision = 1;
    int decimals = 0;
    qm::RegionalSettings settings = qm::RegionalSettings::unitedStates();
};

template <std::size_t N>
const char* pick(const char* const (&choices)[N], std::uint8_t byte)
{
    return choices[byte % N];
}

bool readInput(const std::uint8_t* data, std::size_t size, Input& in)
{
    std::uint8_t bytes[17] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);

    std::uint64_t mantissa = 0;
    std::memcpy(&mantissa, bytes, 8);
    const unsigned exponent = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
    if (exponent == 0x7FFF)
        return false;
    // The explicit integer bit must match the exponent (no unnormals or
    // pseudo-denormals: arithmetic never makes them).
    if (exponent != 0)
        mantissa |= std::uint64_t{1} << 63;
    else
        mantissa &= ~(std::uint64_t{1} << 63);
    std::uint8_t canonical[16] = {};
    std::memcpy(canonical, &mantissa, 8);
    canonical[8] = bytes[8];
    canonical[9] = bytes[9];
    std::memcpy(&in.value, canonical, 10);

    in.precision = bytes[10] % 18 + 1;
    in.decimals = bytes[11] % 7;
    static const char* const kSymbols[] = {"$", "", "\xE2\x82\xAC", "kr", "CHF", "R$", "z\xC5\x82", "\xC2\xA4"};
    static const char* const kThousands[] = {",", ".", " ", "\xE2\x80\xAF", "'", "\xE2\x80\x99", "\xD9\xAC"};
    static const char* const kDecimals[] = {".", ",", "\xD9\xAB"};
    in.settings.currencySymbol = pick(kSymbols, bytes[12]);
    in.settings.positiveCurrencyFormat = bytes[13] % 5;  // 4: above the highest
    in.settings.negativeCurrencyFormat = bytes[14] % 18;
    in.settings.thousandsSeparator = pick(kThousands, bytes[15]);
    in.settings.decimalSeparator = pick(kDecimals, bytes[16]);
    return true;
}

std::string describe(const Input& in)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, "value %.21Lg (%La), P %d, D %d, formats %d/%d", in.value, in.value, in.precision,
                  in.decimals, in.settings.positiveCurrencyFormat, in.settings.negativeCurrencyFormat);
    return std::string(buf) + ", symbol " + qm::fuzz::quoted(in.settings.currencySymbol) + ", thousands " +
           qm::fuzz::quoted(in.settings.thousandsSeparator) + ", decimal " +
           qm::fuzz::quoted(in.settings.decimalSeparator);
}

int integerDigitCount(const DecimalDigits& d) { return d.digits.empty() || d.exponent10 < 0 ? 1 : d.exponent10 + 1; }

// The digit of the rounded value at 10^power.
char digitAt(const DecimalDigits& d, int power)
{
    const int index = d.exponent10 - power;
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)] : '0';
}

std::string expectedInteger(const DecimalDigits& d)
{
    std::string s;
    for (int p = integerDigitCount(d) - 1; p >= 0; --p)
        s += digitAt(d, p);
    return s;
}

std::string expectedDecimals(const DecimalDigits& d, int decimals)
{
    std::string s;
    for (int p = -1; p >= -decimals; --p)
        s += digitAt(d, p);
    return s;
}

void checkCurrency(const Input& in, const DecimalDigits& exact)
{
    const std::string text = qm::CurrencyText(in.value, in.settings);
    const std::string where = "CurrencyText = " + qm::fuzz::quoted(text) + " for " + describe(in) + ": ";
    const bool negative = in.value < 0;
    const DecimalDigits rounded = qm::ref::formatRounding(exact, 18, 2);
    if (integerDigitCount(rounded) > 18) {
        if (const auto e = qm::ref::checkScientific(text, negative, rounded, 18, in.settings.decimalSeparator);
            !e.empty())
            qm::fuzz::fail(where + "scientific form: " + e);
        return;
    }
    const auto& s = in.settings;
    const auto parsed = qm::ref::parseCurrencyText(text, s.currencySymbol, s.positiveCurrencyFormat,
                                                   s.negativeCurrencyFormat, s.thousandsSeparator, s.decimalSeparator);
    if (!parsed.error.empty())
        qm::fuzz::fail(where + "does not parse: " + parsed.error);
    if (parsed.negative != negative)
        qm::fuzz::fail(where + "the wrong pattern for the sign");
    const std::string want = expectedInteger(rounded) + "." + expectedDecimals(rounded, 2);
    if (parsed.integerDigits + "." + parsed.decimalDigits != want)
        qm::fuzz::fail(where + "reads back as " + parsed.integerDigits + "." + parsed.decimalDigits + ", expected " +
                       want);
}

void checkFixed(const Input& in, const DecimalDigits& exact)
{
    const std::string text = qm::FixedText(in.value, in.precision, in.decimals, in.settings);
    const std::string where = "FixedText = " + qm::fuzz::quoted(text) + " for " + describe(in) + ": ";
    const bool negative = in.value < 0;
    const DecimalDigits rounded = qm::ref::formatRounding(exact, in.precision, in.decimals);
    if (integerDigitCount(rounded) > in.precision) {
        if (const auto e =
                qm::ref::checkScientific(text, negative, rounded, in.precision, in.settings.decimalSeparator);
            !e.empty())
            qm::fuzz::fail(where + "scientific form: " + e);
        return;
    }
    std::string want = (negative ? "-" : "") + expectedInteger(rounded);
    if (in.decimals > 0)
        want += in.settings.decimalSeparator + expectedDecimals(rounded, in.decimals);
    if (text != want)
        qm::fuzz::fail(where + "expected " + qm::fuzz::quoted(want));
}

void checkWholeNumber(long long value)
{
    const std::string text = qm::WholeNumberText(value);
    const std::string where = "WholeNumberText(" + std::to_string(value) + ") = " + qm::fuzz::quoted(text) + ": ";
    std::string_view digits = text;
    if (digits.starts_with('-'))
        digits.remove_prefix(1);
    const bool shape = !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos &&
                       (digits.size() == 1 || digits[0] != '0') && (digits != "0" || text == "0");
    if (!shape)
        qm::fuzz::fail(where + "not the shape -?(0|[1-9][0-9]*)");
    errno = 0;
    if (std::strtoll(text.c_str(), nullptr, 10) != value || errno != 0)
        qm::fuzz::fail(where + "reads back as another value");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qm::initFloatingPoint();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in;
    std::int32_t count = 0;
    long long wide = 0;
    std::memcpy(&count, data, size < 4 ? size : 4);
    std::memcpy(&wide, data, size < 8 ? size : 8);
    checkWholeNumber(count);
    checkWholeNumber(wide);

    if (!readInput(data, size, in))
        return 0;
    // Below 1e-8 every format rounds to zero (D is at most 6, and the
    // 18-digit step cannot lift such a value to half a millionth); skip the
    // slow expansion of tiny values there.
    const DecimalDigits exact = std::fabs(in.value) < 1e-8L ? DecimalDigits{} : qm::ref::exactDigits(in.value);
    checkCurrency(in, exact);
    checkFixed(in, exact);
    return 0;
}
