// The calculator screens that exist, for the front ends that pick one by name.
#pragma once

#include <span>
#include <string_view>

#include "app/core/calculation.h"

namespace qm {

// In the main menu's order of description: Qualify, Prepayment Summary,
// Prepayment Target, Refinance, Selling.
std::span<const ScreenDef* const> allScreens();
const ScreenDef* findScreen(std::string_view id);

// Every screen name the command line knows, built or not.
inline constexpr std::string_view kScreenNames[] = {"qualify", "refinance", "selling", "prepay-summary",
                                                    "prepay-target"};

}  // namespace qm
