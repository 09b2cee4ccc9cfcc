// Driving modal windows from a test without ever hanging on one.
//
// A modal box or screen runs its own event loop inside the call that opened
// it, so the test cannot act after that call until the window closes. A timer
// watches QApplication::activeModalWidget() and hands every new modal window
// to a handler, which inspects it and closes it. A window the handler leaves
// open is closed after a deadline and reported, so a test fails instead of
// waiting for ever.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <vector>

namespace qm::test {

struct ModalRun {
    int windowsSeen = 0;
    int windowsForcedShut = 0;  // left open by the handler: the test should fail
};

// Runs `action`; every modal window that appears meanwhile goes to `onModal`
// once. Nested calls work: while a handler runs, the outer watch waits.
inline ModalRun duringModal(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal,
                            int deadlineMs = 4000)
{
    ModalRun run;
    QList<QPointer<QWidget>> handled;
    QPointer<QWidget> current;
    QElapsedTimer sinceHandled;
    bool busy = false;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (busy)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (handled.contains(modal)) {
            if (modal == current && sinceHandled.elapsed() > deadlineMs) {
                ++run.windowsForcedShut;
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->done(QDialog::Rejected);
                else
                    modal->hide();
            }
            return;
        }
        handled.append(modal);
        current = modal;
        ++run.windowsSeen;
        busy = true;
        onModal(modal);
        busy = false;
        sinceHandled.restart();
    });
    timer.start();
    action();
    timer.stop();
    return run;
}

// What a message box showed.
struct SeenBox {
    QString className;  // "qm::MessageBox" for ours
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okIsDefault = false;
    bool okIsEscape = false;
    QRect frame;          // where it stood
    QRect screen;         // the screen's available area
    int textWidth = 0;    // width of the text label
};

// Runs `action` and returns every modal window it opened, each closed with
// its OK button (or rejected, when it has none).
inline std::vector<SeenBox> boxesDuring(const std::function<void()>& action, ModalRun* runOut = nullptr)
{
    std::vector<SeenBox> boxes;
    const ModalRun run = duringModal(action, [&](QWidget* w) {
        SeenBox seen;
        seen.className = QString::fromLatin1(w->metaObject()->className());
        seen.title = w->windowTitle();
        seen.frame = w->frameGeometry();
        seen.screen = w->screen()->availableGeometry();
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttonCount = static_cast<int>(box->buttons().size());
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            seen.okIsDefault = ok && box->defaultButton() == ok;
            seen.okIsEscape = ok && box->escapeButton() == ok;
            if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                seen.textWidth = label->width();
            boxes.push_back(seen);
            if (ok)
                ok->click();
            else
                box->reject();
        } else {
            boxes.push_back(seen);
            if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
        }
    });
    if (runOut)
        *runOut = run;
    return boxes;
}

}  // namespace qm::test
