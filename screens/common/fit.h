#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QStringList>

class QWidget;

// Placing windows on the screen that shows their opener. A window that fits keeps its design
// size and is centred; a window larger than the screen's free area is shown at the largest size
// that fits, its content at design size inside a scroll area, and its CLOSE button in a strip
// below the content, always in view.
namespace fit {


struct Plan
{
    QRect geometry;        // the client area, in the screen's coordinates
    bool scrolled = false; // true when the content needs a scroll area
};

// Where a window of client size `window` goes on a screen whose free area is `available`, the
// window frame adding `frame` around the client area, a scroll bar being `scrollBar` thick. A
// window that does not fit scrolls, and then also shows a strip `strip` high below its content.
Plan plan(QSize window, const QRect &available, const QMargins &frame, int scrollBar, int strip);

// Captions of the buttons that close a screen; such a button stays in view when content scrolls.
const QStringList &closeCaptions();

// Centres `window` on the screen of `opener` (or, without one, the screen under the mouse) and
// fits it into that screen's available area as `plan` says. Call once, before showing it.
void toScreen(QWidget *window, const QWidget *opener = nullptr);

// The window that opens a new screen now: the running modal screen or the active window.
QWidget *currentOpener();

} // namespace fit
