// Refinance: what a new rate or loan amount does to the monthly outlay, the
// loan limits, the cash to the owner and the months that recover the costs.
#pragma once

#include "app/core/calculation.h"

namespace qm::refinance {

extern const FieldSpec kFields[17];
extern const char* const kResultLabels[13];

inline constexpr const char* kInputError =
    "Please check your input. All fields except the Y/N questions must be numeric. Only the Current Rate, New Rate "
    "and Pts(points) fields can include a decimal.  All other numbers should be rounded off to the nearest whole "
    "dollar.";
inline constexpr const char* kHelpNote =
    "All fields except the Y/N questions must be numeric. The interest rates and points fields can include a decimal "
    "if needed. The new mortgage amount will be greater than the requested loan amount if points and closing costs "
    "are included.  Please adjust accordingly. If the requested loan amount is less than the total mortgage payoff, "
    "the difference will appear in the \"Required to payoff original\" field. Use the tab key or mouse pointer to "
    "navigate.";

inline constexpr const char* kPayoffCheck = "Current mortgage payoff must be greater than 0";
inline constexpr const char* kCurrentRateCheck = "Current interest rate must be greater than 0";
inline constexpr const char* kCurrentTermCheck = "Current term must be greater than 0";
inline constexpr const char* kAppraisalCheck = "Estimated appraisal must be greater than 0";
inline constexpr const char* kCashoutPercentCheck = "Cashout loan percentage must be greater than 0";
inline constexpr const char* kNoCashoutPercentCheck = "No-cashout loan percentage must be greater than 0";
inline constexpr const char* kRequestedCheck = "Requested loan amount must be greater than 0";
inline constexpr const char* kNewRateCheck = "New interest rate must be greater than 0";
inline constexpr const char* kNewTermCheck = "New term must be greater than 0";
inline constexpr const char* kCashoutAnswerCheck = "Cashout loan indicator must be Y or N";
inline constexpr const char* kCostsAnswerCheck = "Closing cost indicator must be Y or N";
inline constexpr const char* kCashoutLimitCheck =
    "New mortgage amount (which may include closing costs) is greater than what is allowed for a cashout loan. "
    "Raise the cashout loan percentage or lower the requested loan amount";
inline constexpr const char* kNoCashoutLimitCheck =
    "New mortgage amount (which may include closing costs) is greater than what is allowed for a non-cashout loan. "
    "Raise the non-cashout loan percentage or lower the requested loan amount";
inline constexpr const char* kCostsMakeCashoutCheck =
    "A loan that includes closing costs in the resulting mortgage is considered a cashout loan. Either set the "
    "cashout indicator to Y or set the closing cost indicator to N";
inline constexpr const char* kAbovePayoffCheck =
    "A loan that is greater than the current mortgage payoff is considered a cashout loan. Either set the cashout "
    "indicator to Y or set the closing cost indicator to N";

Outcome RefinanceCalculation(const FieldTexts& texts, const RegionalSettings& settings);

extern const ScreenDef kScreen;

}  // namespace qm::refinance
