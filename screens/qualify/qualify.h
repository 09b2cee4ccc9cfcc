// Qualify: how much house a household can afford, from its income, debts,
// debt ratios, property tax and loan terms.
#pragma once

#include "app/core/calculation.h"

namespace qm::qualify {

extern const FieldSpec kFields[13];
extern const char* const kResultLabels[15];

inline constexpr const char* kInputError =
    "Please check your input. All fields must be numeric. Only the interest rate and points can include a decimal. "
    "Do not include a percent sign with assessment factor, downpayment, or debt ratio fields.";
inline constexpr const char* kHelpNote =
    "All fields must be numeric! Interest Rate and Points can include a decimal if needed. Do not use percent signs "
    "for debt ratios, assessment factor, interest rate or downpayment. If annual taxes are entered, put zeros in "
    "millage and assessment factor. If annual taxes are not entered, estimate millage and assessment or use the "
    "default values of 100 mills and 25 percent assessment factor. Common debt ratios are 29 and 33, or 33 and 38. "
    "Use the tab key or mouse to navigate.";

// The check texts, as the screen has always shown them ("must by", "21").
inline constexpr const char* kGrossCheck = "Monthly gross must be greater than zero";
inline constexpr const char* kMortgageRatioCheck = "Mortgage debt ratio must be greater than zero";
inline constexpr const char* kTotalRatioCheck = "Total debt ratio must be greater than zero";
inline constexpr const char* kTaxGivenCheck = "Annual tax must be zero if millage and assessment percentage are entered";
inline constexpr const char* kTaxEstimateCheck =
    "Millage and assessment percentage must both be entered if annual tax is not";
inline constexpr const char* kRateCheck = "Interest rate must be greater than 0";
inline constexpr const char* kTermCheck = "Term must be greater than 0";
inline constexpr const char* kTermLimitCheck = "Term limit is 50 years";
inline constexpr const char* kIncludeCheck = "Closing cost indicator must by Y or N";
inline constexpr const char* kRateLimitCheck = "Interest Rate limit is 50 percent";
inline constexpr const char* kPointsLimitCheck = "Points limit is 21 points";

inline constexpr const char* kNoFunds = "No funds available for mortgage";
inline constexpr const char* kOverLimitMessage = "**More than Mtg debt limit but within Ttl debt limit";
inline constexpr const char* kNoFit =
    "No mortgage amount fits: the monthly cost does not rise enough with the loan amount. Check millage, "
    "assessment and points";

Outcome QualifyCalculation(const FieldTexts& texts, const RegionalSettings& settings);

extern const ScreenDef kScreen;

}  // namespace qm::qualify
