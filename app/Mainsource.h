// The main menu: five calculator descriptions and the buttons that open them.
#pragma once

#include <QWidget>
#include <exception>
#include <memory>

#include "app/messages.h"

class QPushButton;

namespace qm {

class TCalcForm;
class TPreSummForm;
class TPreTargForm;
class TQualifyForm;
class TRefForm;
class TSellingForm;

class TMainForm : public QWidget {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    QPushButton* Qualifybutton;
    QPushButton* Presummbutton;
    QPushButton* PreTargbutton;
    QPushButton* Refbutton;
    QPushButton* Sellingbutton;
    QPushButton* ExitQMbutton;

    // Set only while that screen is open.
    TQualifyForm* QualifyForm = nullptr;
    TPreSummForm* PreSummForm = nullptr;
    TPreTargForm* PreTargForm = nullptr;
    TRefForm* RefForm = nullptr;
    TSellingForm* SellingForm = nullptr;

    void QualifybuttonClick();
    void PresummbuttonClick();
    void PreTargbuttonClick();
    void RefbuttonClick();
    void SellingbuttonClick();
    void ExitQMbuttonClick();

    // Creates a screen with `create`, shows it modally and destroys it however
    // it closes; `reference` holds it meanwhile. A screen that cannot be made
    // is reported in the application error box and the menu goes on.
    template <class Form, class Factory>
    void openScreen(Form*& reference, Factory create);

private:
    template <class Form>
    void openScreen(Form*& reference)
    {
        openScreen(reference, [this] { return std::make_unique<Form>(this); });
    }
};

template <class Form, class Factory>
void TMainForm::openScreen(Form*& reference, Factory create)
{
    std::unique_ptr<Form> form;
    try {
        form = create();
    } catch (const std::exception& e) {
        showApplicationError(this, QString::fromUtf8(e.what()));
        return;
    }
    reference = form.get();
    form->exec();
    reference = nullptr;
}

}  // namespace qm
