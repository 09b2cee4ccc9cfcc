// The Selling screen's window: the frame, its layout table, and a Calculate
// that hands the field texts to the Selling calculation.
#pragma once

#include "app/frame.h"

namespace qm {

extern const ScreenLayout kSellingLayout;

class TSellingForm : public TCalcForm {
    Q_OBJECT

public:
    explicit TSellingForm(QWidget* parent = nullptr);

    void CalculateButtonClick() override;
};

}  // namespace qm
