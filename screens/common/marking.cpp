#include "marking.h"

#include "look.h"

#include <QAbstractButton>
#include <QPointer>
#include <QVariant>

namespace marking {
namespace {

const char *const PreviousProperty = "showerscope.markedBeforePress";
const char *const SetProperty = "showerscope.markedSet";

// The buttons of one screen that share a mark. It is deliberately not a QButtonGroup: the
// toolkit lets Tab reach only one button of a group (the arrow keys move within it), and
// every zenith and topic button must be reachable by Tab.
class MarkedSet : public QObject
{
public:
    using QObject::QObject;

    QAbstractButton *marked() const
    {
        for (const QPointer<QAbstractButton> &button : buttons) {
            if (button && button->isChecked())
                return button;
        }
        return nullptr;
    }

    QList<QPointer<QAbstractButton>> buttons;
    bool unmarking = false; // set while a press that showed nothing is taken back
};

MarkedSet *setOf(const QAbstractButton *button)
{
    return dynamic_cast<MarkedSet *>(button->property(SetProperty).value<QObject *>());
}

} // namespace

void keepLastPressedMarked(QWidget *screen, const QList<QAbstractButton *> &buttons)
{
    auto *set = new MarkedSet(screen);
    for (QAbstractButton *button : buttons) {
        if (!button)
            continue;
        button->setCheckable(true);
        button->setStyleSheet(button->styleSheet() + look::markedButton(button->objectName()));
        button->setProperty(SetProperty, QVariant::fromValue<QObject *>(set));
        set->buttons.append(button);
        // A press (mouse, key or click()) comes before the toggle: remember what was marked.
        QObject::connect(button, &QAbstractButton::pressed, set, [set, button] {
            button->setProperty(PreviousProperty, QVariant::fromValue<QObject *>(set->marked()));
        });
        // Marking one clears the others; a press on the marked one leaves it marked.
        QObject::connect(button, &QAbstractButton::toggled, set, [set, button](bool on) {
            if (set->unmarking)
                return;
            if (on) {
                for (const QPointer<QAbstractButton> &other : set->buttons) {
                    if (other && other != button && other->isChecked())
                        other->setChecked(false);
                }
            } else if (!set->marked()) {
                button->setChecked(true);
            }
        });
    }
}

void undoPress(QAbstractButton *pressed)
{
    if (!pressed || !pressed->isChecked())
        return;
    const QVariant stored = pressed->property(PreviousProperty);
    if (!stored.isValid())
        return;
    pressed->setProperty(PreviousProperty, QVariant());
    auto *before = qobject_cast<QAbstractButton *>(stored.value<QObject *>());
    if (before == pressed)
        return; // pressed again while marked: it stays marked
    if (before) {
        before->setChecked(true); // marking it clears the pressed one
        return;
    }
    MarkedSet *set = setOf(pressed);
    if (set)
        set->unmarking = true;
    pressed->setChecked(false);
    if (set)
        set->unmarking = false;
}

} // namespace marking
