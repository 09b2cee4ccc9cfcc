// Checks of a printed screen page, shared by the PDF tests and the run
// against a real print server.
//
// The page holds one raster image (no text to extract). pdfinfo counts the
// pages, pdfimages gives the image's pixels and density (96 per inch is the
// size on a 96-dpi screen), and pdftoppm renders the page: whole at 96 dpi
// for what lies around the image, and the image's area at 4 x 96 dpi, where
// every image pixel is a plain 4 x 4 block, to read the printed pixels back.
// Those are compared region by region with what the screen itself shows in
// the print look (the window's backing store, not the printing code's image).
// Tools run with deadlines, so a stuck one fails the test.
#pragma once

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/frame.h"
#include "app/look.h"
#include "app/printing.h"

namespace qm::test {

// stdout of `program`, or a null array when it failed or overran `timeoutMs`.
inline QByteArray runTool(const QString& program, const QStringList& args, int timeoutMs = 20000)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        qWarning("%s did not finish", qPrintable(program));
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
        return {};
    }
    QByteArray out = p.readAllStandardOutput();
    return out.isNull() ? QByteArray("") : out;
}

struct PdfFacts {
    int pages = -1;
    QSizeF pageSizePoints;
};

inline PdfFacts pdfFacts(const QString& pdf)
{
    PdfFacts facts;
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    const auto pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                           .match(info);
    if (pages.hasMatch())
        facts.pages = pages.captured(1).toInt();
    const auto size = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption)
                          .match(info);
    if (size.hasMatch())
        facts.pageSizePoints = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return facts;
}

// An image placed on a page, as `pdfimages -list` reports it: its pixels and
// how densely it is printed.
struct PlacedImage {
    int page = 0;
    QSize pixels;
    double xPpi = 0, yPpi = 0;
};

inline std::vector<PlacedImage> pdfImages(const QString& pdf)
{
    std::vector<PlacedImage> images;
    const QStringList lines = QString::fromUtf8(runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        if (f.size() < 14 || f[2] != QLatin1String("image"))
            continue;
        images.push_back({f[0].toInt(), QSize(f[3].toInt(), f[4].toInt()), f[12].toDouble(), f[13].toDouble()});
    }
    return images;
}

// Page 1 of `pdf` at `dpi`, or a null image.
inline QImage renderPage(const QString& pdf, int dpi = kFormPixelsPerInch)
{
    const QString base = pdf + QStringLiteral(".page");
    if (runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                             QStringLiteral("-singlefile"), pdf, base})
            .isNull())
        return {};
    return QImage(base + QStringLiteral(".ppm")).convertToFormat(QImage::Format_RGB32);
}

// What the window shows now, from its backing store: the screen's own
// rendering, one pixel per layout pixel.
inline QImage shownOnScreen(TCalcForm& form)
{
    form.repaint();
    QImage shot = form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    shot.setDevicePixelRatio(1);
    return shot;
}

inline QImage shownInPrintLook(TCalcForm& form)
{
    form.setPrintLook(true);
    QImage shot = shownOnScreen(form);
    form.setPrintLook(false);
    form.repaint();
    return shot;
}

// A pixel of an RGB32 image, without QImage::pixel's checks.
inline QRgb at(const QImage& image, int x, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]; }
inline QRgb at(const QImage& image, QPoint p) { return at(image, p.x(), p.y()); }

// The largest difference of one colour channel, 0 to 255.
inline int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The printed image read back pixel by pixel, and where it lies on the page.
struct ReadBack {
    QImage image;   // the image's own pixels, as printed
    QPointF origin; // its top-left corner on the page, in 96-dpi pixels
};

// Renders the part of the page around `guess` (96-dpi pixels) at four times
// 96 dpi, where every image pixel covers 4 x 4 page pixels and the renderer
// does not smooth, finds the grid that best matches `reference` over its ink
// and samples each block at its centre. A null image when rendering failed.
inline ReadBack readBack(const QString& pdf, QPoint guess, const QImage& reference)
{
    constexpr int k = 4, margin = 8;
    const QRect area((guess - QPoint(margin, margin)) * k, (reference.size() + QSize(2 * margin, 2 * margin)) * k);
    const QString base = pdf + QStringLiteral(".area");
    if (runTool(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QString::number(kFormPixelsPerInch * k), QStringLiteral("-f"),
                 QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-x"),
                 QString::number(area.x()), QStringLiteral("-y"), QString::number(area.y()), QStringLiteral("-W"),
                 QString::number(area.width()), QStringLiteral("-H"), QString::number(area.height()),
                 QStringLiteral("-singlefile"), pdf, base})
            .isNull())
        return {};
    const QImage page = QImage(base + QStringLiteral(".ppm")).convertToFormat(QImage::Format_RGB32);
    if (page.isNull())
        return {};

    std::vector<QPoint> ink;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            if (channelDistance(at(reference, x, y), qRgb(255, 255, 255)) > 96)
                ink.push_back({x, y});
    auto score = [&](QPoint o) {
        long sum = 0;
        for (const QPoint& p : ink) {
            const QPoint q = o + p * k + QPoint(k / 2, k / 2);
            sum += page.rect().contains(q) ? channelDistance(at(page, q), at(reference, p)) : 255;
        }
        return sum;
    };
    auto best = [&](QPoint from, int radius, int step) {
        QPoint found = from;
        long lowest = score(from);
        for (int dy = -radius; dy <= radius; dy += step)
            for (int dx = -radius; dx <= radius; dx += step)
                if (const long s = score(from + QPoint(dx, dy)); s < lowest) {
                    lowest = s;
                    found = from + QPoint(dx, dy);
                }
        return found;
    };
    const QPoint grid = best(best(QPoint(margin, margin) * k, margin * k, k), k, 1);

    ReadBack back;
    back.image = QImage(reference.size(), QImage::Format_RGB32);
    back.image.fill(Qt::white);
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x) {
            const QPoint q = grid + QPoint(x, y) * k + QPoint(k / 2, k / 2);
            if (page.rect().contains(q))
                back.image.setPixel(x, y, at(page, q));
        }
    back.origin = QPointF(area.topLeft() + grid) / k;
    return back;
}

// Mean channel distance between two images within `r`.
inline double meanDistance(const QImage& a, const QImage& b, const QRect& r)
{
    const QRect inside = r.intersected(a.rect()).intersected(b.rect());
    if (inside.isEmpty())
        return 0;
    double sum = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            sum += channelDistance(at(a, x, y), at(b, x, y));
    return sum / (double(inside.width()) * inside.height());
}

struct Region {
    QString name;
    QRect rect;  // client coordinates
};

// The body's controls one by one, the three bands where they stand in the
// normal look, and a grid of tiles over the whole client area.
inline std::vector<Region> pageRegions(const TCalcForm& form)
{
    const ScreenLayout& layout = form.layout();
    std::vector<Region> regions;
    auto inClient = [&](const QWidget* w) { return QRect(w->mapTo(&form, QPoint(0, 0)), w->size()); };
    for (const FieldDecl& f : layout.fields)
        regions.push_back({QString::fromLatin1(f.name), inClient(form.field(f.name))});
    for (const LabelDecl& l : layout.labels)
        if (!form.label(l.name)->text().isEmpty())
            regions.push_back({QString::fromLatin1(l.name), inClient(form.label(l.name))});
    for (const PanelDecl& p : layout.panels)
        regions.push_back({QString::fromLatin1(p.name), QRect(p.left, p.top, p.width, p.height)});
    const int w = layout.clientWidth, h = layout.clientHeight;
    regions.push_back({QStringLiteral("banner"), QRect(0, 0, w, kBannerHeight)});
    regions.push_back({QStringLiteral("picture"), QRect(503, 56, 124, kPictureHeight)});
    regions.push_back({QStringLiteral("button bar"), QRect(0, h - kButtonBarHeight, w, kButtonBarHeight)});
    const int tile = 40;
    for (int y = 0; y < h; y += tile)
        for (int x = 0; x < w; x += tile)
            regions.push_back({QStringLiteral("tile %1,%2").arg(x).arg(y), QRect(x, y, tile, tile)});
    return regions;
}

// Regions where the printed image and the screen's differ by more than
// `tolerance` on average (channel distance, 0 to 255), with the distance.
inline QStringList differingRegions(const QImage& printed, const QImage& shown, const std::vector<Region>& regions,
                                    double tolerance)
{
    QStringList differing;
    for (const Region& r : regions) {
        const double d = meanDistance(printed, shown, r.rect);
        if (d > tolerance)
            differing << QStringLiteral("%1 (%2)").arg(r.name).arg(d, 0, 'f', 1);
    }
    return differing;
}

// Pixels of `page` within `area` that are not white (channel distance above
// `slack`).
inline int nonWhitePixels(const QImage& page, const QRect& area, int slack = 16)
{
    int count = 0;
    const QRect inside = area.intersected(page.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (channelDistance(at(page, x, y), qRgb(255, 255, 255)) > slack)
                ++count;
    return count;
}

// Pixels of the window's green (banner, highlighted captions) on `page`.
inline int greenPixels(const QImage& page)
{
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = at(page, x, y);
            if (qGreen(p) > qRed(p) + 64 && qGreen(p) > qBlue(p) + 64)
                ++count;
        }
    return count;
}

// Everything that makes up the look of a screen, one line per control, so a
// comparison names what changed.
inline QStringList lookOf(const TCalcForm& form)
{
    auto colours = [](const QWidget* w) {
        const QPalette& pal = w->palette();
        return QStringLiteral("ink %1 on %2%3")
            .arg(pal.color(QPalette::WindowText).name(),
                 w->autoFillBackground() ? pal.color(QPalette::Window).name() : QStringLiteral("(clear)"),
                 w->font().bold() ? QStringLiteral(" bold") : QString());
    };
    auto geometry = [](const QWidget* w) {
        const QRect g = w->geometry();
        return QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    };
    const ScreenLayout& layout = form.layout();
    QStringList look;
    look << QStringLiteral("form %1 print look %2").arg(colours(&form)).arg(form.printLook());
    for (const char* band : {layout.bands.banner, layout.bands.picture, layout.bands.buttonBar})
        look << QStringLiteral("%1 %2 %3").arg(QLatin1String(band), geometry(form.panel(band)),
                                              colours(form.panel(band)));
    for (const PanelDecl& p : layout.panels)
        look << QStringLiteral("%1 %2 %3").arg(QLatin1String(p.name), geometry(form.panel(p.name)),
                                              colours(form.panel(p.name)));
    for (const LabelDecl& l : layout.labels)
        look << QStringLiteral("%1 %2 %3").arg(QLatin1String(l.name), geometry(form.label(l.name)),
                                              colours(form.label(l.name)));
    for (const FieldDecl& f : layout.fields)
        look << QStringLiteral("%1 %2 %3 '%4'")
                    .arg(QLatin1String(f.name), geometry(form.field(f.name)), colours(form.field(f.name)),
                         form.field(f.name)->text());
    for (QWidget* b : {form.CalculateButton, form.HelpButton, form.PrintButton, form.ExitButton})
        look << QStringLiteral("%1 %2 enabled %3 visible %4")
                    .arg(b->objectName(), geometry(b))
                    .arg(b->isEnabled())
                    .arg(b->isVisibleTo(&form));
    return look;
}

// Everything wrong with a printed page of `form`, given what the screen
// shows in the print look and in the normal look and where the printable
// area begins (96-dpi pixels).
struct PageCheck {
    QStringList faults;
    QImage page;     // at 96 dpi
    QImage printed;  // the image read back
};

// Mean channel distance allowed per region between the printed image and the
// screen: both are the same pixels, so only the PDF round trip may differ.
inline constexpr double kRegionTolerance = 1.0;

inline PageCheck checkPage(const QString& pdf, const TCalcForm& form, const QImage& printLook,
                           const QImage& normalLook, QPoint printableOrigin)
{
    PageCheck check;
    QStringList& faults = check.faults;
    const PdfFacts facts = pdfFacts(pdf);
    if (facts.pages != 1)
        faults << QStringLiteral("%1 pages").arg(facts.pages);
    const std::vector<PlacedImage> images = pdfImages(pdf);
    if (images.size() != 1) {
        faults << QStringLiteral("%1 images").arg(images.size());
    } else {
        const PlacedImage& i = images[0];
        if (i.pixels != form.size())
            faults << QStringLiteral("an image of %1 x %2 pixels").arg(i.pixels.width()).arg(i.pixels.height());
        if (qAbs(i.xPpi - kFormPixelsPerInch) > 0.5 || qAbs(i.yPpi - kFormPixelsPerInch) > 0.5)
            faults << QStringLiteral("printed at %1 x %2 pixels per inch").arg(i.xPpi).arg(i.yPpi);
    }

    check.page = renderPage(pdf);
    const ReadBack back = readBack(pdf, printableOrigin, printLook);
    check.printed = back.image;
    if (check.page.isNull() || back.image.isNull()) {
        faults << QStringLiteral("the page could not be rendered");
        return check;
    }
    const QPointF off = back.origin - QPointF(printableOrigin);
    if (qAbs(off.x()) > 0.5 || qAbs(off.y()) > 0.5)
        faults << QStringLiteral("the image lies at %1,%2, not at the printable area's corner %3,%4")
                      .arg(back.origin.x())
                      .arg(back.origin.y())
                      .arg(printableOrigin.x())
                      .arg(printableOrigin.y());

    const std::vector<Region> regions = pageRegions(form);
    const QStringList differing = differingRegions(back.image, printLook, regions, kRegionTolerance);
    if (!differing.isEmpty())
        faults << QStringLiteral("differs from the screen in ") + differing.join(QStringLiteral(", "));
    // The same comparison tells the normal look apart.
    const QStringList againstNormal = differingRegions(back.image, normalLook, regions, kRegionTolerance);
    for (const char* band : {"banner", "picture", "button bar"})
        if (againstNormal.filter(QLatin1String(band)).isEmpty())
            faults << QStringLiteral("the %1 does not tell the looks apart").arg(QLatin1String(band));

    const int w = form.width(), h = form.height();
    const QRect bands[] = {QRect(0, 0, w, kBannerHeight), QRect(503, 56, 124, kPictureHeight),
                           QRect(0, h - kButtonBarHeight, w, kButtonBarHeight)};
    for (const QRect& band : bands)
        if (const int n = nonWhitePixels(back.image, band, 4))
            faults << QStringLiteral("%1 pixels printed where a band stands").arg(n);
    if (const int n = greenPixels(check.page))
        faults << QStringLiteral("%1 green pixels").arg(n);
    const QRect image = QRectF(back.origin, QSizeF(form.size())).toAlignedRect().adjusted(-1, -1, 1, 1);
    if (const int n = nonWhitePixels(check.page, check.page.rect()) - nonWhitePixels(check.page, image))
        faults << QStringLiteral("%1 pixels printed outside the image").arg(n);
    // Body panels (the Refinance results) white like the form.
    for (const PanelDecl& p : form.layout().panels) {
        const QRect r(p.left, p.top, p.width, p.height);
        if (nonWhitePixels(back.image, r, 4) > r.width() * r.height() / 4)  // the button face is near white
            faults << QStringLiteral("%1 is not white").arg(QLatin1String(p.name));
    }
    // The highlighted captions: black ink on white.
    for (const LabelDecl& l : form.layout().labels) {
        if (l.kind != LabelKind::Highlighted)
            continue;
        const QLabel* label = form.label(l.name);
        const QRect r(label->mapTo(&form, QPoint()), label->size());
        int black = 0, white = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const int d = channelDistance(at(back.image, x, y), qRgb(0, 0, 0));
                black += d < 64;
                white += d > 240;
            }
        if (black < 20 || white < r.width() * r.height() / 2)
            faults << QStringLiteral("%1 is not black on white").arg(QLatin1String(l.name));
    }
    return check;
}

}  // namespace qm::test
