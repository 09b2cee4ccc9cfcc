// The Prepayment Summary screen's window: the frame, its layout table, and a
// Calculate that hands the field texts to the Prepayment Summary calculation.
#pragma once

#include "app/frame.h"

namespace qm {

extern const ScreenLayout kPreSummLayout;

class TPreSummForm : public TCalcForm {
    Q_OBJECT

public:
    explicit TPreSummForm(QWidget* parent = nullptr);

    void CalculateButtonClick() override;
};

}  // namespace qm
