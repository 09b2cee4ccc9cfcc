// The frame shared by the five calculator screens: window settings, the three
// bands (banner, picture panel, button bar), input fields with caption labels,
// result labels, the Calculate/Help/Print/Main Menu buttons and the messages.
//
// How a screen declares itself: it writes a ScreenLayout table, with
//   - its calculation's ScreenDef (field names, MaxLength and defaults, result
//     label names),
//   - its window caption, banner name, client size and band names,
//   - its input fields in tab order (FieldDecl: position, width, caption),
//   - its labels (LabelDecl, made with caption(), highlighted(), note() and
//     result()), and any body panels (PanelDecl),
//   - its Help note,
// and derives from TCalcForm, which builds every widget from that table.
// The derived class adds nothing but its Calculate handler, one line:
//     applyOutcome(SellingCalculation(fieldTexts(), regional()));
// Positions are client pixels at 96 dpi; checkLayout() refuses a table that
// does not match its calculation, so such a screen cannot be opened.
#pragma once

#include <QDialog>
#include <QHash>
#include <functional>
#include <span>
#include <string_view>

#include "app/core/calculation.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qm {

enum class LabelKind {
    Caption,      // names a field or a result; black on the background; may carry a hint
    Highlighted,  // a caption in bold white on green (black on white when printed)
    Note,         // fixed text
    Result,       // empty until Calculate writes it; as wide as its text
};

enum LabelStyle : unsigned {
    Plain = 0,
    Bold = 1,
    RightAligned = 2,  // `left` is its right edge, kept as a result's text changes
};

struct LabelDecl {
    const char* name;              // control name: "Label15", "net"
    LabelKind kind;
    int left, top;                 // a right-aligned label gives its right edge as `left`
    const char* text = "";         // results start empty
    const char* hint = nullptr;    // tooltip while the pointer rests on the label
    const char* caption = nullptr; // results: the caption label(s) naming it, blank-separated
    unsigned style = Plain;
    const char* panel = nullptr;   // inside this body panel (its coordinates), not on the form
};

constexpr LabelDecl caption(const char* name, int left, int top, const char* text, const char* hint = nullptr)
{
    return {name, LabelKind::Caption, left, top, text, hint};
}
// A caption that ends at `right`, next to the result it names.
constexpr LabelDecl captionEndingAt(const char* name, int right, int top, const char* text,
                                    const char* hint = nullptr)
{
    return {name, LabelKind::Caption, right, top, text, hint, nullptr, RightAligned};
}
constexpr LabelDecl highlighted(const char* name, int left, int top, const char* text, const char* hint = nullptr)
{
    return {name, LabelKind::Highlighted, left, top, text, hint};
}
constexpr LabelDecl highlightedEndingAt(const char* name, int right, int top, const char* text)
{
    return {name, LabelKind::Highlighted, right, top, text, nullptr, nullptr, RightAligned};
}
constexpr LabelDecl note(const char* name, int left, int top, const char* text, const char* hint = nullptr)
{
    return {name, LabelKind::Note, left, top, text, hint};
}
constexpr LabelDecl result(const char* name, int left, int top, const char* captionLabels, unsigned style = Plain)
{
    return {name, LabelKind::Result, left, top, "", nullptr, captionLabels, style};
}
constexpr LabelDecl inPanel(const char* panel, LabelDecl label)
{
    label.panel = panel;
    return label;
}

struct FieldDecl {
    const char* name;     // as in the calculation's field table
    int left, top, width; // every field is 24 high
    const char* caption;  // the caption label(s) naming it, blank-separated, in reading order
};

// A lowered panel in the body (the Refinance results); white when printed.
struct PanelDecl {
    const char* name;
    int left, top, width, height;
};

struct BandNames {
    const char* banner = "Panel1";
    const char* picture = "Panel2";
    const char* buttonBar = "bottompanel";
};

enum class ButtonTabOrder { MainMenuThenPrint, PrintThenMainMenu };

struct ScreenLayout {
    const ScreenDef& screen;
    const char* formName;    // "SellingForm"
    const char* caption;     // window caption: "QM Selling"
    const char* bannerName;  // "Selling"
    int clientWidth, clientHeight;
    BandNames bands;
    ButtonTabOrder buttonOrder;
    std::span<const FieldDecl> fields;  // in tab order
    std::span<const LabelDecl> labels;
    std::span<const PanelDecl> panels;
    const char* helpNote;
};

// Throws std::logic_error naming the first mismatch between the table and
// its calculation (a field or result label missing on either side, a caption
// or panel that is not declared).
void checkLayout(const ScreenLayout& layout);

// Band heights in the normal look.
inline constexpr int kBannerHeight = 51;
inline constexpr int kPictureHeight = 127;
inline constexpr int kButtonBarHeight = 41;

class TCalcForm : public QDialog {
    Q_OBJECT

public:
    ~TCalcForm() override;

    const ScreenLayout& layout() const { return layout_; }
    QLineEdit* field(std::string_view name) const;
    QLabel* label(std::string_view name) const;  // any declared label
    QWidget* panel(std::string_view name) const; // the bands and the body panels

    // The field texts in the order of the calculation's field table.
    FieldTexts fieldTexts() const;

    // Writes the results in order, then shows the final message, if any.
    void applyOutcome(const Outcome& outcome);

    // The print look: white background, bands at height 0, highlighted
    // captions black on white, body panels white. Switching back restores
    // the normal look exactly.
    void setPrintLook(bool on);
    bool printLook() const { return printLook_; }

    // Runs `print` with the screen in its print look and switches back to
    // the normal look whatever happens, a thrown exception included. Returns
    // the failure text (without its full stop), empty when printing worked.
    QString printInPrintLook(const std::function<QString()>& print);

    QPushButton* CalculateButton;
    QPushButton* HelpButton;
    QPushButton* PrintButton;
    QPushButton* ExitButton;

    virtual void CalculateButtonClick() = 0;
    void HelpButtonClick();
    void PrintButtonClick();
    void ExitButtonClick();

protected:
    TCalcForm(const ScreenLayout& layout, QWidget* parent);

    // Writes every field's default text.
    void FormCreate();
    const RegionalSettings& regional() const;

    // Enter and Esc press no button and do not close the screen.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildBanner();
    void buildButtonBar();
    void buildBody();
    void orderTabs();
    void placeBands();
    void writeResult(QLabel* label, const QString& text);
    QString captionText(const char* captionLabels) const;
    void nameAfterCaption(QWidget* control, const char* captionLabels);

    const ScreenLayout& layout_;
    QWidget* banner_ = nullptr;
    QWidget* picture_ = nullptr;
    QWidget* buttonBar_ = nullptr;
    QHash<QString, QLineEdit*> fields_;
    QHash<QString, QLabel*> labels_;
    QHash<QString, QWidget*> panels_;
    QHash<QLabel*, const LabelDecl*> results_;
    bool printLook_ = false;
};

}  // namespace qm
