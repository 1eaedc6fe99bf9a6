#pragma once

class QWidget;

// Keyboard use of a screen: Tab reaches every button and check box, and an editable text pane
// passes Tab on instead of typing it (a browser pane keeps Tab for stepping through its links).
namespace keyboard {

void prepare(QWidget *screen);

} // namespace keyboard
