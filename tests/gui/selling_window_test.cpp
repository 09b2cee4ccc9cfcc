// The calculator screen frame, through the Selling screen: window settings,
// bands, fields, result labels, the Calculate wiring, the three message
// boxes, the keys that must press nothing, and the print look.
//
// The arithmetic is tested below the window; here a Calculate is compared
// with what the Selling calculation returns for the same texts.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "app/look.h"
#include "app/startup.h"
#include "screens/selling/SellingSource.h"
#include "screens/selling/selling.h"
#include "tests/gui/modal.h"
#include "tests/gui/screen_checks.h"

using qm::test::boxesDuring;
using qm::test::SeenBox;

namespace {

const QStringList kResults = {"oesp", "comm", "poc", "net"};

QStringList resultTexts(const qm::TCalcForm& form)
{
    QStringList texts;
    for (const QString& name : kResults)
        texts << form.label(name.toStdString())->text();
    return texts;
}

void typeInto(qm::TCalcForm& form, const char* field, const QString& text)
{
    QLineEdit* edit = form.field(field);
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

QColor background(const QWidget* w) { return w->palette().color(QPalette::Window); }
QColor ink(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

}  // namespace

class SellingWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qm::TSellingForm> form;

    // Calculate with no box expected; returns the boxes that came anyway.
    std::vector<SeenBox> calculate() { return boxesDuring([&] { form->CalculateButton->click(); }); }

private slots:
    void initTestCase()
    {
        qm::prepareApplication(*qApp);
        qm::setAppRegionalSettings(qm::RegionalSettings::unitedStates());
    }

    void init()
    {
        form = std::make_unique<qm::TSellingForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void windowSettings()
    {
        const Qt::WindowFlags flags = form->windowFlags();
        QCOMPARE(form->windowType(), Qt::Dialog);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
        QCOMPARE(form->minimumSize(), QSize(640, 413));
        QCOMPARE(form->maximumSize(), QSize(640, 413));
        QCOMPARE(form->size(), QSize(640, 413));
        QCOMPARE(form->windowTitle(), QStringLiteral("QM Selling"));
        QCOMPARE(form->objectName(), QStringLiteral("SellingForm"));
        QCOMPARE(form->pos(), form->screen()->availableGeometry().topLeft());
        QCOMPARE(background(form.get()), qm::colour::buttonFace());
        QCOMPARE(form->font().pixelSize(), 11);
    }

    void bands()
    {
        QWidget* banner = form->panel("Panel1");
        QVERIFY(banner);
        QCOMPARE(banner->geometry(), QRect(0, 0, 640, 51));
        QCOMPARE(background(banner), qm::colour::green);
        QCOMPARE(form->panel("Panel2")->geometry(), QRect(503, 56, 124, 127));
        QCOMPARE(form->panel("BottomPanel")->geometry(), QRect(0, 372, 640, 41));

        auto* product = banner->findChild<QLabel*>("ProductLabel");
        QCOMPARE(product->text(), QStringLiteral("Quillmere"));
        QCOMPARE(product->geometry(), QRect(0, 0, 169, 51));
        QCOMPARE(background(product), qm::colour::blue);
        QCOMPARE(ink(product), qm::colour::white);
        QVERIFY(product->font().bold() && product->font().italic());
        QCOMPARE(product->font().pixelSize(), 27);
        auto* name = banner->findChild<QLabel*>("ScreenNameLabel");
        QCOMPARE(name->text(), QStringLiteral("Selling"));
        QCOMPARE(name->pos(), QPoint(6, 32));
        QCOMPARE(background(name), qm::colour::blue);
        QCOMPARE(banner->findChild<QLabel*>("TrademarkLabel")->pos(), QPoint(151, 2));

        auto* image = form->findChild<QLabel*>("Image1");
        QCOMPARE(image->geometry(), QRect(6, 6, 111, 114));
        QCOMPARE(image->pixmap().size(), QSize(111, 114));
        QCOMPARE(qm::logo().toImage().convertToFormat(QImage::Format_Indexed8).colorCount() <= 16, true);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Calculate") << "CalculateButton" << "Calculate" << QRect(8, 8, 75, 25);
        QTest::newRow("Help") << "HelpButton" << "Help" << QRect(96, 8, 75, 25);
        QTest::newRow("Print") << "PrintButton" << "Print" << QRect(296, 8, 75, 25);
        QTest::newRow("Main Menu") << "ExitButton" << "Main Menu" << QRect(544, 8, 77, 25);
    }

    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        auto* button = form->findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->parentWidget(), form->panel("BottomPanel"));
        QCOMPARE(button->text(), text);
        QCOMPARE(button->geometry(), geometry);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
        QVERIFY(button->isEnabled());
        QCOMPARE(button->font().pixelSize(), 13);
        // The caption fits: no eliding or clipping at this width.
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(), qPrintable(name));
    }

    void fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("captionLabel");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QPoint>("captionAt");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("defaultText");
        // Positions, hints, limits and defaults of the Selling screen's field table.
        QTest::newRow("esp") << "esp" << "Label2" << "Estimated selling price"
                             << "Must be numeric and greater than 0. Do not include decimal point" << QPoint(6, 72)
                             << QRect(146, 68, 79, 24) << 9 << "180000";
        QTest::newRow("rec") << "rec" << "Label3" << "Agent's commision percent"
                             << "Can include decimal point. Do not include percent sign" << QPoint(6, 98)
                             << QRect(176, 94, 49, 24) << 32767 << "7";
        QTest::newRow("fsbo") << "fsbo" << "Label4" << "For sale by owner costs" << "enter 0 if not applicable"
                              << QPoint(6, 124) << QRect(152, 120, 73, 24) << 8 << "0";
        QTest::newRow("lf") << "lf" << "Label5" << "Legal or other fees" << "enter 0 if not applicable"
                            << QPoint(6, 150) << QRect(152, 146, 73, 24) << 8 << "0";
        QTest::newRow("rqfs") << "rqfs" << "Label6" << "Required for sale costs"
                              << "fixes requested by buyer. enter 0 if not applicable" << QPoint(6, 176)
                              << QRect(152, 172, 73, 24) << 8 << "0";
        QTest::newRow("cmb") << "cmb" << "Label7" << "1st mortgage balance"
                             << "payoff amount on first mortgage on property" << QPoint(6, 202)
                             << QRect(144, 198, 81, 24) << 9 << "121000";
        QTest::newRow("omhe") << "omhe" << "Label21" << "Home eq. / 2nd mtg?"
                              << "total balance of all remaining loans against the property" << QPoint(6, 228)
                              << QRect(144, 224, 81, 24) << 9 << "5100";
    }

    void fields()
    {
        QFETCH(QString, name);
        QFETCH(QString, captionLabel);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QPoint, captionAt);
        QFETCH(QRect, geometry);
        QFETCH(int, maxLength);
        QFETCH(QString, defaultText);
        QLineEdit* edit = form->field(name.toStdString());
        QLabel* label = form->label(captionLabel.toStdString());
        QVERIFY(edit && label);
        QCOMPARE(edit->geometry(), geometry);
        QCOMPARE(edit->maxLength(), maxLength);
        QCOMPARE(edit->text(), defaultText);
        QCOMPARE(edit->font().pixelSize(), 13);
        QVERIFY(edit->toolTip().isEmpty());
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->pos(), captionAt);
        QCOMPARE(label->toolTip(), hint);
        QCOMPARE(label->font().pixelSize(), 13);
        // The caption ends before its field starts, and shows whole.
        QVERIFY2(label->geometry().right() < edit->x(), qPrintable(caption));
        QCOMPARE(label->width(), label->sizeHint().width());
        // A screen reader names the field after its caption.
        QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), caption);

        // The edit takes no more than MaxLength characters.
        if (maxLength < 100) {
            edit->clear();
            QTest::keyClicks(edit, QString(maxLength + 3, QLatin1Char('9')));
            QCOMPARE(edit->text(), QString(maxLength, QLatin1Char('9')));
        }
    }

    void resultLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("captionLabel");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("captionAt");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("bold");
        QTest::newRow("oesp") << "oesp" << "Label8" << "Estimated selling price:" << QPoint(232, 72) << QPoint(378, 72)
                              << false;
        QTest::newRow("comm") << "comm" << "Label9" << "Realtor commission:" << QPoint(249, 98) << QPoint(378, 98)
                              << false;
        QTest::newRow("poc") << "poc" << "Label10" << "Payoffs and costs:" << QPoint(261, 124) << QPoint(378, 124)
                             << false;
        QTest::newRow("net") << "net" << "Label15" << "Net from sale:" << QPoint(273, 150) << QPoint(378, 150)
                             << true;
    }

    void resultLabels()
    {
        QFETCH(QString, name);
        QFETCH(QString, captionLabel);
        QFETCH(QString, caption);
        QFETCH(QPoint, captionAt);
        QFETCH(QPoint, at);
        QFETCH(bool, bold);
        QLabel* result = form->label(name.toStdString());
        QLabel* label = form->label(captionLabel.toStdString());
        QVERIFY(result->text().isEmpty());
        QCOMPARE(result->pos(), at);
        QCOMPARE(result->font().bold(), bold);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->pos(), captionAt);
        QVERIFY2(label->geometry().right() < result->x(), qPrintable(caption));
        QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name), caption);
    }

    void highlightedCaption()
    {
        QLabel* label = form->label("Label15");
        QVERIFY(label->autoFillBackground());
        QCOMPARE(background(label), qm::colour::green);
        QCOMPARE(ink(label), qm::colour::white);
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pixelSize(), 13);
        for (const char* plain : {"Label8", "Label9", "Label10", "Label2"}) {
            QVERIFY(!form->label(plain)->autoFillBackground());
            QCOMPARE(ink(form->label(plain)), qm::colour::black);
            QVERIFY(!form->label(plain)->font().bold());
        }
    }

    void focusAndTabOrder()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->field("esp"));
        const QStringList expected = {"rec",  "fsbo",         "lf",         "rqfs",       "cmb",        "omhe",
                                      "CalculateButton", "HelpButton", "ExitButton", "PrintButton", "esp"};
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void calculateWrites_data()
    {
        QTest::addColumn<QStringList>("overrides");  // field=text pairs
        QTest::addColumn<QStringList>("expected");   // oesp, comm, poc, net
        // Expected texts from the worked example and the edge cases of the Selling rules (US settings).
        QTest::newRow("defaults") << QStringList{}
                                  << QStringList{"$180,000.00", "$12,600.00", "$126,100.00", "$41,300.00"};
        QTest::newRow("commission 7.5") << QStringList{"rec=7.5"}
                                        << QStringList{"$180,000.00", "$13,500.00", "$126,100.00", "$40,400.00"};
        QTest::newRow("negative net")
            << QStringList{"cmb=999999999", "omhe=999999999", "fsbo=99999999", "lf=99999999"}
            << QStringList{"$180,000.00", "$12,600.00", "$2,199,999,996.00", "($2,199,832,596.00)"};
    }

    void calculateWrites()
    {
        QFETCH(QStringList, overrides);
        QFETCH(QStringList, expected);
        for (const QString& o : overrides)
            typeInto(*form, o.section('=', 0, 0).toLatin1().constData(), o.section('=', 1));

        const qm::Outcome outcome =
            qm::selling::SellingCalculation(form->fieldTexts(), qm::RegionalSettings::unitedStates());
        QCOMPARE(calculate().size(), 0u);

        QStringList fromCalculation;
        for (const qm::Write& w : outcome.writes)
            fromCalculation << QString::fromStdString(w.text);
        QCOMPARE(resultTexts(*form), fromCalculation);
        QCOMPARE(resultTexts(*form), expected);
        for (const QString& name : kResults) {
            QLabel* result = form->label(name.toStdString());
            QCOMPARE(result->x(), 378);  // the left edge stays
            QCOMPARE(result->width(), result->sizeHint().width());
            // Long results stay clear of the picture panel.
            QVERIFY(result->geometry().right() < form->panel("Panel2")->x());
            QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description), result->text());
        }
        QCOMPARE(qm::test::overlaps(*form), QStringList{});
    }

    // After a Calculate that wrote, a Calculate refused at conversion or check
    // shows its warning and leaves every result as it was.
    void refusedCalculateKeepsResults_data()
    {
        QTest::addColumn<QStringList>("overrides");
        QTest::addColumn<QString>("message");
        const QString inputError = QString::fromLatin1(qm::selling::kInputError);
        const QString priceCheck = QStringLiteral("Estimated Selling Price must be greater than 0");
        QTest::newRow("price 0") << QStringList{"esp=0"} << priceCheck;
        QTest::newRow("price -5") << QStringList{"esp=-5"} << priceCheck;
        QTest::newRow("price with decimals") << QStringList{"esp=12.5"} << inputError;
        QTest::newRow("percent sign") << QStringList{"rec=7%"} << inputError;
        QTest::newRow("emptied amount") << QStringList{"lf="} << inputError;
        QTest::newRow("bad last field before price check") << QStringList{"esp=0", "omhe=x"} << inputError;
    }

    void refusedCalculateKeepsResults()
    {
        QFETCH(QStringList, overrides);
        QFETCH(QString, message);
        typeInto(*form, "esp", "200000");
        QCOMPARE(calculate().size(), 0u);
        const QStringList before = resultTexts(*form);
        QCOMPARE(before.first(), QStringLiteral("$200,000.00"));

        for (const QString& o : overrides)
            typeInto(*form, o.section('=', 0, 0).toLatin1().constData(), o.section('=', 1));
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Warning"));
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(resultTexts(*form), before);
    }

    void warningBox()
    {
        typeInto(*form, "esp", "0");
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        const SeenBox& box = boxes[0];
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.text, QStringLiteral("Estimated Selling Price must be greater than 0"));
        QCOMPARE(box.buttonCount, 1);
        QVERIFY(box.okIsDefault);
        QVERIFY(box.okIsEscape);
        // Centred on the screen (not on the window, which sits at the top left).
        QVERIFY(qAbs(box.frame.center().x() - box.screen.center().x()) <= 1);
        QVERIFY(qAbs(box.frame.center().y() - box.screen.center().y()) <= 1);
        QVERIFY(box.textWidth > 0 && box.textWidth <= box.screen.width() / 2);
        QVERIFY(form->isVisible());
    }

    void longWarningWrapsWithinHalfTheScreen()
    {
        typeInto(*form, "esp", "x");
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::selling::kInputError));
        QVERIFY(boxes[0].textWidth > 0);
        QVERIFY(boxes[0].textWidth <= boxes[0].screen.width() / 2);
    }

    // An overflow after the first write: the price shows, the rest keep
    // their earlier texts, and the application error box reports it.
    void faultShowsApplicationErrorBox()
    {
        QCOMPARE(calculate().size(), 0u);
        const QStringList before = resultTexts(*form);
        typeInto(*form, "esp", "200000");
        typeInto(*form, "rec", "1e4931");
        const std::vector<SeenBox> boxes = calculate();
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Quillmere 1.0"));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes[0].text, QStringLiteral("Floating point overflow."));
        QCOMPARE(boxes[0].buttonCount, 1);
        QCOMPARE(resultTexts(*form), (QStringList{"$200,000.00", before[1], before[2], before[3]}));
        // The screen goes on.
        typeInto(*form, "rec", "7");
        QCOMPARE(calculate().size(), 0u);
        QCOMPARE(form->label("comm")->text(), QStringLiteral("$14,000.00"));
    }

    void helpShowsTheNote()
    {
        typeInto(*form, "esp", "1");
        const std::vector<SeenBox> boxes = boxesDuring([&] { form->HelpButton->click(); });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Information"));
        QCOMPARE(boxes[0].icon, QMessageBox::Information);
        QCOMPARE(boxes[0].text, QString::fromLatin1(qm::selling::kHelpNote));
        QVERIFY(boxes[0].okIsDefault && boxes[0].okIsEscape);
        QVERIFY(boxes[0].textWidth <= boxes[0].screen.width() / 2);
        QCOMPARE(form->field("esp")->text(), QStringLiteral("1"));
        QCOMPARE(resultTexts(*form), (QStringList{"", "", "", ""}));
    }

    void enterAndEscapePressNoButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("in a field") << "esp";
        QTest::newRow("on Calculate") << "CalculateButton";
        QTest::newRow("on Main Menu") << "ExitButton";
    }

    void enterAndEscapePressNoButton()
    {
        QFETCH(QString, focus);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        typeInto(*form, "esp", "0");  // Calculate would now show a box
        QList<std::shared_ptr<QSignalSpy>> spies;
        for (QPushButton* b : {form->CalculateButton, form->HelpButton, form->PrintButton, form->ExitButton})
            spies << std::make_shared<QSignalSpy>(b, &QPushButton::clicked);
        auto* target = form->findChild<QWidget*>(focus);
        target->setFocus();
        const std::vector<SeenBox> boxes = boxesDuring([&] {
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(target, key);
        });
        QCOMPARE(boxes.size(), 0u);
        for (const auto& spy : spies)
            QCOMPARE(spy->count(), 0);
        QVERIFY(form->isVisible());
        QCOMPARE(resultTexts(*form), (QStringList{"", "", "", ""}));
    }

    void mainMenuAndCloseBoxCloseAlike_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Main Menu button") << false;
        QTest::newRow("close box") << true;
    }

    void mainMenuAndCloseBoxCloseAlike()
    {
        QFETCH(bool, closeBox);
        form->hide();
        int result = -1;
        QSignalSpy finished(form.get(), &QDialog::finished);
        const qm::test::ModalRun run = qm::test::duringModal([&] { result = form->exec(); },
                                                             [&](QWidget* w) {
                                                                 QCOMPARE(w, form.get());
                                                                 if (closeBox)
                                                                     w->close();
                                                                 else
                                                                     form->ExitButton->click();
                                                             });
        QCOMPARE(run.windowsSeen, 1);
        QCOMPARE(run.windowsForcedShut, 0);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!form->isVisible());
    }

    void printLookAndBack()
    {
        QCOMPARE(calculate().size(), 0u);
        QVERIFY(!form->printLook());
        form->setPrintLook(true);
        QCOMPARE(background(form.get()), qm::colour::white);
        QCOMPARE(form->panel("Panel1")->height(), 0);
        QCOMPARE(form->panel("Panel2")->height(), 0);
        QCOMPARE(form->panel("BottomPanel")->height(), 0);
        QCOMPARE(form->panel("BottomPanel")->y(), 413);
        QCOMPARE(background(form->label("Label15")), qm::colour::white);
        QCOMPARE(ink(form->label("Label15")), qm::colour::black);
        QVERIFY(form->label("Label15")->font().bold());
        QCOMPARE(form->field("esp")->geometry(), QRect(146, 68, 79, 24));  // nothing else moves

        form->setPrintLook(false);
        QCOMPARE(background(form.get()), qm::colour::buttonFace());
        QCOMPARE(form->panel("Panel1")->geometry(), QRect(0, 0, 640, 51));
        QCOMPARE(form->panel("Panel2")->geometry(), QRect(503, 56, 124, 127));
        QCOMPARE(form->panel("BottomPanel")->geometry(), QRect(0, 372, 640, 41));
        QCOMPARE(background(form->label("Label15")), qm::colour::green);
        QCOMPARE(ink(form->label("Label15")), qm::colour::white);
        QCOMPARE(resultTexts(*form).last(), QStringLiteral("$41,300.00"));
    }

    // The window formats and parses with the settings read at start-up, not
    // with fixed United States ones.
    void usesTheStartUpRegionalSettings()
    {
        qm::RegionalSettings made;
        made.currencySymbol = "EUR";
        made.positiveCurrencyFormat = 3;  // N S
        made.negativeCurrencyFormat = 8;  // -N S
        made.thousandsSeparator = "~";
        made.decimalSeparator = "?";
        qm::setAppRegionalSettings(made);
        typeInto(*form, "rec", "7?5");
        const std::vector<SeenBox> boxes = calculate();
        qm::setAppRegionalSettings(qm::RegionalSettings::unitedStates());
        QCOMPARE(boxes.size(), 0u);
        QCOMPARE(resultTexts(*form),
                 (QStringList{"180~000?00 EUR", "13~500?00 EUR", "126~100?00 EUR", "40~400?00 EUR"}));
    }

    void layoutMustMatchItsCalculation()
    {
        const qm::FieldDecl fewer[] = {{"esp", 146, 68, 79, "Label2"}};
        const qm::ScreenLayout broken = {qm::kSellingLayout.screen, "BrokenForm", "QM Broken", "Broken", 640, 413,
                                         {}, qm::ButtonTabOrder::MainMenuThenPrint, fewer,
                                         qm::kSellingLayout.labels, {}, "note"};
        QVERIFY_THROWS_EXCEPTION(std::logic_error, qm::checkLayout(broken));
        qm::checkLayout(qm::kSellingLayout);
    }
};

QTEST_MAIN(SellingWindowTest)
#include "selling_window_test.moc"
