#include "fuzz/reference.h"

#include <algorithm>
#include <cmath>

namespace qm::ref {

// ---- BigInt ----------------------------------------------------------------

BigInt::BigInt(std::uint64_t v)
{
    limbs_ = {static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(v >> 32)};
    trim();
}

void BigInt::trim()
{
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

BigInt BigInt::fromDecimal(std::string_view digits)
{
    BigInt n;
    std::size_t i = 0;
    while (i < digits.size()) {
        const std::size_t take = std::min<std::size_t>(9, digits.size() - i);
        std::uint32_t chunk = 0, scale = 1;
        for (std::size_t k = 0; k < take; ++k) {
            chunk = chunk * 10 + static_cast<std::uint32_t>(digits[i + k] - '0');
            scale *= 10;
        }
        n.mulSmall(scale).addSmall(chunk);
        i += take;
    }
    return n;
}

BigInt BigInt::powerOf(std::uint32_t base, unsigned exponent)
{
    // The largest power of the base that fits a limb, applied repeatedly.
    std::uint32_t step = base;
    unsigned stepExponent = 1;
    while (static_cast<std::uint64_t>(step) * base <= 0xFFFFFFFFu) {
        step *= base;
        ++stepExponent;
    }
    BigInt n(1);
    for (; exponent >= stepExponent; exponent -= stepExponent)
        n.mulSmall(step);
    for (; exponent > 0; --exponent)
        n.mulSmall(base);
    return n;
}

BigInt& BigInt::mulSmall(std::uint32_t m)
{
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
        const std::uint64_t p = static_cast<std::uint64_t>(limb) * m + carry;
        limb = static_cast<std::uint32_t>(p);
        carry = p >> 32;
    }
    if (carry)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();
    return *this;
}

BigInt& BigInt::addSmall(std::uint32_t a)
{
    std::uint64_t carry = a;
    for (std::size_t i = 0; carry && i < limbs_.size(); ++i) {
        const std::uint64_t s = static_cast<std::uint64_t>(limbs_[i]) + carry;
        limbs_[i] = static_cast<std::uint32_t>(s);
        carry = s >> 32;
    }
    if (carry)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    return *this;
}

BigInt& BigInt::mul(const BigInt& other)
{
    if (isZero() || other.isZero()) {
        limbs_.clear();
        return *this;
    }
    std::vector<std::uint32_t> product(limbs_.size() + other.limbs_.size(), 0);
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < other.limbs_.size(); ++j) {
            const std::uint64_t p =
                static_cast<std::uint64_t>(limbs_[i]) * other.limbs_[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(p);
            carry = p >> 32;
        }
        product[i + other.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    limbs_ = std::move(product);
    trim();
    return *this;
}

BigInt& BigInt::shiftLeft(unsigned bits)
{
    if (isZero())
        return *this;
    const unsigned whole = bits / 32, part = bits % 32;
    if (part) {
        std::uint32_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint32_t next = limb >> (32 - part);
            limb = (limb << part) | carry;
            carry = next;
        }
        if (carry)
            limbs_.push_back(carry);
    }
    limbs_.insert(limbs_.begin(), whole, 0);
    return *this;
}

std::uint32_t BigInt::divSmall(std::uint32_t d)
{
    std::uint64_t rest = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
        const std::uint64_t cur = (rest << 32) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(cur / d);
        rest = cur % d;
    }
    trim();
    return static_cast<std::uint32_t>(rest);
}

std::string BigInt::toDecimal() const
{
    if (isZero())
        return "0";
    BigInt n = *this;
    std::vector<std::uint32_t> chunks;
    while (!n.isZero())
        chunks.push_back(n.divSmall(1000000000u));
    std::string out = std::to_string(chunks.back());
    for (std::size_t i = chunks.size() - 1; i-- > 0;) {
        const std::string c = std::to_string(chunks[i]);
        out.append(9 - c.size(), '0').append(c);
    }
    return out;
}

int compare(const BigInt& a, const BigInt& b)
{
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;)
        if (a.limbs_[i] != b.limbs_[i])
            return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    return 0;
}

// ---- the field grammars ----------------------------------------------------

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

int hexDigit(char c)
{
    static constexpr std::string_view kHex = "0123456789abcdef";
    const char lower = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
    const auto at = kHex.find(lower);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string_view withoutLeadingZeros(std::string_view s)
{
    const auto first = s.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

}  // namespace

std::optional<std::int32_t> referenceInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::string_view body = text.substr(i);
    if (body.empty())
        return std::nullopt;

    if (body[0] == '$') {
        const std::string_view hex = body.substr(1);
        if (hex.empty() || !std::all_of(hex.begin(), hex.end(), [](char c) { return hexDigit(c) >= 0; }))
            return std::nullopt;
        const std::string_view significant = withoutLeadingZeros(hex);
        if (significant.size() > 8)
            return std::nullopt;
        std::uint32_t bits = 0;
        for (const char c : significant)
            bits = (bits << 4) | static_cast<std::uint32_t>(hexDigit(c));
        return static_cast<std::int32_t>(bits);  // two's complement
    }

    const bool negative = body[0] == '-';
    const std::string_view digits = body[0] == '-' || body[0] == '+' ? body.substr(1) : body;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), digit))
        return std::nullopt;
    const std::string_view significant = withoutLeadingZeros(digits);
    if (significant.size() > 10)
        return std::nullopt;
    std::uint64_t magnitude = 0;
    for (const char c : significant)
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > 2147483647u)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<ExactDecimal> referenceRealGrammar(std::string_view text, std::string_view separator)
{
    std::size_t i = 0;
    auto run = [&](auto accept) {
        const std::size_t from = i;
        while (i < text.size() && accept(text[i]))
            ++i;
        return text.substr(from, i - from);
    };

    run([](char c) { return c == ' '; });
    ExactDecimal exact;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        exact.negative = text[i++] == '-';
    const std::string_view whole = run(digit);
    std::string_view fraction;
    bool separatorSeen = false;
    if (!separator.empty() && text.substr(i).starts_with(separator)) {
        separatorSeen = true;
        i += separator.size();
        fraction = run(digit);
    }
    if (whole.empty() && !separatorSeen)
        return std::nullopt;

    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        // Each further digit is taken only while the exponent is below 500.
        for (; i < text.size() && digit(text[i]); ++i) {
            if (exponent >= 500)
                return std::nullopt;
            exponent = exponent * 10 + (text[i] - '0');
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    run([](char c) { return c == ' '; });
    if (i != text.size())
        return std::nullopt;

    std::string all = std::string(whole) + std::string(fraction);
    exact.exponent10 = exponent - static_cast<long>(fraction.size());
    all = std::string(withoutLeadingZeros(all));
    while (!all.empty() && all.back() == '0') {
        all.pop_back();
        ++exact.exponent10;
    }
    exact.digits = all;
    if (all.empty())
        exact.exponent10 = 0;
    return exact;
}

// ---- exact rounding checks ---------------------------------------------------

namespace {

constexpr int kLowestPower = -16445;  // the last bit of the smallest denormal

// |value| = mantissa x 2^power, exactly.
struct Dyadic {
    std::uint64_t mantissa = 0;
    int power = 0;
};

// Canonical form: a 64-bit mantissa with its top bit set, or the denormal
// scale with power kLowestPower.
Dyadic dyadicOf(Real magnitude)
{
    if (magnitude == 0)
        return {0, kLowestPower};
    int e = 0;
    const Real f = std::frexp(magnitude, &e);
    Dyadic d{static_cast<std::uint64_t>(std::ldexp(f, 64)), e - 64};
    if (d.power < kLowestPower) {
        d.mantissa >>= (kLowestPower - d.power);
        d.power = kLowestPower;
    }
    return d;
}

// Compares digits x 10^exponent10 with n x 2^power.
int compareExact(const ExactDecimal& exact, BigInt n, long power)
{
    BigInt left = BigInt::fromDecimal(exact.digits);
    if (exact.exponent10 >= 0)
        left.mul(BigInt::powerOf(10, static_cast<unsigned>(exact.exponent10)));
    else
        n.mul(BigInt::powerOf(10, static_cast<unsigned>(-exact.exponent10)));
    if (power >= 0)
        n.shiftLeft(static_cast<unsigned>(power));
    else
        left.shiftLeft(static_cast<unsigned>(-power));
    return compare(left, n);
}

// 2k+1 or 4k-1 and the like without a subtraction below zero.
BigInt times(std::uint64_t k, unsigned shift, std::uint32_t plus)
{
    BigInt n(k);
    n.shiftLeft(shift).addSmall(plus);
    return n;
}

}  // namespace

bool isCorrectlyRounded(const ExactDecimal& exact, std::optional<Real> value)
{
    // Rounding reaches infinity from (2^65 - 1) x 2^16319 up: half an ulp
    // above the largest value, whose odd mantissa loses the tie.
    const BigInt overflowMidpoint = times(~std::uint64_t{0}, 1, 1);
    if (!value)
        return !exact.digits.empty() && compareExact(exact, overflowMidpoint, 16319) >= 0;

    const Real v = *value;
    if (!std::isfinite(v))
        return false;
    if (exact.digits.empty())
        return v == 0;
    if (v != 0 && std::signbit(v) != exact.negative)
        return false;

    const Dyadic d = dyadicOf(std::fabs(v));
    if (d.mantissa == 0)  // zero: the exact value is at most half the smallest denormal
        return compareExact(exact, BigInt(1), kLowestPower - 1) <= 0;

    const bool even = d.mantissa % 2 == 0;
    // Halfway up to the next value, and down to the previous one (closer when
    // the mantissa is a power of two above the denormals).
    const int above = compareExact(exact, times(d.mantissa, 1, 1), d.power - 1);
    const bool powerOfTwo = d.mantissa == (std::uint64_t{1} << 63) && d.power > kLowestPower;
    const int below = powerOfTwo ? compareExact(exact, times(d.mantissa - 1, 2, 3), d.power - 2)
                                 : compareExact(exact, times(d.mantissa - 1, 1, 1), d.power - 1);
    return (above < 0 || (above == 0 && even)) && (below > 0 || (below == 0 && even));
}

DecimalDigits exactDigits(Real magnitude)
{
    magnitude = std::fabs(magnitude);
    if (magnitude == 0)
        return {};
    int e = 0;
    const Real f = std::frexp(magnitude, &e);
    std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(f, 64));
    int power = e - 64;
    while (mantissa % 2 == 0) {
        mantissa /= 2;
        ++power;
    }
    DecimalDigits out;
    if (power >= 0) {
        BigInt n(mantissa);
        out.digits = n.shiftLeft(static_cast<unsigned>(power)).toDecimal();
        out.exponent10 = static_cast<int>(out.digits.size()) - 1;
    } else {
        // m x 2^-k = m x 5^k x 10^-k
        BigInt n(mantissa);
        out.digits = n.mul(BigInt::powerOf(5, static_cast<unsigned>(-power))).toDecimal();
        out.exponent10 = static_cast<int>(out.digits.size()) - 1 + power;
    }
    out.digits.erase(out.digits.find_last_not_of('0') + 1);
    return out;
}

namespace {

// Adds one at the last digit; a carry out of the first adds a leading 1.
void incrementLast(DecimalDigits& d)
{
    std::size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9')
        d.digits[--i] = '0';
    if (i == 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent10;
    } else {
        ++d.digits[i - 1];
    }
}

}  // namespace

DecimalDigits formatRounding(const DecimalDigits& exact, int precision, int decimals)
{
    DecimalDigits d = exact;
    if (d.digits.empty())
        return d;

    if (d.digits.size() > 18) {
        const std::string rest = d.digits.substr(18);
        d.digits.resize(18);
        // exact.digits ends in a non-zero digit, so "5" alone is the tie.
        const bool up = rest[0] > '5' || (rest[0] == '5' && (rest.size() > 1 || (d.digits[17] - '0') % 2 == 1));
        if (up)
            incrementLast(d);
    }

    const int lowestKept = std::max(-decimals, d.exponent10 - precision + 1);
    const int kept = d.exponent10 - lowestKept + 1;  // digits before the cut
    if (kept < 0)
        return {};
    if (kept < static_cast<int>(d.digits.size())) {
        const bool up = d.digits[static_cast<std::size_t>(kept)] >= '5';
        d.digits.resize(static_cast<std::size_t>(kept));
        if (up) {
            if (kept == 0) {
                d.digits = "1";
                d.exponent10 = lowestKept;
            } else {
                incrementLast(d);
            }
        }
    }
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    if (d.digits.empty())
        return {};
    return d;
}

// ---- currency texts ----------------------------------------------------------

const char* positivePattern(int format)
{
    static constexpr const char* kPatterns[] = {"SN", "NS", "S N", "N S"};
    return kPatterns[std::clamp(format, 0, 3)];
}

const char* negativePattern(int format)
{
    static constexpr const char* kPatterns[] = {
        "(SN)", "-SN", "S-N", "SN-", "(NS)", "-NS", "N-S", "NS-",
        "-N S", "-S N", "N S-", "S N-", "S -N", "N- S", "(S N)", "(N S)",
    };
    return kPatterns[std::clamp(format, 0, 15)];
}

namespace {

std::string expand(std::string_view pattern, std::string_view symbol)
{
    std::string out;
    for (const char c : pattern)
        out += c == 'S' ? std::string(symbol) : std::string(1, c);
    return out;
}

// The number part: integer digits grouped by three from the right, the
// decimal separator, two decimals.
std::string parseNumberPart(std::string_view n, std::string_view thousands, std::string_view decimal,
                            ParsedCurrency& out)
{
    auto trailingDigits = [](std::string_view s) {
        std::size_t k = 0;
        while (k < s.size() && digit(s[s.size() - 1 - k]))
            ++k;
        return k;
    };
    if (n.size() < 2 || trailingDigits(n) < 2)
        return "no two decimals";
    out.decimalDigits = std::string(n.substr(n.size() - 2));
    n.remove_suffix(2);
    if (!n.ends_with(decimal))
        return "no decimal separator before the decimals";
    n.remove_suffix(decimal.size());

    std::string integer;
    for (;;) {
        const std::size_t k = trailingDigits(n);
        if (k == 0 || k > 3)
            return "a digit group of " + std::to_string(k);
        integer.insert(0, n.substr(n.size() - k));
        n.remove_suffix(k);
        if (n.empty())
            break;
        if (k < 3)
            return "a short group inside the number";
        if (!n.ends_with(thousands))
            return "no thousands separator between groups";
        n.remove_suffix(thousands.size());
    }
    if (integer.size() > 1 && integer[0] == '0')
        return "a leading zero";
    out.integerDigits = integer;
    return {};
}

}  // namespace

ParsedCurrency parseCurrencyText(std::string_view text, std::string_view symbol, int positiveFormat,
                                 int negativeFormat, std::string_view thousands, std::string_view decimal)
{
    ParsedCurrency out;
    for (const bool negative : {false, true}) {
        const std::string_view pattern = negative ? negativePattern(negativeFormat) : positivePattern(positiveFormat);
        const std::size_t at = pattern.find('N');
        const std::string prefix = expand(pattern.substr(0, at), symbol);
        const std::string suffix = expand(pattern.substr(at + 1), symbol);
        if (text.size() < prefix.size() + suffix.size() || !text.starts_with(prefix) || !text.ends_with(suffix)) {
            out.error = "does not fit the pattern";
            continue;
        }
        const std::string_view n = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
        ParsedCurrency attempt;
        attempt.negative = negative;
        attempt.error = parseNumberPart(n, thousands, decimal, attempt);
        if (attempt.error.empty())
            return attempt;
        out.error = attempt.error;
    }
    return out;
}

std::string checkScientific(std::string_view text, bool negative, const DecimalDigits& rounded, int precision,
                            std::string_view decimal)
{
    if (negative != text.starts_with('-'))
        return "sign";
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text[0] < '1' || text[0] > '9')
        return "first digit";
    std::string digits(1, text[0]);
    text.remove_prefix(1);
    if (text.starts_with(decimal)) {
        text.remove_prefix(decimal.size());
        std::size_t k = 0;
        while (k < text.size() && digit(text[k]))
            ++k;
        if (k == 0 || text[k - 1] == '0')
            return "decimals empty or with a trailing zero";
        digits += text.substr(0, k);
        text.remove_prefix(k);
    }
    if (!text.starts_with('E'))
        return "no E";
    text.remove_prefix(1);
    const bool negativePower = text.starts_with('-');
    if (negativePower)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), digit) ||
        (text.size() > 1 && text[0] == '0'))
        return "power";
    const int power = std::stoi(std::string(text)) * (negativePower ? -1 : 1);
    if (static_cast<int>(digits.size()) > precision)
        return "more than " + std::to_string(precision) + " digits";
    if (digits != rounded.digits || power != rounded.exponent10)
        return "value: expected " + rounded.digits + "E" + std::to_string(rounded.exponent10);
    return {};
}

}  // namespace qm::ref
