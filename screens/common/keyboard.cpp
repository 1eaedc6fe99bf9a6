#include "keyboard.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTextEdit>

namespace keyboard {

namespace {

// A graphics view hands Tab to its scene first; a scene holding an animation's label keeps it,
// and the focus would stay in the view for good. Tab and Backtab go to the view's parent
// instead, which moves the focus along the screen's chain from the view.
class TabThrough : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            auto *view = static_cast<QWidget *>(watched);
            if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && view->parentWidget())
                return QCoreApplication::sendEvent(view->parentWidget(), event);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

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
    auto *tabThrough = new TabThrough(screen);
    const auto views = screen->findChildren<QGraphicsView *>();
    for (QGraphicsView *view : views)
        view->installEventFilter(tabThrough);
    const auto plainEdits = screen->findChildren<QPlainTextEdit *>();
    for (QPlainTextEdit *edit : plainEdits) {
        if (!edit->isReadOnly())
            edit->setTabChangesFocus(true);
    }
}

} // namespace keyboard
