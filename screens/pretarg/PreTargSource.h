// The Prepayment Target screen's window: the frame, its layout table, and a
// Calculate that hands the field texts to the Prepayment Target calculation.
#pragma once

#include "app/frame.h"

namespace qm {

extern const ScreenLayout kPreTargLayout;

class TPreTargForm : public TCalcForm {
    Q_OBJECT

public:
    explicit TPreTargForm(QWidget* parent = nullptr);

    void CalculateButtonClick() override;
};

}  // namespace qm
