#include "marking.h"

#include "look.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QVariant>

namespace marking {
namespace {

const char *const PreviousProperty = "showerscope.markedBeforePress";

} // namespace

QButtonGroup *keepLastPressedMarked(QWidget *screen, const QList<QAbstractButton *> &buttons)
{
    auto *group = new QButtonGroup(screen);
    group->setExclusive(true);
    for (QAbstractButton *button : buttons) {
        if (!button)
            continue;
        button->setCheckable(true);
        button->setStyleSheet(button->styleSheet() + look::markedButton(button->objectName()));
        group->addButton(button);
        // A press (mouse, key or click()) comes before the toggle: remember what was marked.
        QObject::connect(button, &QAbstractButton::pressed, group, [group, button] {
            QObject *before = group->checkedButton(); // a button of the same screen, or none
            button->setProperty(PreviousProperty, QVariant::fromValue(before));
        });
    }
    return group;
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
        before->setChecked(true); // the exclusive group clears the pressed one
        return;
    }
    QButtonGroup *group = pressed->group();
    const bool exclusive = group && group->exclusive();
    if (group)
        group->setExclusive(false);
    pressed->setChecked(false);
    if (group)
        group->setExclusive(exclusive);
}

} // namespace marking
