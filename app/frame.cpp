#include "app/frame.h"

#include <QDebug>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <set>
#include <stdexcept>
#include <string>

#include "app/look.h"
#include "app/messages.h"
#include "app/printing.h"
#include "app/startup.h"

namespace qm {

namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

// A body panel with a lowered one-pixel edge.
class LoweredPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawBevel(painter, rect(), false);
    }
};

std::vector<std::string> names(const char* blankSeparated)
{
    std::vector<std::string> out;
    std::string current;
    for (const char* p = blankSeparated; p && *p; ++p) {
        if (*p == ' ') {
            if (!current.empty())
                out.push_back(std::move(current));
            current.clear();
        } else {
            current += *p;
        }
    }
    if (!current.empty())
        out.push_back(std::move(current));
    return out;
}

[[noreturn]] void mismatch(const ScreenLayout& layout, const std::string& what)
{
    throw std::logic_error(std::string("The ") + layout.formName + " layout does not match its calculation: " + what);
}

}  // namespace

void checkLayout(const ScreenLayout& layout)
{
    std::set<std::string> fieldNames, labelNames, resultNames, panelNames;
    for (const PanelDecl& p : layout.panels)
        panelNames.insert(p.name);
    for (const LabelDecl& l : layout.labels) {
        if (!labelNames.insert(l.name).second)
            mismatch(layout, std::string("label ") + l.name + " is declared twice");
        if (l.kind == LabelKind::Result)
            resultNames.insert(l.name);
        if (l.panel && !panelNames.count(l.panel))
            mismatch(layout, std::string("label ") + l.name + " is in an undeclared panel");
    }
    for (const FieldDecl& f : layout.fields) {
        if (fieldIndex(layout.screen.fields, f.name) < 0)
            mismatch(layout, std::string("the calculation has no field ") + f.name);
        if (!fieldNames.insert(f.name).second)
            mismatch(layout, std::string("field ") + f.name + " is declared twice");
    }
    for (const FieldSpec& fieldSpec : layout.screen.fields)
        if (!fieldNames.count(fieldSpec.name))
            mismatch(layout, std::string("field ") + fieldSpec.name + " has no place on the screen");
    for (const char* name : layout.screen.resultLabels)
        if (!resultNames.count(name))
            mismatch(layout, std::string("result label ") + name + " has no place on the screen");
    auto checkCaptions = [&](const char* owner, const char* captions) {
        for (const std::string& c : names(captions))
            if (!labelNames.count(c) || resultNames.count(c))
                mismatch(layout, std::string(owner) + "'s caption " + c + " is not a declared caption label");
    };
    for (const FieldDecl& f : layout.fields)
        checkCaptions(f.name, f.caption);
    for (const LabelDecl& l : layout.labels)
        checkCaptions(l.name, l.caption);
}

TCalcForm::TCalcForm(const ScreenLayout& layout, QWidget* parent) : QDialog(parent), layout_(layout)
{
    checkLayout(layout_);
    setObjectName(qs(layout_.formName));
    setWindowTitle(qs(layout_.caption));
    // A fixed dialog frame: caption bar and close box, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(layout_.clientWidth, layout_.clientHeight);
    setFont(windowFont());
    paint(this, colour::black, colour::buttonFace());
    // The system's default place for a dialog frame: the top-left corner.
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().topLeft());

    buildBanner();
    picture_ = new PicturePanel(this, layout_.bands.picture, "Image1");
    buildBody();
    buildButtonBar();
    placeBands();
    orderTabs();
    FormCreate();
}

TCalcForm::~TCalcForm() = default;

void TCalcForm::buildBanner()
{
    banner_ = new QWidget(this);
    banner_->setObjectName(qs(layout_.bands.banner));
    paint(banner_, colour::white, colour::green);
    QLabel* product = makeLabel(banner_, "ProductLabel", QStringLiteral("Quillmere"),
                                pixelFont(kArial, 27, true, true), colour::white, {0, 0}, colour::blue);
    product->setFixedSize(169, kBannerHeight);
    makeLabel(banner_, "TrademarkLabel", QStringLiteral("TM"), windowFont(), colour::white, {151, 2}, colour::blue);
    makeLabel(banner_, "ScreenNameLabel", qs(layout_.bannerName), bodyFont(true), colour::white, {6, 32},
              colour::blue);
}

void TCalcForm::buildButtonBar()
{
    buttonBar_ = new QWidget(this);
    buttonBar_->setObjectName(qs(layout_.bands.buttonBar));
    auto button = [this](const char* name, const char* text, int left, int width, void (TCalcForm::*handler)()) {
        auto* b = new QPushButton(qs(text), buttonBar_);
        b->setObjectName(qs(name));
        b->setFont(bodyFont());
        paint(b, colour::black);
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setGeometry(left, 8, width, 25);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    CalculateButton = button("CalculateButton", "Calculate", 8, 75, &TCalcForm::CalculateButtonClick);
    HelpButton = button("HelpButton", "Help", 96, 75, &TCalcForm::HelpButtonClick);
    PrintButton = button("PrintButton", "Print", 296, 75, &TCalcForm::PrintButtonClick);
    ExitButton = button("ExitButton", "Main Menu", 544, 77, &TCalcForm::ExitButtonClick);
}

void TCalcForm::buildBody()
{
    for (const PanelDecl& p : layout_.panels) {
        auto* panel = new LoweredPanel(this);
        panel->setObjectName(qs(p.name));
        panel->setGeometry(p.left, p.top, p.width, p.height);
        paint(panel, colour::black, colour::buttonFace());
        panels_.insert(panel->objectName(), panel);
    }
    for (const LabelDecl& decl : layout_.labels) {
        QWidget* parent = decl.panel ? panels_.value(qs(decl.panel)) : this;
        const bool highlightedCaption = decl.kind == LabelKind::Highlighted;
        const bool bold = highlightedCaption || (decl.style & Bold);
        QLabel* l = makeLabel(parent, decl.name, qs(decl.text), bodyFont(bold),
                              highlightedCaption ? colour::white : colour::black, {decl.left, decl.top},
                              highlightedCaption ? colour::green : QColor());
        if (decl.style & RightAligned)
            l->move(decl.left - l->width(), decl.top);
        if (decl.hint)
            l->setToolTip(qs(decl.hint));
        labels_.insert(l->objectName(), l);
        if (decl.kind == LabelKind::Result) {
            results_.insert(l, &decl);
            writeResult(l, QString());
        }
    }
    // The edits are made in tab order; their captions name them for screen readers.
    for (const FieldDecl& decl : layout_.fields) {
        const FieldSpec& fieldSpec = layout_.screen.fields[static_cast<std::size_t>(fieldIndex(layout_.screen.fields, decl.name))];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(qs(decl.name));
        edit->setFont(bodyFont());
        paint(edit, colour::black);
        edit->setGeometry(decl.left, decl.top, decl.width, 24);
        if (fieldSpec.maxLength > 0)
            edit->setMaxLength(fieldSpec.maxLength);
        nameAfterCaption(edit, decl.caption);
        fields_.insert(edit->objectName(), edit);
    }
    for (auto it = results_.cbegin(); it != results_.cend(); ++it) {
        QLabel* result = it.key();
        if (!it.value()->caption)
            continue;
        nameAfterCaption(result, it.value()->caption);
    }
}

void TCalcForm::nameAfterCaption(QWidget* control, const char* captionLabels)
{
    const std::vector<std::string> captions = names(captionLabels);
    if (captions.empty())
        return;
    control->setAccessibleName(captionText(captionLabels));
    label(captions.front())->setBuddy(control);
}

QString TCalcForm::captionText(const char* captionLabels) const
{
    QStringList parts;
    for (const std::string& name : names(captionLabels))
        if (QLabel* l = label(name))
            parts << l->text();
    return parts.join(QLatin1Char(' ')).simplified();
}

void TCalcForm::orderTabs()
{
    QList<QWidget*> chain;
    for (const FieldDecl& decl : layout_.fields)
        chain << fields_.value(qs(decl.name));
    chain << CalculateButton << HelpButton;
    if (layout_.buttonOrder == ButtonTabOrder::PrintThenMainMenu)
        chain << PrintButton << ExitButton;
    else
        chain << ExitButton << PrintButton;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    chain.front()->setFocus();
}

void TCalcForm::placeBands()
{
    const int w = layout_.clientWidth, h = layout_.clientHeight;
    const int banner = printLook_ ? 0 : kBannerHeight;
    const int picture = printLook_ ? 0 : kPictureHeight;
    const int bar = printLook_ ? 0 : kButtonBarHeight;
    banner_->setGeometry(0, 0, w, banner);
    picture_->setGeometry(503, 56, 124, picture);
    buttonBar_->setGeometry(0, h - bar, w, bar);
}

void TCalcForm::setPrintLook(bool on)
{
    printLook_ = on;
    paint(this, colour::black, on ? colour::white : colour::buttonFace());
    placeBands();
    for (const LabelDecl& decl : layout_.labels)
        if (decl.kind == LabelKind::Highlighted)
            paint(label(decl.name), on ? colour::black : colour::white, on ? colour::white : colour::green);
    for (QWidget* p : std::as_const(panels_))
        paint(p, colour::black, on ? colour::white : colour::buttonFace());
}

QLineEdit* TCalcForm::field(std::string_view name) const
{
    return fields_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QLabel* TCalcForm::label(std::string_view name) const
{
    return labels_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QWidget* TCalcForm::panel(std::string_view name) const
{
    const QString key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (QWidget* band : {banner_, picture_, buttonBar_})
        if (band->objectName() == key)
            return band;
    return panels_.value(key);
}

FieldTexts TCalcForm::fieldTexts() const
{
    FieldTexts texts;
    for (const FieldSpec& fieldSpec : layout_.screen.fields)
        texts.push_back(field(fieldSpec.name)->text().toStdString());
    return texts;
}

void TCalcForm::FormCreate()
{
    for (const FieldSpec& fieldSpec : layout_.screen.fields)
        field(fieldSpec.name)->setText(qs(fieldSpec.defaultText));
}

const RegionalSettings& TCalcForm::regional() const { return appRegionalSettings(); }

void TCalcForm::writeResult(QLabel* result, const QString& text)
{
    const LabelDecl& decl = *results_.value(result);
    result->setText(text);
    result->adjustSize();
    if (decl.style & RightAligned)
        result->move(decl.left - result->width(), decl.top);
    // A screen reader reads the caption as the name and the result as the description.
    result->setAccessibleDescription(text);
}

void TCalcForm::applyOutcome(const Outcome& outcome)
{
    for (const Write& w : outcome.writes) {
        QLabel* target = label(w.label);
        if (!target || !results_.contains(target)) {
            qWarning("%s: the calculation wrote %s, which is no result label", layout_.formName, w.label.c_str());
            continue;
        }
        writeResult(target, QString::fromStdString(w.text));
    }
    if (!outcome.message)
        return;
    const QString text = QString::fromStdString(outcome.message->text);
    if (outcome.message->kind == FinalEvent::Kind::Warning)
        showWarning(this, text);
    else
        showApplicationError(this, text);
}

void TCalcForm::HelpButtonClick() { showInformation(this, qs(layout_.helpNote)); }

QString TCalcForm::printInPrintLook(const std::function<QString()>& print)
{
    setPrintLook(true);
    repaint();  // the screen shows what goes on the page while it is produced
    QString failure;
    try {
        failure = print();
    } catch (const std::exception& e) {
        failure = QStringLiteral("Printing failed: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        failure = QStringLiteral("Printing failed");
    }
    setPrintLook(false);
    return failure;
}

void TCalcForm::PrintButtonClick()
{
    const QString failure = printInPrintLook([this] { return printOnDefaultPrinter(*this, windowTitle()); });
    if (!failure.isEmpty())
        showApplicationError(this, failure);
}

void TCalcForm::ExitButtonClick() { close(); }

void TCalcForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

}  // namespace qm
