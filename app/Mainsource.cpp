#include "app/Mainsource.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "app/look.h"
#include "screens/presumm/PreSummSource.h"
#include "screens/pretarg/PreTargSource.h"
#include "screens/qualify/QualifySource.h"
#include "screens/refinance/RefSource.h"
#include "screens/selling/SellingSource.h"

namespace qm {

namespace {

// The menu's banner has a raised one-pixel edge; the screens' banners have none.
class RaisedPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawBevel(painter, rect(), true);
    }
};

struct Description {
    const char* titleName;
    const char* title;
    int titleLeft, titleTop;
    const char* textName;
    const char* text;
    int left, top, width, height;
};

// In the order they stand on the menu.
const Description kDescriptions[] = {
    {"Label4", "Qualify", 8, 56, "Label7", "The big question:  How much house you can afford?", 96, 58, 353, 31},
    {"Label5", "Prepayment  Summary", 8, 96, "Label10",
     "See how much time and money can be saved based on a specific prepayment amount.  Check your rate of return, "
     "too.  ",
     96, 116, 354, 32},
    {"Label11", "Prepayment Target", 8, 160, "Label12",
     "Choose a specific month and year to have the mortgage paid by.  This screen calculates the prepayment amount "
     "required to meet the target date (a favorite of people planning future college expenses or retirement needs).",
     96, 180, 361, 64},
    {"Label2", "Refinance", 8, 264, "Label3", "See the effects of a different interest rate or loan amount", 96, 266,
     345, 23},
    {"Label6", "Selling", 8, 304, "Label9", "Calculate your profit when you sell", 96, 306, 297, 23},
};

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("QM Main Menu"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(632, 413);
    setFont(windowFont());
    paint(this, colour::black, colour::buttonFace());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());

    auto* banner = new RaisedPanel(this);
    banner->setObjectName(QStringLiteral("qmpanel1"));
    banner->setGeometry(0, 0, width(), 51);
    paint(banner, colour::white, colour::green);
    QLabel* product = makeLabel(banner, "qmLabel11", QStringLiteral("Quillmere"), pixelFont(kArial, 27, true, true),
                                colour::white, {1, 1}, colour::blue);
    product->setFixedSize(169, 49);
    makeLabel(banner, "Label14", QStringLiteral("TM"), windowFont(), colour::white, {151, 2}, colour::blue);
    makeLabel(banner, "qmLabel12", QStringLiteral("Software for the life of your mortgage"),
              pixelFont(kArial, 13, true), colour::white, {176, 6}, colour::green);
    makeLabel(banner, "Label13", QStringLiteral("version 1.0"), bodyFont(true), colour::white, {92, 32},
              colour::blue);

    new PicturePanel(this, "qmPanel2", "qmimage1");

    for (const Description& d : kDescriptions) {
        makeLabel(this, d.titleName, QString::fromUtf8(d.title), pixelFont(kTimes, 16, true, true), colour::blue,
                  {d.titleLeft, d.titleTop});
        QLabel* text = makeLabel(this, d.textName, QString::fromUtf8(d.text), bodyFont(), colour::black,
                                 {d.left, d.top});
        text->setWordWrap(true);
        text->setFixedSize(d.width, d.height);
    }

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("BottomPanel"));
    bar->setGeometry(0, height() - 41, width(), 41);
    auto button = [this](QWidget* parent, const char* name, const char* text, int left, int top, int width,
                         void (TMainForm::*handler)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(bodyFont());
        paint(b, colour::black);
        b->setAutoDefault(false);
        b->setGeometry(left, top, width, 25);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    Qualifybutton = button(bar, "Qualifybutton", "Qualify", 8, 8, 65, &TMainForm::QualifybuttonClick);
    // A child of the form standing over the bar, at the bar's button height.
    Presummbutton = button(this, "Presummbutton", "Prepay Summ", 80, height() - 41 + 8, 97,
                           &TMainForm::PresummbuttonClick);
    PreTargbutton = button(bar, "PreTargbutton", "Prepay Target", 184, 8, 105, &TMainForm::PreTargbuttonClick);
    Refbutton = button(bar, "Refbutton", "Refinance", 296, 8, 73, &TMainForm::RefbuttonClick);
    Sellingbutton = button(bar, "Sellingbutton", "Selling", 376, 8, 65, &TMainForm::SellingbuttonClick);
    ExitQMbutton = button(bar, "ExitQMbutton", "Exit", 544, 8, 73, &TMainForm::ExitQMbuttonClick);

    const QList<QWidget*> tabs = {Qualifybutton, ExitQMbutton, Refbutton, Sellingbutton, PreTargbutton, Presummbutton};
    for (qsizetype i = 1; i < tabs.size(); ++i)
        QWidget::setTabOrder(tabs[i - 1], tabs[i]);
    Qualifybutton->setFocus();
}

TMainForm::~TMainForm() = default;

void TMainForm::QualifybuttonClick() { openScreen(QualifyForm); }
void TMainForm::PresummbuttonClick() { openScreen(PreSummForm); }
void TMainForm::PreTargbuttonClick() { openScreen(PreTargForm); }
void TMainForm::RefbuttonClick() { openScreen(RefForm); }
void TMainForm::SellingbuttonClick() { openScreen(SellingForm); }

void TMainForm::ExitQMbuttonClick() { close(); }

}  // namespace qm
