#include "app/messages.h"

#include <QApplication>
#include <QScreen>

#include "app/startup.h"

namespace qm {

MessageBox::MessageBox(Icon icon, const QString& title, const QString& text, bool centreOnScreen, QWidget* parent)
    : QMessageBox(icon, title, text, QMessageBox::Ok, parent), centreOnScreen_(centreOnScreen)
{
    setTextFormat(Qt::PlainText);
    setDefaultButton(QMessageBox::Ok);
    setEscapeButton(QMessageBox::Ok);
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

void MessageBox::showEvent(QShowEvent* event)
{
    // QMessageBox sizes itself here, wrapping its text within half the
    // screen width (less on wide screens); only then is the size known.
    QMessageBox::showEvent(event);
    if (!centreOnScreen_)
        return;
    QScreen* where = parentWidget() ? parentWidget()->screen() : screen();
    QRect box = frameGeometry();
    box.moveCenter(where->availableGeometry().center());
    move(box.topLeft());
}

namespace {

void show(QMessageBox::Icon icon, const QString& title, const QString& text, bool centred, QWidget* parent)
{
    MessageBox box(icon, title, text, centred, parent);
    box.exec();
}

}  // namespace

void showWarning(QWidget* parent, const QString& text)
{
    show(QMessageBox::Warning, QStringLiteral("Warning"), text, true, parent);
}

void showInformation(QWidget* parent, const QString& text)
{
    show(QMessageBox::Information, QStringLiteral("Information"), text, true, parent);
}

void showApplicationError(QWidget* parent, const QString& text)
{
    show(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), text + QLatin1Char('.'), false, parent);
}

}  // namespace qm
