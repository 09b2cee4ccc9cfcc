#include "app/printing.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace qm {

QString printFormImage(QWidget& form, QPrinter& printer)
{
    // One image pixel per layout pixel, whatever the screen's scale factor.
    QImage image(form.size(), QImage::Format_RGB32);
    if (image.isNull())
        return QStringLiteral("The screen could not be drawn for printing");
    image.fill(form.palette().color(form.backgroundRole()));
    form.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);

    printer.setFullPage(false);  // the painter's origin is the printable area's top-left
    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer))
        return QString::fromLatin1(kInvalidPrinter);
    // Otherwise the PDF engine may store the image as JPEG when that is
    // smaller, blurring the text.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRectF target(0, 0, qreal(image.width()) * printer.logicalDpiX() / kFormPixelsPerInch,
                        qreal(image.height()) * printer.logicalDpiY() / kFormPixelsPerInch);
    painter.drawImage(target, image);
    if (!painter.end())
        return QStringLiteral("The print job could not be finished");
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return QStringLiteral("The printer reported an error while printing");
    return {};
}

QString printOnDefaultPrinter(QWidget& form, const QString& jobName)
{
    // Without this check a default QPrinter silently falls back to PDF output
    // with no file name, and nothing at all reaches a printer.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty())
        return QString::fromLatin1(kNoDefaultPrinter);

    QPrinter printer(info, QPrinter::HighResolution);
    // A printer the print server no longer knows also falls back to PDF output.
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return QString::fromLatin1(kInvalidPrinter);
    printer.setDocName(jobName);
    return printFormImage(form, printer);
}

}  // namespace qm
