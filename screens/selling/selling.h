// Selling: the net proceeds of selling the house.
#pragma once

#include "app/core/calculation.h"

namespace qm::selling {

extern const FieldSpec kFields[7];
extern const char* const kResultLabels[4];

inline constexpr const char* kInputError =
    "Please check your input. All fields must be numeric. Estimated Selling Price must be greater than 0. "
    "The Agents commission percent can include a decimal but NOT a percent sign.";
inline constexpr const char* kHelpNote =
    "All fields must be numeric. The Agents Commission Percent can include a decimal point, but NOT a percent sign. "
    "The Estimated Selling Price must be greater than 0. Use the TAB key or mouse pointer to navigate.";

Outcome SellingCalculation(const FieldTexts& texts, const RegionalSettings& settings);

extern const ScreenDef kScreen;

}  // namespace qm::selling
