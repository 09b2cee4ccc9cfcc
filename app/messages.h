// The three kinds of message box. Each is modal and has one OK button that
// both Enter and Esc press.
#pragma once

#include <QMessageBox>
#include <QString>

namespace qm {

// Captioned "Warning": the input-error text, a failed check, a warning while
// computing. Centred on the screen, word-wrapped within half its width.
void showWarning(QWidget* parent, const QString& text);

// Captioned "Information": a screen's Help note. Placed like the warning.
void showInformation(QWidget* parent, const QString& text);

// The application error box, captioned with the application title: faults no
// screen handles. `text` comes without its full stop; the box adds it.
void showApplicationError(QWidget* parent, const QString& text);

// A message box that stays above the screens (they stay on top) and, when
// asked, centres itself on the screen rather than on its parent.
class MessageBox : public QMessageBox {
public:
    MessageBox(Icon icon, const QString& title, const QString& text, bool centreOnScreen, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool centreOnScreen_;
};

}  // namespace qm
