// How a fuzz target reports a broken property: the input, what was expected
// and what came out, then abort() so that libFuzzer (or the replay) keeps the
// input and fails.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace qm::fuzz {

// The text with everything unprintable escaped, in quotes.
inline std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

[[noreturn]] inline void fail(const std::string& what)
{
    std::fprintf(stderr, "\n==== property broken ====\n%s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace qm::fuzz
