// The look shared by the main menu and the calculator screens: colours, the
// fonts at their pixel heights, opaque and plain labels, the picture panel.
//
// Everything is laid out in pixels at 96 dpi and fonts are given by pixel
// height, so the layout keeps its proportions; on a denser screen Qt scales
// the whole window by its device pixel ratio.
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace qm {

namespace colour {
inline const QColor green{0x00, 0x80, 0x00};
inline const QColor blue{0x00, 0x00, 0xFF};
inline const QColor white{Qt::white};
inline const QColor black{Qt::black};
// The system's button face, the background of every window.
QColor buttonFace();
}  // namespace colour

// The families the layout was drawn with; start-up maps them to metric-compatible
// fonts (prepareApplication).
inline constexpr const char* kSansSerif = "MS Sans Serif";
inline constexpr const char* kArial = "Arial";
inline constexpr const char* kTimes = "Times New Roman";

// 8 pt is 11 px, 10 pt 13 px, 12 pt 16 px and 20 pt 27 px at 96 dpi.
QFont pixelFont(const char* family, int pixels, bool bold = false, bool italic = false);
inline QFont windowFont() { return pixelFont(kSansSerif, 11); }
inline QFont bodyFont(bool bold = false) { return pixelFont(kSansSerif, 13, bold); }

// A plain-text label at `at` sized to its text. With a background colour it is
// opaque; without one it shows whatever is behind it.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, const QColor& ink,
                  QPoint at, const QColor& background = QColor());

// Colours a widget's text and (if given) fills its background.
void paint(QWidget* widget, const QColor& ink, const QColor& background = QColor());

// The 111 x 114 logo, also the window icon.
QPixmap logo();

// The 124 x 127 panel holding the logo: a raised outer bevel, a 3-pixel
// border and a lowered inner bevel.
class PicturePanel : public QFrame {
public:
    PicturePanel(QWidget* parent, const char* name, const char* imageName);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A panel edge as the old toolkit drew it: one pixel, light on the top and
// left, dark on the bottom and right when raised, the other way when lowered.
void drawBevel(QPainter& painter, const QRect& rect, bool raised);

}  // namespace qm
