#pragma once

#include <QList>

class QWidget;

// Keyboard use of a screen:
// - Tab reaches every button, check box, text pane and picture pane in reading order (left to
//   right, top to bottom, a group box's controls together); the first of them has the focus
//   when the screen opens. Scroll areas leave the chain (a focused control scrolls into view
//   whole, as far as it fits).
// - The arrow keys move between the buttons and check boxes of one group in screen order.
// - Return or Enter presses the focused button; nothing else presses a button, so Return in a
//   text or picture pane never closes a screen (no button is a dialog's default button).
// - A focused text or picture pane shows the amber focus mark, a focused push button an amber
//   ring just inside the part of it in view, a focused slider or list box an amber frame just
//   outside it; a focused link in a text pane is drawn amber.
// - An editable text pane or a graphics view passes Tab on instead of keeping it (a browser
//   pane keeps Tab for stepping through its links).
namespace keyboard {

// Call once the screen's widgets are where they stay (after fitting it to the screen).
void prepare(QWidget *screen);

// The screen's focus stops in the order Tab visits them.
QList<QWidget *> tabOrder(QWidget *screen);

} // namespace keyboard
