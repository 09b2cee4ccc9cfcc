#include "app/core/convert.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace qm {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::size_t skipBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

// strtold under the C locale, whatever the process locale is.
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

std::optional<Count> StringToInteger(std::string_view text)
{
    std::size_t pos = skipBlanks(text, 0);
    if (pos == text.size())
        return std::nullopt;

    if (text[pos] == '$') {
        ++pos;
        if (pos == text.size())
            return std::nullopt;
        std::uint64_t value = 0;
        for (; pos < text.size(); ++pos) {
            const int digit = hexValue(text[pos]);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<unsigned>(digit);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return static_cast<Count>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!isDigit(text[pos]))
            return std::nullopt;
        value = value * 10 + (text[pos] - '0');
        if (value > 2147483647)
            return std::nullopt;
    }
    return static_cast<Count>(negative ? -value : value);
}

std::optional<Real> StringToReal(std::string_view text, const RegionalSettings& settings)
{
    const std::string_view separator = settings.decimalSeparator;
    std::size_t pos = skipBlanks(text, 0);

    // The text is checked against the grammar here and rewritten in the C
    // form ("-123.45e-6") for the correctly rounded strtold.
    std::string plain;
    plain.reserve(text.size() + 8);
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        plain += text[pos++];

    bool mantissa = false;
    while (pos < text.size() && isDigit(text[pos])) {
        plain += text[pos++];
        mantissa = true;
    }
    if (!separator.empty() && text.substr(pos, separator.size()) == separator) {
        pos += separator.size();
        plain += '.';
        mantissa = true;
        while (pos < text.size() && isDigit(text[pos]))
            plain += text[pos++];
    }
    if (!mantissa)
        return std::nullopt;
    if (plain.back() == '.' || plain.back() == '+' || plain.back() == '-' || plain.empty())
        plain += '0';  // "5." and "." need a digit for strtold
    if (plain.find_first_of("0123456789") == std::string::npos)
        plain += '0';

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        int exponent = 0;
        while (exponent < 500 && pos < text.size() && isDigit(text[pos]))
            exponent = exponent * 10 + (text[pos++] - '0');
        if (pos < text.size() && isDigit(text[pos]))
            return std::nullopt;
        plain += negativeExponent ? "e-" : "e";
        plain += std::to_string(exponent);
    }

    pos = skipBlanks(text, pos);
    if (pos != text.size())
        return std::nullopt;

    errno = 0;
    char* end = nullptr;
    const Real value = strtold_l(plain.c_str(), &end, cLocale());
    if (end != plain.c_str() + plain.size() || std::isinf(value) || std::isnan(value))
        return std::nullopt;
    return value;  // ERANGE on underflow leaves the denormal or zero: accepted
}

std::optional<YesNo> YesNoAnswer(std::string_view text)
{
    if (text == "y")
        return YesNo::Yes;
    if (text == "n")
        return YesNo::No;
    return std::nullopt;
}

}  // namespace qm
