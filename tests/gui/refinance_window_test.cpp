// The Refinance screen's window: its table on the frame (its own band names,
// button order and results panel), and the wiring of Calculate to the
// Refinance calculation (the arithmetic is tested below).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/look.h"
#include "app/startup.h"
#include "screens/refinance/RefSource.h"
#include "screens/refinance/refinance.h"
#include "tests/gui/modal.h"
#include "tests/gui/screen_checks.h"

using qm::test::boxesDuring;
using qm::test::SeenBox;
using qm::test::typeInto;

class RefinanceWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qm::TRefForm> form;

    std::vector<SeenBox> calculate() { return boxesDuring([&] { form->CalculateButton->click(); }); }

private slots:
    void initTestCase()
    {
        qm::prepareApplication(*qApp);
        qm::setAppRegionalSettings(qm::RegionalSettings::unitedStates());
    }

    void init()
    {
        form = std::make_unique<qm::TRefForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void windowAndDefaults()
    {
        QCOMPARE(form->objectName(), QStringLiteral("RefForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("QM Refinance"));
        QCOMPARE(form->size(), QSize(632, 413));
        QCOMPARE(form->findChild<QLabel*>("ScreenNameLabel")->text(), QStringLiteral("Refinance"));
        QCOMPARE(form->panel("toppanel")->geometry(), QRect(0, 0, 632, 51));
        QCOMPARE(form->panel("BottomPanel")->geometry(), QRect(0, 372, 632, 41));
        QWidget* results = form->panel("Panel1");
        QCOMPARE(results->geometry(), QRect(242, 190, 385, 179));
        QCOMPARE(results->palette().color(QPalette::Window), qm::colour::buttonFace());
        for (const char* name : {"npi", "nma", "nti", "npiti", "tcc", "tccmsg", "payoff", "cash", "comsg", "mtr"})
            QCOMPARE(form->label(name)->parentWidget(), results);
        for (const char* name : {"cola", "ncola", "pitihe"})
            QCOMPARE(form->label(name)->parentWidget(), form.get());
        for (const qm::FieldSpec& fieldSpec : qm::refinance::kFields) {
            QCOMPARE(form->field(fieldSpec.name)->text(), QString::fromLatin1(fieldSpec.defaultText));
            QCOMPARE(form->field(fieldSpec.name)->maxLength(), fieldSpec.maxLength);
        }
        for (const char* result : qm::refinance::kResultLabels) {
            QVERIFY2(form->label(result)->text().isEmpty(), result);
            QVERIFY2(form->label(result)->font().bold(), result);  // all values are bold
        }
        QCOMPARE(form->label("Label28")->toolTip(),
                 QStringLiteral("Only displayed if the old PITI is greater than the new PITI"));
        QCOMPARE(form->label("mtr")->accessibleName(), QStringLiteral("Months to recover refinance costs:"));
        QCOMPARE(form->field("ccind")->accessibleName(), QStringLiteral("Include Pts and CC in loan? (y/n)"));
    }

    // Fields in the order of the field table, then Calculate, Help, Print,
    // Main Menu (this screen's own order in the bar).
    void focusAndTabOrder()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->field("cmb"));
        QCOMPARE(qm::test::tabSequence(21),
                 (QStringList{"crt", "term", "Eapp", "coper", "ncoper", "cpi", "cti", "cmip", "mhe", "lar", "nrt",
                              "ntrm", "pts", "cce", "ccind", "coli", "CalculateButton", "HelpButton", "PrintButton",
                              "ExitButton", "cmb"}));
    }

    // Figures of the Refinance defaults (US settings).
    void calculateWritesAllThirteen()
    {
        const qm::Outcome outcome =
            qm::refinance::RefinanceCalculation(form->fieldTexts(), qm::RegionalSettings::unitedStates());
        const auto before = qm::test::resultTexts(*form);
        QCOMPARE(calculate().size(), 0u);
        const auto shown = qm::test::resultTexts(*form);
        QCOMPARE(shown, qm::test::afterWrites(before, outcome));
        const QHash<QString, QString> expected = {
            {"tccmsg", "included in loan"}, {"tcc", "$4,300.00"},   {"cola", "$127,500.00"}, {"ncola", "$136,000.00"},
            {"pitihe", "$1,304.00"},        {"nma", "$124,300.00"}, {"npi", "$826.97"},      {"nti", "$225.00"},
            {"npiti", "$1,051.97"},         {"comsg", "no cashout"}, {"cash", "$0.00"},      {"payoff", "$0.00"},
            {"mtr", "17"}};
        QCOMPARE(shown, expected);
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
        // A cashout with its longer texts still fits.
        typeInto(*form, "ccind", "n");
        typeInto(*form, "lar", "127500");
        QCOMPARE(calculate().size(), 0u);
        QCOMPARE(form->label("comsg")->text(), QStringLiteral("to homeowner"));
        QCOMPARE(form->label("cash")->text(), QStringLiteral("$7,500.00"));
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // Check 12 comes after the costs, the limits, the old outlay and the new
    // mortgage are written; the labels after it keep their texts.
    void cashoutLimitLeavesTheLaterLabels()
    {
        QCOMPARE(calculate().size(), 0u);
        const auto before = qm::test::resultTexts(*form);
        typeInto(*form, "lar", "130000");
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::refinance::kCashoutLimitCheck));
        auto expected = before;
        expected["tcc"] = "$4,450.00";
        expected["nma"] = "$134,450.00";
        QCOMPARE(qm::test::resultTexts(*form), expected);
    }

    void helpNote()
    {
        const std::vector<SeenBox> boxes = boxesDuring([&] { form->HelpButton->click(); });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::refinance::kHelpNote));
        QVERIFY(boxes[0].textWidth <= boxes[0].screen.width() / 2);
    }

    // The results panel turns white with the form, and back.
    void printLook()
    {
        form->setPrintLook(true);
        QCOMPARE(form->panel("toppanel")->height(), 0);
        QCOMPARE(form->panel("Panel2")->height(), 0);
        QCOMPARE(form->panel("BottomPanel")->height(), 0);
        QCOMPARE(form->panel("Panel1")->palette().color(QPalette::Window), qm::colour::white);
        QCOMPARE(form->panel("Panel1")->geometry(), QRect(242, 190, 385, 179));
        form->setPrintLook(false);
        QCOMPARE(form->panel("Panel1")->palette().color(QPalette::Window), qm::colour::buttonFace());
        QCOMPARE(form->panel("toppanel")->geometry(), QRect(0, 0, 632, 51));
    }
};

QTEST_MAIN(RefinanceWindowTest)
#include "refinance_window_test.moc"
