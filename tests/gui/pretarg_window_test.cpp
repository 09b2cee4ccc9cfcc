// The Prepayment Target screen's window: its table on the frame and the
// wiring of Calculate to the Prepayment Target calculation (the search and
// the arithmetic are tested below).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/look.h"
#include "app/startup.h"
#include "screens/pretarg/PreTargSource.h"
#include "screens/pretarg/pretarg.h"
#include "tests/gui/modal.h"
#include "tests/gui/screen_checks.h"

using qm::test::boxesDuring;
using qm::test::SeenBox;
using qm::test::typeInto;

namespace {

using Edits = QList<QPair<QString, QString>>;

qm::Outcome calculationFor(const qm::TCalcForm& form)
{
    return qm::pretarg::PrepayTargetCalculation(form.fieldTexts(), qm::RegionalSettings::unitedStates());
}

QRect inClient(const qm::TCalcForm& form, const QWidget* w) { return qm::test::inClient(w, &form); }

const char* const kHighlighted[] = {"Label7", "Label8", "Label15", "Label19"};

}  // namespace

class PreTargWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qm::TPreTargForm> form;

    std::vector<SeenBox> calculate() { return boxesDuring([&] { form->CalculateButton->click(); }); }

    void type(const Edits& edits)
    {
        for (const auto& [field, text] : edits)
            typeInto(*form, field.toLatin1().constData(), text);
    }

private slots:
    void initTestCase()
    {
        qm::prepareApplication(*qApp);
        qm::setAppRegionalSettings(qm::RegionalSettings::unitedStates());
    }

    void init()
    {
        form = std::make_unique<qm::TPreTargForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void windowAndDefaults()
    {
        QCOMPARE(form->objectName(), QStringLiteral("PreTargForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("QM Prepay Target"));
        QCOMPARE(form->size(), QSize(632, 413));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->findChild<QLabel*>("ScreenNameLabel")->text(), QStringLiteral("Prepay Target"));
        QCOMPARE(form->panel("Panel1")->geometry(), QRect(0, 0, 632, 51));
        QCOMPARE(form->panel("Panel2")->geometry(), QRect(503, 56, 124, 127));
        QCOMPARE(form->panel("bottompanel")->geometry(), QRect(0, 372, 632, 41));
        for (const qm::FieldSpec& fieldSpec : qm::pretarg::kFields) {
            QLineEdit* edit = form->field(fieldSpec.name);
            QCOMPARE(edit->text(), QString::fromLatin1(fieldSpec.defaultText));
            QCOMPARE(edit->maxLength(), fieldSpec.maxLength > 0 ? fieldSpec.maxLength : QLineEdit().maxLength());
        }
        for (const char* result : qm::pretarg::kResultLabels)
            QVERIFY2(form->label(result)->text().isEmpty(), result);
    }

    // Rows 25 pixels apart from 60: fields at 104, the years beside the
    // months at 184, the payment number at 160, each row ending at 225;
    // captions on their field's row and clear of it.
    void fieldsAndCaptions_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        QTest::newRow("LnBal") << "LnBal" << QRect(104, 60, 121, 24) << "Label1" << "Loan Amount:"
                               << "Loan amount must be greater than 0, can include decimal point";
        QTest::newRow("AnnRte") << "AnnRte" << QRect(104, 85, 121, 24) << "Label2" << "Interest Rate:"
                                << "Interest rate must be greater than 0, can include decimal";
        QTest::newRow("Trm") << "Trm" << QRect(104, 110, 121, 24) << "Label3" << "Term (years):"
                             << "Term must be greater than 0, can NOT include decimal";
        QTest::newRow("LnStMm") << "LnStMm" << QRect(104, 135, 33, 24) << "Label4" << "Loan start (mth):"
                                << "Loan start month must be between 1 and 12, can NOT include decimal";
        QTest::newRow("LnStCcyy") << "LnStCcyy" << QRect(184, 135, 41, 24) << "Label5" << "(ccyy):"
                                  << "Loan start century and year must be greater than 0, can NOT include decimal";
        QTest::newRow("Targmm") << "Targmm" << QRect(104, 160, 33, 24) << "Label7" << "Target month:"
                                << "Target month must be between 1 and 12, can NOT include decimal";
        QTest::newRow("Targccyy") << "Targccyy" << QRect(184, 160, 41, 24) << "Label8" << "(ccyy):"
                                  << "Target century and year must be greater than 0, can NOT include decimal";
        QTest::newRow("PreNbr") << "PreNbr" << QRect(160, 185, 65, 24) << "Label6" << "Start prepaying at pmt #:"
                                << "Payment number to start prepayment on can NOT include decimal";
    }

    void fieldsAndCaptions()
    {
        QFETCH(QString, field);
        QFETCH(QRect, place);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        QLineEdit* edit = form->field(field.toStdString());
        QLabel* caption = form->label(label.toStdString());
        const QRect captionPlace = inClient(*form, caption);
        QCOMPARE(inClient(*form, edit), place);
        QCOMPARE(captionPlace.top(), place.top() + 4);
        QVERIFY(captionPlace.right() < place.left());
        QCOMPARE(caption->text(), text);
        QCOMPARE(caption->toolTip(), hint);
        QVERIFY(edit->toolTip().isEmpty());
        QCOMPARE(edit->accessibleName(), text);
    }

    void focusAndTabOrder()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->field("LnBal"));
        QCOMPARE(qm::test::tabSequence(12),
                 (QStringList{"AnnRte", "Trm", "LnStMm", "LnStCcyy", "Targmm", "Targccyy", "PreNbr",
                              "CalculateButton", "HelpButton", "ExitButton", "PrintButton", "LnBal"}));
    }

    // Values at 368 on rows 24 pixels apart from 70, each caption ending
    // just left of its value; the target and the two key results highlighted.
    void resultsAndHighlights()
    {
        struct Row { const char* caption; const char* text; const char* value; bool bold; };
        const Row rows[] = {
            {"Label9", "Monthly payment (PI):", "MthPay", false},
            {"Label10", "Interest, no prepay:", "IntNoPay", false},
            {"Label14", "Interest, with prepay:", "IntWthPay", false},
            {"Label15", "Interest saved:", "IntSaved", true},
            {"Label16", "Time saved (mths):", "TimeSaved", false},
            {"Label18", "New term (months):", "NewTerm", false},
            {"Label19", "Prepayment required:", "PreReq", true},
            {"Label17", "New Monthly PI:", "NmthPay", false},
            {"Label20", "Rate of Return (%):", "RateRet", false},
        };
        QCOMPARE(calculate().size(), 0u);
        int top = 70;
        for (const Row& r : rows) {
            QLabel* value = form->label(r.value);
            const QRect caption = inClient(*form, form->label(r.caption));
            QCOMPARE(form->label(r.caption)->text(), QString::fromLatin1(r.text));
            QCOMPARE(inClient(*form, value).topLeft(), QPoint(368, top));
            QCOMPARE(caption.top(), top);
            QCOMPARE(caption.right() + 1, 362);
            QCOMPARE(value->font().bold(), r.bold);
            QCOMPARE(value->accessibleName(), QString::fromLatin1(r.text));
            top += 24;
        }
        for (const char* name : kHighlighted) {
            QLabel* l = form->label(name);
            QCOMPARE(l->palette().color(QPalette::Window), qm::colour::green);
            QCOMPARE(l->palette().color(QPalette::WindowText), qm::colour::white);
            QVERIFY2(l->font().bold() && l->autoFillBackground(), name);
        }
        QCOMPARE(form->label("Label8")->text(), QStringLiteral("(ccyy):"));
        for (const char* name : {"Label4", "Label5", "Label6", "Label14", "Label20"})
            QVERIFY2(!form->label(name)->font().bold() && !form->label(name)->autoFillBackground(), name);
    }

    // The defaults' figures (US settings): one run of p = 50 meets January 2019.
    void calculateWritesAllNine()
    {
        const qm::Outcome outcome = calculationFor(*form);
        const auto before = qm::test::resultTexts(*form);
        QCOMPARE(calculate().size(), 0u);
        const auto shown = qm::test::resultTexts(*form);
        QCOMPARE(shown, qm::test::afterWrites(before, outcome));
        const QHash<QString, QString> expected = {
            {"MthPay", "$768.91"},     {"IntNoPay", "$176,808.85"}, {"IntWthPay", "$132,300.86"},
            {"IntSaved", "$44,508.00"}, {"TimeSaved", "76"},          {"NewTerm", "284"},
            {"PreReq", "$50.00"},       {"NmthPay", "$818.91"},       {"RateRet", "8.370"}};
        QCOMPARE(shown, expected);
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // A second Calculate after edits writes the new target's figures over
    // the first ones (worked figures of the two documented targets).
    void calculateAfterEdits_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("prepay");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("rate");
        QTest::newRow("June 2005") << Edits{{"Targmm", "6"}, {"Targccyy", "2005"}} << "$470.00" << "121" << "14.560";
        QTest::newRow("April 2025") << Edits{{"Targmm", "4"}, {"Targccyy", "2025"}} << "$1.00" << "358" << "7.320";
    }

    void calculateAfterEdits()
    {
        QFETCH(Edits, edits);
        QFETCH(QString, prepay);
        QFETCH(QString, term);
        QFETCH(QString, rate);
        QCOMPARE(calculate().size(), 0u);
        const auto before = qm::test::resultTexts(*form);
        type(edits);
        const qm::Outcome outcome = calculationFor(*form);
        QCOMPARE(calculate().size(), 0u);
        const auto shown = qm::test::resultTexts(*form);
        QCOMPARE(shown, qm::test::afterWrites(before, outcome));
        QCOMPARE(shown.value("PreReq"), prepay);
        QCOMPARE(shown.value("NewTerm"), term);
        QCOMPARE(shown.value("RateRet"), rate);
        QCOMPARE(shown.value("MthPay"), before.value("MthPay"));
        QVERIFY(shown.value("IntWthPay") != before.value("IntWthPay"));
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // The longest texts the results can hold still fit.
    void widestResultsFit_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::newRow("largest amounts") << Edits{{"LnBal", "99999999"}, {"AnnRte", "50"}, {"Trm", "50"},
                                                  {"Targmm", "12"}, {"Targccyy", "1995"}};
        QTest::newRow("negative return") << Edits{{"Trm", "1"}, {"Targmm", "4"}, {"Targccyy", "1996"}};
    }

    void widestResultsFit()
    {
        QFETCH(Edits, edits);
        type(edits);
        const qm::Outcome outcome = calculationFor(*form);
        QVERIFY(!outcome.message);
        QCOMPARE(calculate().size(), 0u);
        QCOMPARE(qm::test::resultTexts(*form), qm::test::afterWrites({}, outcome));
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // A conversion failure or a failed check shows its warning and leaves
    // every result as the last Calculate wrote it.
    void refusedCalculateLeavesResults_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal payment number") << Edits{{"PreNbr", "1.5"}} << qm::pretarg::kInputError;
        QTest::newRow("empty term") << Edits{{"Trm", ""}} << qm::pretarg::kInputError;
        QTest::newRow("target at the term's end") << Edits{{"Targmm", "5"}, {"Targccyy", "2025"}}
                                                  << "Target date equal to or greater than Term ending date";
        QTest::newRow("target month 13") << Edits{{"Targmm", "13"}} << "Target month must be 1 to 12";
        QTest::newRow("target before the first prepayment") << Edits{{"PreNbr", "12"}, {"Targccyy", "1996"}}
                                                            << "Target date is earlier than the first prepayment";
    }

    void refusedCalculateLeavesResults()
    {
        QFETCH(Edits, edits);
        QFETCH(QString, text);
        QCOMPARE(calculate().size(), 0u);
        const auto before = qm::test::resultTexts(*form);
        type(edits);
        QVERIFY(calculationFor(*form).writes.empty());
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes[0].text, text);
        QCOMPARE(qm::test::resultTexts(*form), before);
    }

    // Two blanks before "Hold", as the note has always read.
    void helpNote()
    {
        const std::vector<SeenBox> boxes = boxesDuring([&] { form->HelpButton->click(); });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Information"));
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::pretarg::kHelpNote));
        QVERIFY(boxes[0].text.contains(QStringLiteral("fields.  Hold")));
        QVERIFY(boxes[0].textWidth <= boxes[0].screen.width() / 2);
    }

    void printLook()
    {
        form->setPrintLook(true);
        QCOMPARE(form->panel("Panel1")->height(), 0);
        QCOMPARE(form->panel("Panel2")->height(), 0);
        QCOMPARE(form->panel("bottompanel")->height(), 0);
        for (const char* name : kHighlighted) {
            QCOMPARE(form->label(name)->palette().color(QPalette::WindowText), qm::colour::black);
            QCOMPARE(form->label(name)->palette().color(QPalette::Window), qm::colour::white);
        }
        form->setPrintLook(false);
        for (const char* name : kHighlighted)
            QCOMPARE(form->label(name)->palette().color(QPalette::Window), qm::colour::green);
        QCOMPARE(form->panel("Panel1")->geometry(), QRect(0, 0, 632, 51));
    }
};

QTEST_MAIN(PreTargWindowTest)
#include "pretarg_window_test.moc"
