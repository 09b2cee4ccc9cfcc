// The Prepayment Summary screen's window: its table on the frame, the end
// date whose month name keeps its right edge, and the wiring of Calculate to
// the Prepayment Summary calculation (the arithmetic is tested below).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/look.h"
#include "app/startup.h"
#include "screens/presumm/PreSummSource.h"
#include "screens/presumm/presumm.h"
#include "tests/gui/modal.h"
#include "tests/gui/screen_checks.h"

using qm::test::boxesDuring;
using qm::test::SeenBox;
using qm::test::typeInto;

namespace {

using Edits = QList<QPair<QString, QString>>;

qm::Outcome calculationFor(const qm::TCalcForm& form)
{
    return qm::presumm::PrepaySummaryCalculation(form.fieldTexts(), qm::RegionalSettings::unitedStates());
}

QRect inClient(const qm::TCalcForm& form, const QWidget* w) { return qm::test::inClient(w, &form); }

}  // namespace

class PreSummWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qm::TPreSummForm> form;

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
        form = std::make_unique<qm::TPreSummForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void windowAndDefaults()
    {
        QCOMPARE(form->objectName(), QStringLiteral("PreSummForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("QM Prepay Summary"));
        QCOMPARE(form->size(), QSize(632, 413));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->findChild<QLabel*>("ScreenNameLabel")->text(), QStringLiteral("Prepay Summary"));
        QCOMPARE(form->panel("Panel1")->geometry(), QRect(0, 0, 632, 51));
        QCOMPARE(form->panel("Panel2")->geometry(), QRect(503, 56, 124, 127));
        QCOMPARE(form->panel("bottompanel")->geometry(), QRect(0, 372, 632, 41));
        for (const qm::FieldSpec& fieldSpec : qm::presumm::kFields) {
            QLineEdit* edit = form->field(fieldSpec.name);
            QCOMPARE(edit->text(), QString::fromLatin1(fieldSpec.defaultText));
            QCOMPARE(edit->maxLength(), fieldSpec.maxLength > 0 ? fieldSpec.maxLength : QLineEdit().maxLength());
            QVERIFY(edit->isEnabled());
        }
        for (const char* result : qm::presumm::kResultLabels)
            QVERIFY2(form->label(result)->text().isEmpty(), result);
    }

    // Where each field stands, its caption label, what it says and its hint.
    void fieldsAndCaptions_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QPoint>("labelAt");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        QTest::newRow("LnBal") << "LnBal" << QRect(104, 68, 121, 24) << "Label2" << QPoint(16, 72) << "Loan Amount:"
                               << "Must be numeric; can include decimal point";
        QTest::newRow("AnnRte") << "AnnRte" << QRect(104, 94, 121, 24) << "Label3" << QPoint(18, 98)
                                << "Interest Rate:" << "Must be numeric and greater than 0; can include decimal point";
        // Two blanks after the semicolon.
        QTest::newRow("Trm") << "Trm" << QRect(104, 120, 121, 24) << "Label4" << QPoint(16, 124) << "Term (years):"
                             << "Must be numeric and greater than 0;  decimal point NOT allowed";
        QTest::newRow("LnStMm") << "LnStMm" << QRect(104, 146, 33, 24) << "Label5" << QPoint(5, 150)
                                << "Loan start (mth):"
                                << "Starting month of loan must be between 1 and 12, NO decimal point";
        QTest::newRow("LnStCcyy") << "LnStCcyy" << QRect(184, 146, 41, 24) << "Year" << QPoint(142, 150) << "(ccyy):"
                                  << "Starting year of loan must be numeric and include the century";
        QTest::newRow("PreAmt") << "PreAmt" << QRect(104, 172, 121, 24) << "Label6" << QPoint(24, 176)
                                << "Prepay Amt:" << "Must be numeric; can be zero or include decimal point";
        QTest::newRow("PreNbr") << "PreNbr" << QRect(168, 198, 57, 24) << "Label7" << QPoint(16, 202)
                                << "Start prepaying at pmt #:"
                                << "Which payment to start prepayments with; must be numeric";
    }

    void fieldsAndCaptions()
    {
        QFETCH(QString, field);
        QFETCH(QRect, place);
        QFETCH(QString, label);
        QFETCH(QPoint, labelAt);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        QLineEdit* edit = form->field(field.toStdString());
        QLabel* caption = form->label(label.toStdString());
        QCOMPARE(inClient(*form, edit), place);
        QCOMPARE(inClient(*form, caption).topLeft(), labelAt);
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
        QCOMPARE(qm::test::tabSequence(11), (QStringList{"AnnRte", "Trm", "LnStMm", "LnStCcyy", "PreAmt", "PreNbr",
                                                         "CalculateButton", "HelpButton", "ExitButton", "PrintButton",
                                                         "LnBal"}));
    }

    // Captions and values at their places; the highlighted pair and the bold values.
    void resultsAndHighlights()
    {
        struct Row { const char* caption; QPoint captionAt; const char* text; const char* value; int valueLeft; };
        const Row rows[] = {
            {"Label8", {232, 78}, "Monthly payment (PI):", "MthPay", 368},
            {"Label9", {265, 102}, "New Monthly PI:", "NmthPay", 368},
            {"Label10", {243, 126}, "Interest, no prepay:", "IntNoPay", 368},
            {"Label14", {235, 150}, "Interest, with prepay:", "IntWthPay", 368},
            {"Label15", {254, 174}, "Interest saved:", "IntSaved", 368},
            {"Label16", {242, 198}, "Time saved (mths):", "TimeSaved", 368},
            {"Label18", {241, 222}, "New term (months):", "NewTerm", 368},
            {"Label19", {254, 246}, "New end date:", "NewCcyy", 450},
            {"Label20", {242, 272}, "Rate of Return (%):", "RateRet", 368},
        };
        QCOMPARE(calculate().size(), 0u);
        for (const Row& r : rows) {
            QLabel* caption = form->label(r.caption);
            QCOMPARE(inClient(*form, caption).topLeft(), r.captionAt);
            QCOMPARE(caption->text(), QString::fromLatin1(r.text));
            QCOMPARE(inClient(*form, form->label(r.value)).topLeft(), QPoint(r.valueLeft, r.captionAt.y()));
            QCOMPARE(form->label(r.value)->accessibleName(), QString::fromLatin1(r.text));
        }
        for (const char* name : {"Label15", "Label19"}) {
            QLabel* l = form->label(name);
            QCOMPARE(l->palette().color(QPalette::Window), qm::colour::green);
            QCOMPARE(l->palette().color(QPalette::WindowText), qm::colour::white);
            QVERIFY2(l->font().bold() && l->autoFillBackground(), name);
        }
        for (const char* name : {"Label8", "Label14", "Label20"})
            QVERIFY2(!form->label(name)->font().bold() && !form->label(name)->autoFillBackground(), name);
        for (const char* bold : {"IntSaved", "NewCcyy", "NewMm"})
            QVERIFY2(form->label(bold)->font().bold(), bold);
        for (const char* plain : {"MthPay", "NmthPay", "IntNoPay", "IntWthPay", "TimeSaved", "NewTerm", "RateRet"})
            QVERIFY2(!form->label(plain)->font().bold(), plain);
    }

    // The defaults' figures (US settings), as the labels show them.
    void calculateWritesAllTen()
    {
        const qm::Outcome outcome = calculationFor(*form);
        const auto before = qm::test::resultTexts(*form);
        QCOMPARE(calculate().size(), 0u);
        const auto shown = qm::test::resultTexts(*form);
        QCOMPARE(shown, qm::test::afterWrites(before, outcome));
        const QHash<QString, QString> expected = {
            {"MthPay", "$768.91"},       {"NmthPay", "$818.91"},     {"IntNoPay", "$176,808.85"},
            {"IntWthPay", "$132,300.86"}, {"IntSaved", "$44,508.00"}, {"TimeSaved", "76"},
            {"NewTerm", "284"},           {"NewCcyy", "2019"},        {"NewMm", "January,"},
            {"RateRet", "8.370"}};
        QCOMPARE(shown, expected);
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // The month name ends at 441 whatever its length, the year starts at 450.
    void endDateReadsAsOne_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::newRow("January") << Edits{} << "January," << "2019";
        QTest::newRow("May (no prepayment)") << Edits{{"PreAmt", "0"}} << "May," << "2025";
        QTest::newRow("September") << Edits{{"LnStMm", "2"}} << "September," << "2018";
        QTest::newRow("December") << Edits{{"LnStMm", "5"}} << "December," << "2018";
    }

    void endDateReadsAsOne()
    {
        QFETCH(Edits, edits);
        QFETCH(QString, month);
        QFETCH(QString, year);
        // From a longer name to this one and back: the right edge never moves.
        type({{"LnStMm", "2"}});
        QCOMPARE(calculate().size(), 0u);
        QCOMPARE(form->label("NewMm")->text(), QStringLiteral("September,"));
        typeInto(*form, "LnStMm", "6");
        type(edits);
        QCOMPARE(calculate().size(), 0u);
        QLabel* name = form->label("NewMm");
        QLabel* ccyy = form->label("NewCcyy");
        QCOMPARE(name->text(), month);
        QCOMPARE(ccyy->text(), year);
        const QRect nameAt = inClient(*form, name);
        QCOMPARE(nameAt.right() + 1, 441);
        QCOMPARE(nameAt.top(), 246);
        QCOMPARE(nameAt.width(), name->sizeHint().width());  // the whole name shows
        QCOMPARE(inClient(*form, ccyy).topLeft(), QPoint(450, 246));
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // The longest texts the results can hold still fit: the largest loan at
    // the highest rate over the longest term, and the negative return.
    void widestResultsFit_data()
    {
        QTest::addColumn<Edits>("edits");
        const Edits largest = {{"LnBal", "99999999"}, {"AnnRte", "50"}, {"Trm", "50"}};
        QTest::newRow("largest amounts") << largest;
        QTest::newRow("whole loan at once") << largest + Edits{{"PreAmt", "99999999"}};
        QTest::newRow("negative return") << Edits{{"Trm", "1"}};
        QTest::newRow("negative savings") << Edits{{"PreAmt", "-10"}, {"LnStMm", "2"}};
    }

    void widestResultsFit()
    {
        QFETCH(Edits, edits);
        type(edits);
        const qm::Outcome outcome = calculationFor(*form);
        const auto before = qm::test::resultTexts(*form);
        calculate();
        QCOMPARE(qm::test::resultTexts(*form), qm::test::afterWrites(before, outcome));
        QVERIFY(!outcome.writes.empty());
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // A conversion failure, a failed check or a fault before the first write
    // shows its box and leaves every result as the last Calculate wrote it.
    void refusedCalculateLeavesResults_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal term") << Edits{{"Trm", "1.5"}} << "Warning" << qm::presumm::kInputError;
        QTest::newRow("letters") << Edits{{"LnBal", "abc"}} << "Warning" << qm::presumm::kInputError;
        QTest::newRow("start after the term") << Edits{{"PreNbr", "361"}} << "Warning"
                                              << "Prepayment start number exceeds Term (in months)";
        QTest::newRow("prepayment above the loan") << Edits{{"PreAmt", "100000.01"}} << "Warning"
                                                   << "Prepayment amount exceeds Loan amount";
        QTest::newRow("rate too small for a payment") << Edits{{"AnnRte", "1e-17"}} << "Quillmere 1.0"
                                                      << "Floating point division by zero.";
    }

    void refusedCalculateLeavesResults()
    {
        QFETCH(Edits, edits);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QCOMPARE(calculate().size(), 0u);
        const auto before = qm::test::resultTexts(*form);
        QVERIFY(!before.value("RateRet").isEmpty());
        type(edits);
        QVERIFY(calculationFor(*form).writes.empty());
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, title);
        QCOMPARE(boxes[0].text, text);
        QCOMPARE(qm::test::resultTexts(*form), before);
    }

    // A prepayment negative enough that the loan is never paid off: the
    // payments and the plain run's interest are written, then the warning;
    // the other labels keep the last Calculate's texts.
    void neverPaidOffWritesThreeThenWarns()
    {
        QCOMPARE(calculate().size(), 0u);
        const auto before = qm::test::resultTexts(*form);
        typeInto(*form, "PreAmt", "-700");
        const qm::Outcome outcome = calculationFor(*form);
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::presumm::kNeverPaidOff));
        auto expected = before;
        expected["NmthPay"] = "$68.91";
        QCOMPARE(qm::test::resultTexts(*form), expected);
        QCOMPARE(qm::test::resultTexts(*form), qm::test::afterWrites(before, outcome));
    }

    void helpNote()
    {
        const std::vector<SeenBox> boxes = boxesDuring([&] { form->HelpButton->click(); });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Information"));
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::presumm::kHelpNote));
        QVERIFY(boxes[0].textWidth <= boxes[0].screen.width() / 2);
        for (const char* result : qm::presumm::kResultLabels)
            QVERIFY2(form->label(result)->text().isEmpty(), result);
    }

    void printLook()
    {
        form->setPrintLook(true);
        QCOMPARE(form->panel("Panel1")->height(), 0);
        QCOMPARE(form->panel("Panel2")->height(), 0);
        QCOMPARE(form->panel("bottompanel")->height(), 0);
        for (const char* name : {"Label15", "Label19"}) {
            QCOMPARE(form->label(name)->palette().color(QPalette::WindowText), qm::colour::black);
            QCOMPARE(form->label(name)->palette().color(QPalette::Window), qm::colour::white);
            QVERIFY(form->label(name)->font().bold());
        }
        form->setPrintLook(false);
        for (const char* name : {"Label15", "Label19"})
            QCOMPARE(form->label(name)->palette().color(QPalette::Window), qm::colour::green);
        QCOMPARE(form->panel("bottompanel")->geometry(), QRect(0, 372, 632, 41));
    }
};

QTEST_MAIN(PreSummWindowTest)
#include "presumm_window_test.moc"
