// The Qualify screen's window: the frame, its layout table, and a Calculate
// that hands the field texts to the Qualify calculation.
#pragma once

#include "app/frame.h"

namespace qm {

extern const ScreenLayout kQualifyLayout;

class TQualifyForm : public TCalcForm {
    Q_OBJECT

public:
    explicit TQualifyForm(QWidget* parent = nullptr);

    void CalculateButtonClick() override;
};

}  // namespace qm
