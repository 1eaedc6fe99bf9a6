#pragma once

class QWidget;

// Keyboard use of a screen: Tab reaches every button and check box, and an editable text pane
// or a graphics view passes Tab on instead of keeping it (a browser pane keeps Tab for stepping
// through its links).
namespace keyboard {

void prepare(QWidget *screen);

} // namespace keyboard
