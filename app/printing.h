// Printing a screen: an image of its client area on the default printer,
// at the size the body has on a 96-dpi screen, on one page.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace qm {

// The density the layout is drawn at: the image prints at its size on such a screen.
inline constexpr int kFormPixelsPerInch = 96;

// Renders `form` as it now looks into an image of its client size (filled
// with its background first) and draws it at the top-left of the printable
// area of `printer`, scaled by the printer's dots per inch over 96, as a
// one-page job. Returns an empty text on success, else what went wrong (the
// error box text without its full stop).
QString printFormImage(QWidget& form, QPrinter& printer);

// Prints `form` on the system's default printer without a dialog, as a job
// named `jobName`. Returns an empty text on success, else the error box text
// without its full stop.
QString printOnDefaultPrinter(QWidget& form, const QString& jobName);

inline constexpr const char* kNoDefaultPrinter = "There is no default printer currently selected";
inline constexpr const char* kInvalidPrinter = "Printer selected is not valid";

}  // namespace qm
