#include "app/core/regional.h"

#include <climits>
#include <clocale>
#include <cstring>

namespace qm {

RegionalSettings RegionalSettings::unitedStates()
{
    RegionalSettings s;
    s.currencySymbol.assign(1, '$');
    return s;
}

namespace {

// One character of UTF-8, or nothing when the text is empty or longer.
std::string singleCharacter(const std::string& text)
{
    if (text.empty())
        return {};
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    return length == text.size() ? text : std::string();
}

bool isFlag(int v) { return v == 0 || v == 1; }

}  // namespace

RegionalSettings regionalSettingsFrom(const PosixMonetary& posix)
{
    RegionalSettings s;
    s.currencySymbol = posix.currencySymbol;
    if (const auto t = singleCharacter(posix.thousandsSeparator); !t.empty())
        s.thousandsSeparator = t;
    if (const auto d = singleCharacter(posix.decimalSeparator); !d.empty())
        s.decimalSeparator = d;

    // A separating space of kind 2 (between sign and symbol) still puts a
    // blank between number and symbol in these patterns.
    auto spaced = [](int sep) { return sep == 1 || sep == 2; };

    if (isFlag(posix.pCsPrecedes) && posix.pSepBySpace >= 0 && posix.pSepBySpace <= 2) {
        const bool before = posix.pCsPrecedes == 1;
        const bool space = spaced(posix.pSepBySpace);
        s.positiveCurrencyFormat = before ? (space ? 2 : 0) : (space ? 3 : 1);
    }

    if (isFlag(posix.nCsPrecedes) && posix.nSepBySpace >= 0 && posix.nSepBySpace <= 2 && posix.nSignPosn >= 0 &&
        posix.nSignPosn <= 4) {
        const bool before = posix.nCsPrecedes == 1;
        const bool space = spaced(posix.nSepBySpace);
        // Rows: sign position 0 (parentheses), 1 (before all), 2 (after all),
        // 3 (just before the symbol), 4 (just after the symbol).
        static constexpr int kSymbolFirst[5] = {0, 1, 3, 1, 2};
        static constexpr int kSymbolFirstSpaced[5] = {14, 9, 11, 9, 12};
        static constexpr int kSymbolLast[5] = {4, 5, 7, 6, 7};
        static constexpr int kSymbolLastSpaced[5] = {15, 8, 10, 13, 10};
        const int row = posix.nSignPosn;
        s.negativeCurrencyFormat = before ? (space ? kSymbolFirstSpaced[row] : kSymbolFirst[row])
                                          : (space ? kSymbolLastSpaced[row] : kSymbolLast[row]);
    }
    return s;
}

RegionalSettings systemRegionalSettings()
{
    const char* current = std::setlocale(LC_ALL, nullptr);
    const std::string saved = current ? current : "C";
    if (!std::setlocale(LC_ALL, ""))
        return regionalSettingsFrom({});

    const std::lconv* lc = std::localeconv();
    PosixMonetary posix;
    if (lc) {
        posix.currencySymbol = lc->currency_symbol ? lc->currency_symbol : "";
        posix.thousandsSeparator = lc->thousands_sep ? lc->thousands_sep : "";
        posix.decimalSeparator = lc->decimal_point ? lc->decimal_point : "";
        posix.pCsPrecedes = lc->p_cs_precedes;
        posix.pSepBySpace = lc->p_sep_by_space;
        posix.nCsPrecedes = lc->n_cs_precedes;
        posix.nSepBySpace = lc->n_sep_by_space;
        posix.nSignPosn = lc->n_sign_posn;
    }
    std::setlocale(LC_ALL, saved.c_str());
    return regionalSettingsFrom(posix);
}

}  // namespace qm
