// Print pressed on every screen after a Calculate, on the default printer of
// a real print server: cups_print_test.sh starts one with a PDF queue, points
// this process at it and says where the queue writes its files. The page
// that comes out is checked as the PDF tests check theirs.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/startup.h"
#include "tests/gui/modal.h"
#include "tests/printing/page_checks.h"
#include "tests/printing/screens.h"

using namespace qm::test;

namespace {

QStringList pdfsIn(const QString& dir)
{
    return QDir(dir).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// Jobs the print server has not finished (printed, aborted or cancelled).
QString unfinishedJobs()
{
    const QByteArray out = runTool(QStringLiteral("lpstat"), {QStringLiteral("-o")}, 5000);
    return out.isNull() ? QStringLiteral("(lpstat failed)") : QString::fromUtf8(out).trimmed();
}

}  // namespace

class PrintJobTest : public QObject {
    Q_OBJECT

    QString outDir;
    std::unique_ptr<qm::TCalcForm> form;

    // The one new file the queue wrote, once the server has finished the job.
    QString waitForPage(const QStringList& before, int deadlineMs = 15000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < deadlineMs) {
            QStringList added = pdfsIn(outDir);
            for (const QString& f : before)
                added.removeAll(f);
            if (added.size() == 1 && unfinishedJobs().isEmpty())
                return QDir(outDir).filePath(added.front());
            QTest::qWait(100);
        }
        qWarning("no finished page after %d ms; unfinished jobs: %s; files: %s", deadlineMs,
                 qPrintable(unfinishedJobs()), qPrintable(pdfsIn(outDir).join(", ")));
        return {};
    }

private slots:
    void initTestCase()
    {
        qm::prepareApplication(*qApp);
        qm::setAppRegionalSettings(qm::RegionalSettings::unitedStates());
        outDir = qEnvironmentVariable("QM_PRINT_OUT");
        QVERIFY2(!outDir.isEmpty() && QFileInfo(outDir).isDir(), "run by cups_print_test.sh, which sets QM_PRINT_OUT");
        // The server the script started, not some other printer.
        QCOMPARE(QPrinterInfo::defaultPrinterName(), qEnvironmentVariable("QM_PRINT_QUEUE"));
    }

    void cleanup() { form.reset(); }

    void pressPrint_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString& s : kPrintedScreens)
            QTest::newRow(qPrintable(s)) << s;
    }

    void pressPrint()
    {
        QFETCH(QString, screen);
        form = openScreen(screen);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(boxesDuring([&] { QTest::mouseClick(form->CalculateButton, Qt::LeftButton); }).size(), 0u);
        form->PrintButton->setFocus(Qt::MouseFocusReason);  // where the click below leaves it
        const QStringList normalLook = lookOf(*form);
        const QImage normalShot = shownOnScreen(*form);
        const QImage printShot = shownInPrintLook(*form);

        const QStringList before = pdfsIn(outDir);
        const std::vector<SeenBox> boxes =
            boxesDuring([&] { QTest::mouseClick(form->PrintButton, Qt::LeftButton); });
        QVERIFY2(boxes.empty(), boxes.empty() ? "" : qPrintable(boxes.front().text));
        QCOMPARE(lookOf(*form), normalLook);

        const QString pdf = waitForPage(before);
        QVERIFY(!pdf.isEmpty());
        // The queue names its files after the job: the window caption.
        QVERIFY2(QFileInfo(pdf).fileName().startsWith(form->windowTitle().replace(' ', '_')),
                 qPrintable(QFileInfo(pdf).fileName()));

        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        const QPointF corner = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
        const PageCheck page = checkPage(pdf, *form, printShot, normalShot,
                                         (corner * qm::kFormPixelsPerInch / 72.0).toPoint());
        const QString artifacts = qEnvironmentVariable("QM_TEST_ARTIFACTS");
        if (!artifacts.isEmpty() && QDir().mkpath(artifacts)) {
            const QString base = QDir(artifacts).filePath(screen.toLower().replace(' ', '-') + "-cups-page");
            QFile::remove(base + ".pdf");
            QFile::copy(pdf, base + ".pdf");
            page.page.save(base + ".png");
        }
        QVERIFY2(page.faults.isEmpty(), qPrintable(page.faults.join("; ")));
    }

    // Printers installed but none of them the default: the error box, not
    // a page on whichever printer comes first. Runs last: it deletes the
    // default queue.
    void noDefaultAmongPrinters()
    {
        QVERIFY(!runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), qEnvironmentVariable("QM_PRINT_QUEUE")})
                     .isNull());
        QVERIFY2(!QPrinterInfo::availablePrinterNames().isEmpty(), "the script adds a second queue");
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        form = openScreen(QStringLiteral("Selling"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QStringList normalLook = lookOf(*form);
        const QStringList before = pdfsIn(outDir);
        const std::vector<SeenBox> boxes =
            boxesDuring([&] { QTest::mouseClick(form->PrintButton, Qt::LeftButton); });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Quillmere 1.0"));
        QCOMPARE(boxes[0].text, QStringLiteral("There is no default printer currently selected."));
        QCOMPARE(lookOf(*form), normalLook);
        QCOMPARE(unfinishedJobs(), QString());
        QCOMPARE(pdfsIn(outDir), before);
    }
};

QTEST_MAIN(PrintJobTest)
#include "print_job_e2e.moc"
