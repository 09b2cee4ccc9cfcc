// Start-up of the desktop program, and the one place that keeps what it reads.
#pragma once

#include "app/core/regional.h"

class QApplication;

namespace qm {

// The application title: the task bar's name for the program and the caption
// of the application error box.
inline constexpr const char* kApplicationTitle = "Quillmere 1.0";

// Names the application (title, desktop file, window class), maps the
// layout's fonts to installed metric-compatible ones, sets the style and the
// window icon, and reads the regional settings. Call once the QApplication
// exists: its constructor sets the process locale that the settings come from.
void prepareApplication(QApplication& app);

// The regional settings every screen converts and formats with: read once at
// start-up, replaceable by tests.
const RegionalSettings& appRegionalSettings();
void setAppRegionalSettings(const RegionalSettings& settings);

}  // namespace qm
