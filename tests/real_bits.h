// The stored form of an extended value, to compare constants with their
// documented bit patterns, and its text to a given number of significant digits.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>

#include "loan/real.h"

namespace qm::test {

struct RealBits {
    std::uint16_t signAndExponent;
    std::uint64_t mantissa;
    bool operator==(const RealBits&) const = default;
};

inline void PrintTo(const RealBits& b, std::ostream* os)
{
    *os << std::hex << std::uppercase << b.signAndExponent << ' ' << b.mantissa << std::dec;
}

inline RealBits bitsOf(Real x)
{
    unsigned char raw[sizeof(Real)];
    std::memcpy(raw, &x, sizeof raw);
    RealBits b{};
    std::memcpy(&b.mantissa, raw, 8);
    std::memcpy(&b.signAndExponent, raw + 8, 2);
    return b;
}

inline std::string digits(Real x, int significant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Lg", significant, x);
    return buf;
}

}  // namespace qm::test
