#include "app/look.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

// Outside any namespace, as Qt requires; a static library's resources are
// otherwise left out by the linker.
static void initResources() { Q_INIT_RESOURCE(quillmere); }

namespace qm {

QColor colour::buttonFace() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

QFont pixelFont(const char* family, int pixels, bool bold, bool italic)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void paint(QWidget* widget, const QColor& ink, const QColor& background)
{
    QPalette pal = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(role, ink);
    if (background.isValid())
        pal.setColor(QPalette::Window, background);
    widget->setPalette(pal);
    widget->setAutoFillBackground(background.isValid());
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, const QColor& ink,
                  QPoint at, const QColor& background)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setText(text);
    paint(label, ink, background);
    label->move(at);
    label->adjustSize();
    return label;
}

QPixmap logo()
{
    static const bool loaded = (initResources(), true);
    (void)loaded;
    return QPixmap(QStringLiteral(":/quillmere/logo.png"));
}

void drawBevel(QPainter& painter, const QRect& rect, bool raised)
{
    const QPalette& pal = QApplication::palette();
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor topLeft = raised ? light : dark;
    const QColor bottomRight = raised ? dark : light;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

PicturePanel::PicturePanel(QWidget* parent, const char* name, const char* imageName) : QFrame(parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(503, 56, 124, 127);
    auto* image = new QLabel(this);
    image->setObjectName(QString::fromLatin1(imageName));
    image->setPixmap(logo());
    image->setGeometry(6, 6, 111, 114);
    image->setAccessibleName(QStringLiteral("Quillmere logo"));
}

void PicturePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawBevel(painter, rect(), true);
    // Outer bevel 1 pixel, border 3 pixels, then the inner bevel.
    drawBevel(painter, rect().adjusted(4, 4, -4, -4), false);
}

}  // namespace qm
