// The Refinance screen's window: the frame, its layout table, and a Calculate
// that hands the field texts to the Refinance calculation.
#pragma once

#include "app/frame.h"

namespace qm {

extern const ScreenLayout kRefinanceLayout;

class TRefForm : public TCalcForm {
    Q_OBJECT

public:
    explicit TRefForm(QWidget* parent = nullptr);

    void CalculateButtonClick() override;
};

}  // namespace qm
