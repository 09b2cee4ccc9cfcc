#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

#include "app/look.h"

namespace qm {

namespace {

RegionalSettings& settingsInUse()
{
    static RegionalSettings settings;
    return settings;
}

}  // namespace

void prepareApplication(QApplication& app)
{
    // The window class is (argv[0], application name): "quillmere", "Quillmere 1.0".
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("quillmere"));

    // The layout was drawn in these families. Liberation Sans and Serif share
    // the metrics of Arial and Times New Roman; MS Sans Serif has no alias, and
    // the fallback (DejaVu Sans, about 13% wider) would clip the captions.
    QFont::insertSubstitution(QString::fromLatin1(kSansSerif), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QString::fromLatin1(kArial), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QString::fromLatin1(kTimes), QStringLiteral("Liberation Serif"));

    // Fixed pixel layouts need a style whose buttons and edits fit 25 and 24
    // pixels; desktop styles may ask for more and clip the captions.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(windowFont());
    app.setWindowIcon(QIcon(logo()));

    setAppRegionalSettings(systemRegionalSettings());
}

const RegionalSettings& appRegionalSettings() { return settingsInUse(); }

void setAppRegionalSettings(const RegionalSettings& settings) { settingsInUse() = settings; }

}  // namespace qm
