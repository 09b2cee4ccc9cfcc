// The Qualify screen's window: its table on the frame, and the wiring of
// Calculate to the Qualify calculation (the arithmetic is tested below).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/look.h"
#include "app/startup.h"
#include "screens/qualify/QualifySource.h"
#include "screens/qualify/qualify.h"
#include "tests/gui/modal.h"
#include "tests/gui/screen_checks.h"

using qm::test::boxesDuring;
using qm::test::SeenBox;
using qm::test::typeInto;

class QualifyWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qm::TQualifyForm> form;

    std::vector<SeenBox> calculate() { return boxesDuring([&] { form->CalculateButton->click(); }); }

private slots:
    void initTestCase()
    {
        qm::prepareApplication(*qApp);
        qm::setAppRegionalSettings(qm::RegionalSettings::unitedStates());
    }

    void init()
    {
        form = std::make_unique<qm::TQualifyForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void windowAndDefaults()
    {
        QCOMPARE(form->objectName(), QStringLiteral("QualifyForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("QM Qualify"));
        QCOMPARE(form->size(), QSize(632, 413));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->findChild<QLabel*>("ScreenNameLabel")->text(), QStringLiteral("Qualify"));
        QCOMPARE(form->panel("Panel1")->geometry(), QRect(0, 0, 632, 51));
        QCOMPARE(form->panel("Panel2")->geometry(), QRect(503, 56, 124, 127));
        QCOMPARE(form->panel("bottompanel")->geometry(), QRect(0, 372, 632, 41));
        for (const qm::FieldSpec& fieldSpec : qm::qualify::kFields) {
            QLineEdit* edit = form->field(fieldSpec.name);
            QCOMPARE(edit->text(), QString::fromLatin1(fieldSpec.defaultText));
            QCOMPARE(edit->maxLength(), fieldSpec.maxLength);
            QCOMPARE(edit->height(), 24);
        }
        // The last field of every row ends at 225.
        for (const char* last : {"MG", "MID", "TDR", "AT", "AF", "Pts", "termyy", "CCE", "CCI", "DP"})
            QCOMPARE(form->field(last)->geometry().right() + 1, 225);
        for (const char* result : qm::qualify::kResultLabels)
            QVERIFY2(form->label(result)->text().isEmpty(), result);
    }

    void captionsAndHints_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("spokenName");  // what a screen reader says for the field
        QTest::addColumn<QString>("hintLabel");
        QTest::addColumn<QString>("hint");
        QTest::newRow("MG") << "MG" << "Monthly Gross Income" << "Label1" << "Monthly gross income from all sources";
        QTest::newRow("MDR") << "MDR" << "Debt Ratios: Mtg" << "Label3"
                             << "Mortgage debt and total debt limit ratios, usually 33 and 38";
        QTest::newRow("TDR") << "TDR" << "Total" << "Label4" << "";
        QTest::newRow("AF") << "AF" << "Assmt %" << "Label8"
                            << "Assessed value as a fraction of appraised value. Default is 25 (don't enter percent "
                               "sign)";
        // The two-line caption, its hint on the second line.
        QTest::newRow("CCI") << "CCI" << "Include closing cost estimate and points in loan amount? (y/n)"
                             << "Label14" << "Y or N must be entered";
        QTest::newRow("DP") << "DP" << "Downpayment percentage" << "Label15" << "can be 0. do not include percent sign";
    }

    void captionsAndHints()
    {
        QFETCH(QString, field);
        QFETCH(QString, spokenName);
        QFETCH(QString, hintLabel);
        QFETCH(QString, hint);
        QCOMPARE(form->field(field.toStdString())->accessibleName(), spokenName);
        QCOMPARE(form->label(hintLabel.toStdString())->toolTip(), hint);
        QVERIFY(form->field(field.toStdString())->toolTip().isEmpty());
        QCOMPARE(form->label("Label6")->text(), QStringLiteral("if tax unknown, estimate the following:"));
        QCOMPARE(form->label("Label6")->toolTip(),
                 QStringLiteral("defaults are 100 millage points and 25 percent assessment factor"));
    }

    void focusAndTabOrder()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->field("MG"));
        QCOMPARE(qm::test::tabSequence(17),
                 (QStringList{"MID", "MDR", "TDR", "AT", "Mills", "AF", "Rate", "Pts", "termyy", "CCE", "CCI", "DP",
                              "CalculateButton", "HelpButton", "ExitButton", "PrintButton", "MG"}));
    }

    void highlightedAndBold()
    {
        QLabel* house = form->label("Label19");
        QCOMPARE(house->text(), QStringLiteral("House price:"));
        QCOMPARE(house->palette().color(QPalette::Window), qm::colour::green);
        QCOMPARE(house->palette().color(QPalette::WindowText), qm::colour::white);
        QVERIFY(house->font().bold());
        for (const char* bold : {"hp", "mdaind", "mdamsg"})
            QVERIFY2(form->label(bold)->font().bold(), bold);
        for (const char* plain : {"mdl", "ma", "dpmsg", "ccmsg"})
            QVERIFY2(!form->label(plain)->font().bold(), plain);
    }

    // Figures of the Qualify defaults (US settings), as the labels show them.
    void calculateWritesAllFifteen()
    {
        const qm::Outcome outcome =
            qm::qualify::QualifyCalculation(form->fieldTexts(), qm::RegionalSettings::unitedStates());
        const auto before = qm::test::resultTexts(*form);
        QCOMPARE(calculate().size(), 0u);
        const auto shown = qm::test::resultTexts(*form);
        QCOMPARE(shown, qm::test::afterWrites(before, outcome));
        const QHash<QString, QString> expected = {
            {"mdl", "$1,320.00"},  {"tdl", "$1,520.00"},      {"mda", "$1,320.00"},   {"mdaind", " "},
            {"mpi", "$991.90"},    {"mt", "$282.90"},         {"mfi", "$24.89"},      {"mip", "$20.37"},
            {"hp", "$135,790.33"}, {"dpo", "$6,789.52"},      {"dpmsg", "due at closing"},
            {"cceo", "$5,725.02"}, {"ccmsg", "due at closing"}, {"ma", "$129,000.81"}, {"mdamsg", " "}};
        QCOMPARE(shown, expected);
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
        // The widest marks fit too.
        typeInto(*form, "MID", "0");
        QCOMPARE(calculate().size(), 0u);
        QCOMPARE(form->label("mdamsg")->text(), QString::fromLatin1(qm::qualify::kOverLimitMessage));
        QCOMPARE(form->label("mdaind")->text(), QStringLiteral("**"));
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // "No funds available for mortgage" comes after the three limits are
    // written; every other label keeps what the last full Calculate wrote.
    void noFundsWritesOnlyTheLimits()
    {
        QCOMPARE(calculate().size(), 0u);
        const auto before = qm::test::resultTexts(*form);
        typeInto(*form, "MID", "2000");
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::qualify::kNoFunds));
        auto expected = before;
        expected["mda"] = "($480.00)";
        QCOMPARE(qm::test::resultTexts(*form), expected);
    }

    void helpNote()
    {
        const std::vector<SeenBox> boxes = boxesDuring([&] { form->HelpButton->click(); });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Information"));
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::qualify::kHelpNote));
    }

    void printLook()
    {
        form->setPrintLook(true);
        QCOMPARE(form->panel("Panel1")->height(), 0);
        QCOMPARE(form->panel("bottompanel")->height(), 0);
        QCOMPARE(form->label("Label19")->palette().color(QPalette::WindowText), qm::colour::black);
        QCOMPARE(form->label("Label19")->palette().color(QPalette::Window), qm::colour::white);
        form->setPrintLook(false);
        QCOMPARE(form->label("Label19")->palette().color(QPalette::Window), qm::colour::green);
        QCOMPARE(form->panel("bottompanel")->geometry(), QRect(0, 372, 632, 41));
    }
};

QTEST_MAIN(QualifyWindowTest)
#include "qualify_window_test.moc"
