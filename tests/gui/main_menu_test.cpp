// The main menu and start-up: its look, keys and focus, and how it opens,
// destroys and reopens the screens.
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <stdexcept>

#include "app/Mainsource.h"
#include "app/frame.h"
#include "app/look.h"
#include "app/startup.h"
#include "screens/selling/SellingSource.h"
#include "tests/gui/modal.h"

using qm::test::boxesDuring;
using qm::test::duringModal;
using qm::test::SeenBox;

namespace {

QColor background(const QWidget* w) { return w->palette().color(QPalette::Window); }
QColor ink(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

QRect inForm(const QWidget* w, const QWidget* form) { return QRect(w->mapTo(form, QPoint(0, 0)), w->size()); }

}  // namespace

class MainMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qm::TMainForm> menu;

private slots:
    void initTestCase()
    {
        qm::prepareApplication(*qApp);
        qm::setAppRegionalSettings(qm::RegionalSettings::unitedStates());
    }

    void init()
    {
        menu = std::make_unique<qm::TMainForm>();
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    }

    void cleanup() { menu.reset(); }

    void startUp()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quillmere 1.0"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("quillmere"));
        QVERIFY(!QApplication::windowIcon().isNull());
        // The layout's families resolve to metric-compatible fonts, never to
        // a wider fallback that would clip the captions.
        QCOMPARE(QFontInfo(qm::bodyFont()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(qm::pixelFont(qm::kArial, 27, true, true)).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(qm::pixelFont(qm::kTimes, 16, true, true)).family(), QStringLiteral("Liberation Serif"));
    }

    void windowSettings()
    {
        QCOMPARE(menu->objectName(), QStringLiteral("MainForm"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("QM Main Menu"));
        QCOMPARE(menu->size(), QSize(632, 413));
        QCOMPARE(menu->minimumSize(), menu->maximumSize());
        const Qt::WindowFlags flags = menu->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(menu->pos(), menu->screen()->availableGeometry().topLeft());
        QCOMPARE(background(menu.get()), qm::colour::buttonFace());
        auto* banner = menu->findChild<QWidget*>("qmpanel1");
        QCOMPARE(banner->geometry(), QRect(0, 0, 632, 51));
        QCOMPARE(background(banner), qm::colour::green);
        QCOMPARE(menu->findChild<QWidget*>("qmPanel2")->geometry(), QRect(503, 56, 124, 127));
        QCOMPARE(menu->findChild<QLabel*>("qmimage1")->pixmap().size(), QSize(111, 114));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");  // in the form
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QColor>("fill");  // invalid: transparent
        const QColor none, white = qm::colour::white, blue = qm::colour::blue, green = qm::colour::green,
                           black = qm::colour::black;
        QTest::newRow("product") << "qmLabel11" << "Quillmere" << QPoint(1, 1) << 27 << true << true << white << blue;
        QTest::newRow("trademark") << "Label14" << "TM" << QPoint(151, 2) << 11 << false << false << white << blue;
        QTest::newRow("slogan") << "qmLabel12" << "Software for the life of your mortgage" << QPoint(176, 6) << 13
                                << true << false << white << green;
        QTest::newRow("version") << "Label13" << "version 1.0" << QPoint(92, 32) << 13 << true << false << white
                                 << blue;
        QTest::newRow("Qualify") << "Label4" << "Qualify" << QPoint(8, 56) << 16 << true << true << blue << none;
        QTest::newRow("Prepayment Summary") << "Label5" << "Prepayment  Summary" << QPoint(8, 96) << 16 << true
                                            << true << blue << none;
        QTest::newRow("Prepayment Target") << "Label11" << "Prepayment Target" << QPoint(8, 160) << 16 << true
                                           << true << blue << none;
        QTest::newRow("Refinance") << "Label2" << "Refinance" << QPoint(8, 264) << 16 << true << true << blue
                                   << none;
        QTest::newRow("Selling") << "Label6" << "Selling" << QPoint(8, 304) << 16 << true << true << blue << none;
        QTest::newRow("Qualify text") << "Label7" << "The big question:  How much house you can afford?"
                                      << QPoint(96, 58) << 13 << false << false << black << none;
        QTest::newRow("Selling text") << "Label9" << "Calculate your profit when you sell" << QPoint(96, 306) << 13
                                      << false << false << black << none;
    }

    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QColor, ink);
        QFETCH(QColor, fill);
        auto* label = menu->findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(inForm(label, menu.get()).topLeft(), at);
        QCOMPARE(label->font().pixelSize(), pixels);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->font().italic(), italic);
        QCOMPARE(::ink(label), ink);
        QCOMPARE(label->autoFillBackground(), fill.isValid());
        if (fill.isValid())
            QCOMPARE(background(label), fill);
    }

    // Each description wraps inside its box at 96 dpi.
    void descriptionsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::newRow("Qualify") << "Label7" << QRect(96, 58, 353, 31);
        QTest::newRow("Prepayment Summary") << "Label10" << QRect(96, 116, 354, 32);
        QTest::newRow("Prepayment Target") << "Label12" << QRect(96, 180, 361, 64);
        QTest::newRow("Refinance") << "Label3" << QRect(96, 266, 345, 23);
        QTest::newRow("Selling") << "Label9" << QRect(96, 306, 297, 23);
    }

    void descriptionsFitTheirBoxes()
    {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        auto* label = menu->findChild<QLabel*>(name);
        QCOMPARE(label->geometry(), box);
        QVERIFY(label->wordWrap());
        QVERIFY2(label->heightForWidth(box.width()) <= box.height(), qPrintable(label->text()));
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");  // in the form
        QTest::addColumn<bool>("onBar");
        QTest::newRow("Qualify") << "Qualifybutton" << "Qualify" << QRect(8, 380, 65, 25) << true;
        QTest::newRow("Prepay Summ") << "Presummbutton" << "Prepay Summ" << QRect(80, 380, 97, 25) << false;
        QTest::newRow("Prepay Target") << "PreTargbutton" << "Prepay Target" << QRect(184, 380, 105, 25) << true;
        QTest::newRow("Refinance") << "Refbutton" << "Refinance" << QRect(296, 380, 73, 25) << true;
        QTest::newRow("Selling") << "Sellingbutton" << "Selling" << QRect(376, 380, 65, 25) << true;
        QTest::newRow("Exit") << "ExitQMbutton" << "Exit" << QRect(544, 380, 73, 25) << true;
    }

    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        QFETCH(bool, onBar);
        auto* button = menu->findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), text);
        QCOMPARE(inForm(button, menu.get()), geometry);
        QCOMPARE(button->parentWidget()->objectName(), onBar ? QStringLiteral("BottomPanel") : menu->objectName());
        QVERIFY(!button->isDefault() && !button->autoDefault());
        QCOMPARE(button->font().pixelSize(), 13);
        QCOMPARE(::ink(button), qm::colour::black);
        QVERIFY(button->fontMetrics().horizontalAdvance(text) + 8 <= geometry.width());
    }

    void focusAndTabOrder()
    {
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
        QCOMPARE(QApplication::focusWidget(), menu->Qualifybutton);
        const QStringList expected = {"ExitQMbutton",  "Refbutton",     "Sellingbutton",
                                      "PreTargbutton", "Presummbutton", "Qualifybutton"};
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    // No default or cancel button: Enter and Esc open and close nothing.
    void enterAndEscapePressNoButton()
    {
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
        menu->Sellingbutton->setFocus();
        QSignalSpy clicked(menu->Sellingbutton, &QPushButton::clicked);
        QSignalSpy exited(menu->ExitQMbutton, &QPushButton::clicked);
        const std::vector<SeenBox> opened = boxesDuring([&] {
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(menu->Sellingbutton, key);
        });
        QCOMPARE(opened.size(), 0u);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(exited.count(), 0);
        QVERIFY(menu->isVisible());
    }

    // Every opening is a fresh screen: what was typed and computed is gone.
    void reopenStartsFromDefaults()
    {
        QPointer<qm::TCalcForm> first;
        int screensSeen = 0;
        const auto openSelling = [&](const std::function<void(qm::TSellingForm*)>& use) {
            const qm::test::ModalRun run = duringModal([&] { menu->Sellingbutton->click(); },
                                                       [&](QWidget* w) {
                                                           ++screensSeen;
                                                           QCOMPARE(w, menu->SellingForm);
                                                           use(menu->SellingForm);
                                                       });
            QCOMPARE(run.windowsForcedShut, 0);
        };
        openSelling([&](qm::TSellingForm* form) {
            first = form;
            QVERIFY(form->isModal());
            QCOMPARE(form->parentWidget(), menu.get());
            form->field("esp")->setText("250000");
            QCOMPARE(boxesDuring([&] { form->CalculateButton->click(); }).size(), 0u);
            QCOMPARE(form->label("net")->text(), QStringLiteral("$106,400.00"));
            form->ExitButton->click();
        });
        QVERIFY(first.isNull());  // destroyed when it closed
        QVERIFY(!menu->SellingForm);

        openSelling([&](qm::TSellingForm* form) {
            QCOMPARE(form->field("esp")->text(), QStringLiteral("180000"));
            for (const char* result : {"oesp", "comm", "poc", "net"})
                QVERIFY(form->label(result)->text().isEmpty());
            form->close();  // the close box
        });
        QCOMPARE(screensSeen, 2);
        QVERIFY(!menu->SellingForm);
        QVERIFY(menu->isVisible());
        QVERIFY(menu->findChildren<qm::TCalcForm*>().isEmpty());
    }

    // A screen that cannot be made is reported; the menu goes on.
    void failingScreenIsReported()
    {
        qm::TSellingForm* reference = nullptr;
        const std::vector<SeenBox> boxes = boxesDuring([&] {
            menu->openScreen(reference, []() -> std::unique_ptr<qm::TSellingForm> {
                throw std::runtime_error("Out of system resources");
            });
        });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Quillmere 1.0"));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes[0].text, QStringLiteral("Out of system resources."));
        QVERIFY(!reference);
        QVERIFY(menu->isVisible() && menu->isEnabled());
    }

    // A screen whose table does not match its calculation is one that
    // cannot be made.
    void mismatchedScreenIsReported()
    {
        static const qm::FieldDecl fewer[] = {{"esp", 146, 68, 79, "Label2"}};
        static const qm::ScreenLayout broken = {
            qm::kSellingLayout.screen, "BrokenForm", "QM Broken", "Broken", 640, 413, {},
            qm::ButtonTabOrder::MainMenuThenPrint, fewer, qm::kSellingLayout.labels, {}, "note"};
        struct BrokenForm : qm::TCalcForm {
            explicit BrokenForm(QWidget* parent) : TCalcForm(broken, parent) {}
            void CalculateButtonClick() override {}
        };
        BrokenForm* reference = nullptr;
        const std::vector<SeenBox> boxes = boxesDuring(
            [&] { menu->openScreen(reference, [&] { return std::make_unique<BrokenForm>(menu.get()); }); });
        QCOMPARE(boxes.size(), 1u);
        QCOMPARE(boxes[0].title, QStringLiteral("Quillmere 1.0"));
        QVERIFY2(boxes[0].text.startsWith("The BrokenForm layout does not match its calculation: field rec"),
                 qPrintable(boxes[0].text));
        QVERIFY(!reference);
    }

    // Each built screen opens from its button with its caption, and its
    // reference is set only while it is open.
    void screensOpenFromTheirButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Qualify") << "Qualifybutton" << "QM Qualify";
        QTest::newRow("Prepay Summ") << "Presummbutton" << "QM Prepay Summary";
        QTest::newRow("Prepay Target") << "PreTargbutton" << "QM Prepay Target";
        QTest::newRow("Refinance") << "Refbutton" << "QM Refinance";
        QTest::newRow("Selling") << "Sellingbutton" << "QM Selling";
    }

    void screensOpenFromTheirButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QStringList seen;
        const qm::test::ModalRun run =
            duringModal([&] { menu->findChild<QPushButton*>(button)->click(); },
                        [&](QWidget* w) {
                            seen << w->windowTitle();
                            auto* form = qobject_cast<qm::TCalcForm*>(w);
                            QVERIFY(form);
                            QCOMPARE(menu->findChildren<qm::TCalcForm*>().size(), 1);
                            form->ExitButton->click();
                        });
        QCOMPARE(run.windowsForcedShut, 0);
        QCOMPARE(seen, QStringList{caption});
        QVERIFY(menu->findChildren<qm::TCalcForm*>().isEmpty());
    }

    // Closing the menu, by Exit or by its close box, ends the event loop.
    void closingTheMenuEndsTheProgram_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box") << true;
    }

    void closingTheMenuEndsTheProgram()
    {
        QFETCH(bool, closeBox);
        QTimer::singleShot(0, menu.get(), [&] {
            if (closeBox)
                menu->close();
            else
                menu->ExitQMbutton->click();
        });
        QTimer fallback;  // fails instead of hanging if the loop never ends
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        fallback.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!menu->isVisible());
    }
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
