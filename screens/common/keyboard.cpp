#include "keyboard.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTextEdit>

namespace keyboard {

void prepare(QWidget *screen)
{
    const auto buttons = screen->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (!(button->focusPolicy() & Qt::TabFocus))
            button->setFocusPolicy(Qt::StrongFocus);
    }
    const auto edits = screen->findChildren<QTextEdit *>();
    for (QTextEdit *edit : edits) {
        if (!qobject_cast<QTextBrowser *>(edit) && !edit->isReadOnly())
            edit->setTabChangesFocus(true);
    }
    const auto plainEdits = screen->findChildren<QPlainTextEdit *>();
    for (QPlainTextEdit *edit : plainEdits) {
        if (!edit->isReadOnly())
            edit->setTabChangesFocus(true);
    }
}

} // namespace keyboard
