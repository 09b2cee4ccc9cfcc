// One screen calculation (kScreenId, from screen_id.cpp) under arbitrary field
// texts. Properties, for every input:
//  - it returns (an escaping exception or a sanitizer report is a crash);
//  - it writes only the screen's result labels, never a non-finite number,
//    and a fault event carries its own text (the Outcome type itself allows
//    one final event at most, after all writes);
//  - a failed field conversion, and only that, gives the input-error
//    message with no write;
//  - the same texts give the same outcome again, and under another process
//    locale;
//  - other regional settings (with the real texts written with their decimal
//    separator) change the formatted texts and nothing else.
//
// Input: the format of fuzz/screen_input.h. Option bits 1-2 pick the other
// regional settings, bit 3 the other process locale.
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/core/calculation.h"
#include "app/core/regional.h"
#include "fuzz/check.h"
#include "fuzz/reference.h"
#include "fuzz/screen_input.h"
#include "loan/fault.h"
#include "screens/registry.h"

namespace qm::fuzz {
extern const char* const kScreenId;
}

namespace {

using qm::FieldKind;
using qm::FieldTexts;
using qm::Outcome;
using qm::RegionalSettings;

const qm::ScreenDef* screen = nullptr;
std::string inputError;                 // the screen's text for a failed conversion
std::vector<const char*> otherLocales;  // installed ones of de_DE, fr_FR, en_US

// Settings whose symbol and separators never occur in a fixed word, so a
// text can be brought back to the United States form unambiguously.
RegionalSettings otherSettings(int which)
{
    RegionalSettings s;
    switch (which) {
    case 0:  // as de_DE reports it
        s = {"\xE2\x82\xAC", 3, 8, ".", ","};
        break;
    case 1:  // as fr_FR reports it
        s = {"\xE2\x82\xAC", 3, 8, "\xE2\x80\xAF", ","};
        break;
    case 2:  // as de_CH reports it, the symbol first
        s = {"CHF", 2, 12, "\xE2\x80\x99", "."};
        break;
    default:  // multi-byte separators, the highest patterns
        s = {"\xC2\xA4", 1, 15, "\xD9\xAC", "\xD9\xAB"};
        break;
    }
    return s;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Swaps "." and the other decimal separator in the real fields.
FieldTexts withSeparator(const FieldTexts& texts, const std::string& separator)
{
    if (separator == ".")
        return texts;
    FieldTexts out = texts;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (screen->fields[i].kind != FieldKind::Real)
            continue;
        out[i] = replaceAll(replaceAll(replaceAll(out[i], ".", "\x01"), separator, "."), "\x01", separator);
    }
    // A text that held \x01 itself cannot be swapped faithfully.
    return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A plain number as the fixed and whole-number formats write it, scientific
// form included: -?digits(<sep>digits)?(E-?digits)?
bool isPlainNumber(std::string_view text, const std::string& sep)
{
    auto digits = [&] {
        std::size_t k = 0;
        while (k < text.size() && isDigit(text[k]))
            ++k;
        text.remove_prefix(k);
        return k > 0;
    };
    if (text.starts_with('-'))
        text.remove_prefix(1);
    if (!digits())
        return false;
    if (text.starts_with(sep)) {
        text.remove_prefix(sep.size());
        if (!digits())
            return false;
    }
    if (text.starts_with('E')) {
        text.remove_prefix(1);
        if (text.starts_with('-'))
            text.remove_prefix(1);
        if (!digits())
            return false;
    }
    return text.empty();
}

// A result text in a settings-free form: currency texts as sign and digits,
// plain numbers with "." for their decimal separator, fixed words as they are.
std::string canonical(const std::string& text, const RegionalSettings& s)
{
    const auto parsed = qm::ref::parseCurrencyText(text, s.currencySymbol, s.positiveCurrencyFormat,
                                                   s.negativeCurrencyFormat, s.thousandsSeparator, s.decimalSeparator);
    if (parsed.error.empty())
        return std::string("currency ") + (parsed.negative ? "-" : "") + parsed.integerDigits + "." +
               parsed.decimalDigits;
    if (isPlainNumber(text, s.decimalSeparator))
        return replaceAll(text, s.decimalSeparator, ".");
    return text;
}

std::string show(const Outcome& o)
{
    std::string s;
    for (const auto& w : o.writes)
        s += "  " + std::string(w.label) + " = " + qm::fuzz::quoted(w.text) + "\n";
    if (o.message)
        s += std::string("  ") + (o.message->kind == qm::FinalEvent::Kind::Fault ? "fault: " : "warning: ") +
             qm::fuzz::quoted(o.message->text) + "\n";
    return s.empty() ? "  (nothing)\n" : s;
}

std::string showTexts(const FieldTexts& texts)
{
    std::string s;
    for (std::size_t i = 0; i < texts.size(); ++i)
        s += std::string(i ? ", " : "") + screen->fields[i].name + "=" + qm::fuzz::quoted(texts[i]);
    return s;
}

bool same(const Outcome& a, const Outcome& b) { return a.writes == b.writes && a.message == b.message; }

// Whether every integer and real field converts, by the reference grammars.
bool allConvert(const FieldTexts& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const qm::FieldSpec& f = screen->fields[i];
        if (f.kind == FieldKind::YesNo)
            continue;
        if (f.maxLength > 0 && qm::fuzz::characters(texts[i]) > static_cast<std::size_t>(f.maxLength))
            return false;
        if (f.kind == FieldKind::Integer && !qm::ref::referenceInteger(texts[i]))
            return false;
        if (f.kind == FieldKind::Real) {
            const auto exact = qm::ref::referenceRealGrammar(texts[i], ".");
            if (!exact)
                return false;
            // Beyond the range: only worth the big integers near 10^4932.
            const long magnitude = static_cast<long>(exact->digits.size()) + exact->exponent10;
            if (magnitude > 4900 && qm::ref::isCorrectlyRounded(*exact, std::nullopt))
                return false;
        }
    }
    return true;
}

void checkOutcome(const FieldTexts& texts, const Outcome& o)
{
    const std::string where = std::string(screen->id) + " with " + showTexts(texts) + " gave\n" + show(o);
    for (const auto& w : o.writes) {
        const auto& labels = screen->resultLabels;
        if (std::find_if(labels.begin(), labels.end(), [&](const char* l) { return w.label == l; }) == labels.end())
            qm::fuzz::fail(where + "a write to " + w.label + ", which is not a result label");
        if (w.text.find("NAN") != std::string::npos || w.text.find("INF") != std::string::npos)
            qm::fuzz::fail(where + "a non-finite value reached a result format unchecked");
    }
    if (o.message) {
        const auto& m = *o.message;
        if (m.kind == qm::FinalEvent::Kind::Fault && (!m.fault || m.text != qm::faultText(*m.fault)))
            qm::fuzz::fail(where + "a fault event without its fault text");
        if (m.kind == qm::FinalEvent::Kind::Warning && (m.fault || m.text.empty()))
            qm::fuzz::fail(where + "a malformed warning event");
    }
    const bool converts = allConvert(texts);
    const bool inputErrorShown = o.message && o.message->text == inputError;
    if (!converts && (!inputErrorShown || !o.writes.empty()))
        qm::fuzz::fail(where + "a field fails its conversion: expected the input-error message alone");
    if (converts && inputErrorShown)
        qm::fuzz::fail(where + "every field converts, yet the input-error message");
}

#ifdef QM_LIBFUZZER
// Extra coverage counters, one per power-of-two band of the run time: an
// input that reaches a slower band counts as new, so the fuzzer also climbs
// towards the slowest inputs.
__attribute__((section("__libfuzzer_extra_counters"))) std::uint8_t slownessBands[40];

void noteTime(std::chrono::nanoseconds elapsed)
{
    const auto micros = static_cast<unsigned long long>(elapsed.count() / 1000);
    int band = 0;
    while (band < 39 && (micros >> band) > 1)
        ++band;
    slownessBands[band] = 1;
}
#else
void noteTime(std::chrono::nanoseconds) {}
#endif

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qm::initFloatingPoint();
    screen = qm::findScreen(qm::fuzz::kScreenId);
    if (!screen) {
        std::fprintf(stderr, "fuzz_%s: the screen is not built yet; nothing to fuzz\n", qm::fuzz::kScreenId);
        std::exit(0);
    }
    // Any field that cannot convert shows the input-error message.
    FieldTexts texts = qm::defaultTexts(screen->fields);
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (screen->fields[i].kind != FieldKind::YesNo) {
            texts[i] = "x";
            break;
        }
    const Outcome o = screen->calculate(texts, RegionalSettings::unitedStates());
    if (!o.message || !o.writes.empty())
        qm::fuzz::fail(std::string(screen->id) + ": no input-error message for a letter in a number field");
    inputError = o.message->text;

    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "en_US.UTF-8"})
        if (std::setlocale(LC_ALL, name))
            otherLocales.push_back(name);
    std::setlocale(LC_ALL, "C");
    if (otherLocales.empty())
        std::fprintf(stderr, "fuzz_%s: no de_DE, fr_FR or en_US locale; the process-locale check is skipped\n",
                     qm::fuzz::kScreenId);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [options, texts] =
        qm::fuzz::readScreenInput(*screen, std::string_view(reinterpret_cast<const char*>(data), size));

    const RegionalSettings us = RegionalSettings::unitedStates();
    const auto start = std::chrono::steady_clock::now();
    const Outcome first = screen->calculate(texts, us);
    noteTime(std::chrono::steady_clock::now() - start);
    checkOutcome(texts, first);

    const std::string where = std::string(screen->id) + " with " + showTexts(texts) + " gave\n" + show(first);
    const Outcome again = screen->calculate(texts, us);
    if (!same(first, again))
        qm::fuzz::fail(where + "and the second time\n" + show(again));

    if (!otherLocales.empty()) {
        const char* locale = otherLocales[(options >> 3) % otherLocales.size()];
        std::setlocale(LC_ALL, locale);
        const Outcome localized = screen->calculate(texts, us);
        std::setlocale(LC_ALL, "C");
        if (!same(first, localized))
            qm::fuzz::fail(where + "and under the process locale " + locale + "\n" + show(localized));
    }

    const RegionalSettings other = otherSettings(static_cast<int>((options >> 1) & 3));
    if (std::none_of(texts.begin(), texts.end(), [](const std::string& t) { return t.find('\x01') != t.npos; })) {
        const FieldTexts otherTexts = withSeparator(texts, other.decimalSeparator);
        const Outcome elsewhere = screen->calculate(otherTexts, other);
        bool agree = elsewhere.message == first.message && elsewhere.writes.size() == first.writes.size();
        for (std::size_t i = 0; agree && i < first.writes.size(); ++i)
            agree = first.writes[i].label == elsewhere.writes[i].label &&
                    canonical(first.writes[i].text, us) == canonical(elsewhere.writes[i].text, other);
        if (!agree)
            qm::fuzz::fail(where + "and with the settings of symbol " + qm::fuzz::quoted(other.currencySymbol) +
                           ", decimal " + qm::fuzz::quoted(other.decimalSeparator) + " for " + showTexts(otherTexts) +
                           "\n" + show(elsewhere));
    }
    return 0;
}
