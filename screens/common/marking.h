#pragma once

#include <QList>

class QAbstractButton;
class QWidget;

// Buttons whose last press stays visible: the topic button whose picture is shown, the zenith
// angle whose graphs are shown. They form one set of checkable buttons of the screen, at most one marked;
// the one pressed last stays checked (drawn with the pressed face and an amber caption) until
// another of the set is pressed. The buttons' clicked() signals and slots are unchanged.
namespace marking {

void keepLastPressedMarked(QWidget *screen, const QList<QAbstractButton *> &buttons);

// Takes back the mark of a press that showed nothing: the button marked before that press is
// marked again, or none when none was.
void undoPress(QAbstractButton *pressed);

} // namespace marking
