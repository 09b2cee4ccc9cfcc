// StringToReal against the real-field grammar and exact arithmetic: both must
// accept the same texts, and an accepted text must give the correctly rounded
// extended value (checked on big integers, not with strtold).
//
// Input: one selector byte, then the text. The selector (mod 6) picks the
// decimal separator (".", ",", U+066B) and, from 3 on, runs the conversion
// under the de_DE.UTF-8 process locale, which must change nothing.
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/core/convert.h"
#include "fuzz/check.h"
#include "fuzz/reference.h"
#include "loan/fault.h"

namespace {

std::string show(std::optional<qm::Real> v)
{
    if (!v)
        return "failure";
    char buf[96];
    std::snprintf(buf, sizeof buf, "%.21Lg (%La)", *v, *v);
    return buf;
}

bool germanLocale = false;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qm::initFloatingPoint();
    germanLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    std::setlocale(LC_ALL, "C");
    if (!germanLocale)
        std::fprintf(stderr, "fuzz_real: no de_DE.UTF-8 locale; the process-locale half is skipped\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const kSeparators[] = {".", ",", "\xD9\xAB"};
    const int selector = data[0] % 6;
    qm::RegionalSettings settings = qm::RegionalSettings::unitedStates();
    settings.decimalSeparator = kSeparators[selector % 3];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const bool localeSwitched = selector >= 3 && germanLocale;
    if (localeSwitched)
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    const auto got = qm::StringToReal(text, settings);
    if (localeSwitched)
        std::setlocale(LC_ALL, "C");

    const auto exact = qm::ref::referenceRealGrammar(text, settings.decimalSeparator);
    const std::string where = "StringToReal(" + qm::fuzz::quoted(text) + ", separator " +
                              qm::fuzz::quoted(settings.decimalSeparator) +
                              (localeSwitched ? ", process locale de_DE" : "") + ") = " + show(got);
    if (!exact) {
        if (got)
            qm::fuzz::fail(where + ", but the grammar refuses the text");
        return 0;
    }
    if (!qm::ref::isCorrectlyRounded(*exact, got))
        qm::fuzz::fail(where + ", not the correctly rounded value of " + (exact->negative ? "-" : "") +
                       (exact->digits.empty() ? "0" : exact->digits) + "E" + std::to_string(exact->exponent10) +
                       (got ? "" : " (which is within the range)"));
    return 0;
}
