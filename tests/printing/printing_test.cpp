// Printing a screen: the page as a PDF file (the printer handed in), the
// look while and after printing, and the failures reported in the error box.
//
// This process never reaches a print server (main points the print client
// at a socket that does not exist): the PDF cases cannot end up on paper and
// the no-printer case is the machine's real state, not a wish.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "app/printing.h"
#include "app/startup.h"
#include "tests/gui/modal.h"
#include "tests/printing/page_checks.h"
#include "tests/printing/screens.h"

using namespace qm::test;

namespace {

// A page with margins of whole 96-dpi pixels, so that the page rendered at
// 96 dpi lines up with the screen pixel for pixel.
void setUpPdf(QPrinter& printer, const QString& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(18, 27, 18, 18), QPageLayout::Point);  // 24, 36, 24, 24 pixels
}

QPoint printableOrigin(const QPrinter& printer)
{
    const QPointF points = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    return (points * qm::kFormPixelsPerInch / 72.0).toPoint();
}

// Keeps the PDF and its rendered page for people to look at.
void keep(const QString& pdf, const QImage& page, const QString& screen)
{
    const QString dir = qEnvironmentVariable("QM_TEST_ARTIFACTS");
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return;
    const QString base = QDir(dir).filePath(screen.toLower().replace(QLatin1Char(' '), QLatin1Char('-')) + "-page");
    QFile::remove(base + ".pdf");
    QFile::copy(pdf, base + ".pdf");
    page.save(base + ".png");
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<qm::TCalcForm> form;

    void open(const QString& screen)
    {
        form = openScreen(screen);
        QVERIFY(form);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // Where a click on Print leaves the focus: on the button, so no
        // field shows its blinking cursor on the screen or the page.
        form->PrintButton->setFocus(Qt::MouseFocusReason);
    }

    void calculate() { QCOMPARE(boxesDuring([&] { form->CalculateButton->click(); }).size(), 0u); }

    // Prints as the Print button does, but on `printer`.
    QString print(QPrinter& printer, QImage* shownWhilePrinting = nullptr)
    {
        return form->printInPrintLook([&] {
            if (shownWhilePrinting)
                *shownWhilePrinting = shownOnScreen(*form);
            return qm::printFormImage(*form, printer);
        });
    }

    QString printToFile(const QString& name, QPoint* origin = nullptr, QImage* shownWhilePrinting = nullptr)
    {
        const QString file = dir.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        setUpPdf(printer, file);
        if (origin)
            *origin = printableOrigin(printer);
        const QString failure = print(printer, shownWhilePrinting);
        if (!failure.isEmpty())
            qWarning("printing failed: %s", qPrintable(failure));
        return file;
    }

    void eachScreen()
    {
        QTest::addColumn<QString>("screen");
        for (const QString& s : kPrintedScreens)
            QTest::newRow(qPrintable(s)) << s;
    }

private slots:
    void initTestCase()
    {
        qm::prepareApplication(*qApp);
        qm::setAppRegionalSettings(qm::RegionalSettings::unitedStates());
        QVERIFY(dir.isValid());
    }

    void cleanup() { form.reset(); }

    // After a Calculate: one page holding one image of the client size at 96
    // image pixels to the inch, at the top-left of the printable area,
    // showing what the screen shows in the print look, region by region; no
    // banner, picture or buttons, nothing green (checkPage). The screen shows
    // the print look while printing and is exactly in its normal look
    // afterwards; a second print gives the same page.
    void printsTheBodyAsShown_data() { eachScreen(); }
    void printsTheBodyAsShown()
    {
        QFETCH(QString, screen);
        open(screen);
        calculate();
        const QStringList normalLook = lookOf(*form);
        const QImage normalShot = shownOnScreen(*form);
        const QImage printShot = shownInPrintLook(*form);
        QCOMPARE(printShot.size(), form->size());
        QCOMPARE(lookOf(*form), normalLook);

        QPoint origin;
        QImage shownWhilePrinting;
        const QString pdf = printToFile(screen + ".pdf", &origin, &shownWhilePrinting);
        QCOMPARE(shownWhilePrinting, printShot);
        QCOMPARE(lookOf(*form), normalLook);
        QCOMPARE(shownOnScreen(*form), normalShot);

        const PageCheck page = checkPage(pdf, *form, printShot, normalShot, origin);
        QVERIFY2(page.faults.isEmpty(), qPrintable(page.faults.join("; ")));
        keep(pdf, page.page, screen);
        // 632 pixels print 6.58 inches wide, 640 pixels 6.67.
        const std::vector<PlacedImage> images = pdfImages(pdf);
        QCOMPARE(qRound(images.at(0).pixels.width() / images.at(0).xPpi * 100), form->width() == 632 ? 658 : 667);

        const QString second = printToFile(screen + "-again.pdf");
        const PageCheck again = checkPage(second, *form, printShot, normalShot, origin);
        QVERIFY2(again.faults.isEmpty(), qPrintable(again.faults.join("; ")));
        QVERIFY(again.page == page.page);
        QVERIFY(again.printed == page.printed);
        QCOMPARE(lookOf(*form), normalLook);
    }

    // Before any Calculate the page shows the default texts and no results.
    void printsDefaultsBeforeAnyCalculate_data() { eachScreen(); }
    void printsDefaultsBeforeAnyCalculate()
    {
        QFETCH(QString, screen);
        open(screen);
        const QImage normalShot = shownOnScreen(*form);
        const QImage printShot = shownInPrintLook(*form);
        QPoint origin;
        const PageCheck fresh = checkPage(printToFile(screen + "-fresh.pdf", &origin), *form, printShot, normalShot,
                                          origin);
        QVERIFY2(fresh.faults.isEmpty(), qPrintable(fresh.faults.join("; ")));
        for (const qm::FieldSpec& f : form->layout().screen.fields)
            QCOMPARE(form->field(f.name)->text(), QString::fromLatin1(f.defaultText));

        // Where Calculate writes, the first page was blank; a page printed
        // after it is not.
        calculate();
        const PageCheck calculated = checkPage(printToFile(screen + "-calculated.pdf"), *form,
                                               shownInPrintLook(*form), shownOnScreen(*form), origin);
        QVERIFY2(calculated.faults.isEmpty(), qPrintable(calculated.faults.join("; ")));
        int written = 0;
        for (const char* name : form->layout().screen.resultLabels) {
            const QLabel* result = form->label(name);
            if (result->text().trimmed().isEmpty())  // a written blank shows nothing
                continue;
            ++written;
            const QRect r(result->mapTo(form.get(), QPoint()), result->size());
            QVERIFY2(nonWhitePixels(fresh.printed, r) == 0, name);
            QVERIFY2(nonWhitePixels(calculated.printed, r) > 0, name);
        }
        QVERIFY(written > 0);
    }

    // Whatever happens while printing, the screen ends in its normal look.
    void failuresLeaveTheNormalLook_data() { eachScreen(); }
    void failuresLeaveTheNormalLook()
    {
        QFETCH(QString, screen);
        open(screen);
        calculate();
        const QStringList normalLook = lookOf(*form);
        const QImage normalShot = shownOnScreen(*form);

        bool inPrintLook = false;
        QCOMPARE(form->printInPrintLook([&]() -> QString {
            inPrintLook = form->printLook() && lookOf(*form) != normalLook;
            throw std::runtime_error("paper jam");
        }),
                 QStringLiteral("Printing failed: paper jam"));
        QVERIFY(inPrintLook);
        QCOMPARE(lookOf(*form), normalLook);

        QCOMPARE(form->printInPrintLook([]() -> QString { throw 42; }), QStringLiteral("Printing failed"));
        QCOMPARE(lookOf(*form), normalLook);

        // A printer that cannot be opened: here a PDF file in a folder that
        // does not exist.
        QPrinter printer(QPrinter::HighResolution);
        setUpPdf(printer, dir.filePath("no such folder/page.pdf"));
        QCOMPARE(print(printer), QString::fromLatin1(qm::kInvalidPrinter));
        QCOMPARE(lookOf(*form), normalLook);
        QCOMPARE(shownOnScreen(*form), normalShot);
    }

    // With no print server at all, Print reports it in the application
    // error box, by then back in the normal look, and the screen goes on.
    void noDefaultPrinter_data() { eachScreen(); }
    void noDefaultPrinter()
    {
        QFETCH(QString, screen);
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull() && QPrinterInfo::availablePrinterNames().isEmpty(),
                 "this process was to see no printer");
        open(screen);
        const QStringList normalLook = lookOf(*form);

        QStringList lookAtTheBox;
        std::vector<SeenBox> boxes;
        duringModal([&] { QTest::mouseClick(form->PrintButton, Qt::LeftButton); },
                    [&](QWidget* w) {
                        lookAtTheBox = lookOf(*form);
                        auto* box = qobject_cast<QMessageBox*>(w);
                        QVERIFY(box);
                        boxes.push_back({});
                        boxes.back().title = box->windowTitle();
                        boxes.back().text = box->text();
                        boxes.back().icon = box->icon();
                        boxes.back().buttonCount = int(box->buttons().size());
                        box->button(QMessageBox::Ok)->click();
                    });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Quillmere 1.0"));
        QCOMPARE(boxes[0].text, QStringLiteral("There is no default printer currently selected."));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes[0].buttonCount, 1);
        QCOMPARE(lookAtTheBox, normalLook);
        QCOMPARE(lookOf(*form), normalLook);

        // The buttons still work.
        QTest::mouseClick(form->CalculateButton, Qt::LeftButton);
        int written = 0;
        for (const char* name : form->layout().screen.resultLabels)
            written += !form->label(name)->text().isEmpty();
        QVERIFY(written > 0);
        const std::vector<SeenBox> help = boxesDuring([&] { QTest::mouseClick(form->HelpButton, Qt::LeftButton); });
        QCOMPARE(help.size(), 1u);
        QCOMPARE(help[0].title, QStringLiteral("Information"));
        const std::vector<SeenBox> again = boxesDuring([&] { QTest::mouseClick(form->PrintButton, Qt::LeftButton); });
        QCOMPARE(again.size(), 1u);
        QCOMPARE(again[0].text, QStringLiteral("There is no default printer currently selected."));
        QVERIFY(!form->printLook());
    }
};

int main(int argc, char** argv)
{
    qputenv("CUPS_SERVER", "/nonexistent/quillmere-tests/no-print-server.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QApplication app(argc, argv);
    PrintingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "printing_test.moc"
