#pragma once

#include <QString>

class QTextEdit;

// The program's own look on top of the forms' style sheets: check-box indicators that show in
// both states on the night sky, a clear focus ring on every button and check box, and thin
// scroll bars with a visible track and handle. The forms' per-widget rules stay as they are;
// these rules only style what the forms leave to the toolkit.
namespace look {

inline constexpr char Accent[] = "#ffc940"; // amber: focus ring, checked indicator, marked caption

// The application-wide rules; install() sets them on the application object.
QString styleSheet();
void install();

// The rule a marked image button adds to its own style sheet: while checked it keeps the
// pressed face and an amber caption (a rule of the button's own sheet, so that it wins over the
// button's normal and hover faces).
QString markedButton(const QString &objectName);

// The amber frame laid over a focused text or picture pane.
QString paneFocusMark();

// The amber ring laid just inside the part in view of a focused push button.
QString buttonFocusMark();

// The look of a hint shown over a pane (white on a dark, amber-edged panel).
QString hintStyleSheet();

// A text pane that shows one wide picture: laid out at the picture's own size in pixels and
// without a document margin, a picture as wide as the pane less its scroll bar fits without
// scrolling sideways.
void fitWidePicture(QTextEdit *pane);

} // namespace look
