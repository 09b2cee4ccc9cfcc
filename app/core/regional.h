// The regional settings that the conversions and result formats follow. Read
// once at start-up and passed as a value to everything that parses or formats.
#pragma once

#include <string>

namespace qm {

struct RegionalSettings {
    std::string currencySymbol;     // may be empty
    int positiveCurrencyFormat = 0; // 0..3:  SN, NS, S N, N S
    int negativeCurrencyFormat = 0; // 0..15: (SN), -SN, S-N, SN-, ...
    std::string thousandsSeparator = ",";  // one character, possibly several UTF-8 bytes
    std::string decimalSeparator = ".";    // likewise

    static RegionalSettings unitedStates();
};

// The POSIX fields that the currency format numbers are derived from, as
// localeconv() reports them (CHAR_MAX where the locale leaves one unset).
struct PosixMonetary {
    std::string currencySymbol;
    std::string thousandsSeparator;
    std::string decimalSeparator;
    int pCsPrecedes = 127, pSepBySpace = 127;
    int nCsPrecedes = 127, nSepBySpace = 127, nSignPosn = 127;
};

// Maps the POSIX fields to the settings; unset or empty fields take the defaults.
RegionalSettings regionalSettingsFrom(const PosixMonetary& posix);

// The user's locale (LANG, LC_ALL...), read through setlocale(LC_ALL, "") and
// localeconv(). The process locale is put back as it was.
RegionalSettings systemRegionalSettings();

}  // namespace qm
