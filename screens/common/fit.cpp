#include "fit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QBoxLayout>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

namespace fit {

void enableHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

Plan plan(QSize window, const QRect &available, const QMargins &frame, int scrollBar)
{
    const QSize room(qMax(1, available.width() - frame.left() - frame.right()),
                     qMax(1, available.height() - frame.top() - frame.bottom()));
    bool across = window.width() > room.width();
    bool down = window.height() > room.height();
    // A scroll bar in one direction takes room from the other.
    if (across && !down)
        down = window.height() + scrollBar > room.height();
    if (down && !across)
        across = window.width() + scrollBar > room.width();

    Plan result;
    result.scrolled = across || down;
    QSize size = window;
    if (result.scrolled) {
        size.setWidth(across ? room.width() : window.width() + scrollBar);
        size.setHeight(down ? room.height() : window.height() + scrollBar);
    }
    const QPoint topLeft(available.x() + frame.left() + (room.width() - size.width()) / 2,
                         available.y() + frame.top() + (room.height() - size.height()) / 2);
    result.geometry = QRect(topLeft, size);
    return result;
}

const QStringList &closeCaptions()
{
    static const QStringList captions{QStringLiteral("CLOSE"), QStringLiteral("Close"),
                                      QStringLiteral("Închide")};
    return captions;
}

QWidget *currentOpener()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

namespace {

QAbstractButton *closeButtonOf(QWidget *window)
{
    const auto buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (closeCaptions().contains(button->text().trimmed()))
            return button;
    }
    return nullptr;
}

// Keeps a scrolled window's CLOSE button in view. Along each direction the button stays where
// the form put it when that place is inside the viewport; otherwise it keeps its distance from
// the far edge. At one end of the scroll range it then covers exactly its own old place, so no
// content stays hidden behind it. Also scrolls each control that takes the keyboard focus into
// view.
class Keeper : public QObject
{
public:
    Keeper(QScrollArea *area, QWidget *content, QAbstractButton *close, const QRect &closeRect)
        : QObject(area), m_area(area), m_content(content), m_close(close), m_closeRect(closeRect)
    {
        area->viewport()->installEventFilter(this);
        // Only a focus move inside the window scrolls: the first focus given when the window
        // opens leaves it at the top.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
            if (old && now && old->window() == now->window() && m_content->isAncestorOf(now))
                m_area->ensureWidgetVisible(now);
        });
    }

    void place()
    {
        if (!m_close)
            return;
        const QSize viewport = m_area->viewport()->size();
        const QSize content = m_content->size();
        const auto along = [](int at, int length, int room, int full) {
            return at + length <= room ? at : qMax(0, at - (full - room));
        };
        const QPoint at(along(m_closeRect.x(), m_closeRect.width(), viewport.width(), content.width()),
                        along(m_closeRect.y(), m_closeRect.height(), viewport.height(), content.height()));
        m_close->setGeometry(QRect(m_area->pos() + at, m_closeRect.size()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_area->viewport() && event->type() == QEvent::Resize)
            place();
        return QObject::eventFilter(watched, event);
    }

private:
    QScrollArea *m_area;
    QWidget *m_content;
    QPointer<QAbstractButton> m_close;
    QRect m_closeRect;
};

// Moves everything the window shows into a scroll area's content widget of the design size.
void wrapInScrollArea(QWidget *window, QScrollArea *area, const QSize &design)
{
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("fitContents"));
    QWidgetList stacking;
    for (QObject *child : window->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isWindow() && widget != area)
            stacking.append(widget);
    }
    // The layout goes first: taking it over moves its widgets along, and the window's layout
    // would otherwise drop each widget that leaves the window.
    if (QLayout *layout = window->layout())
        content->setLayout(layout);
    for (QWidget *widget : qAsConst(stacking)) {
        if (widget->parentWidget() != content) {
            const QRect geometry = widget->geometry();
            widget->setParent(content);
            widget->setGeometry(geometry);
        }
    }
    for (QWidget *widget : qAsConst(stacking))
        widget->raise(); // the form's stacking order
    content->resize(design);
    content->setMinimumSize(design);
    if (content->layout())
        content->layout()->activate();

    area->setWidget(content);
    content->setAutoFillBackground(false); // the window's own background shows through

    // The CLOSE button leaves the scrolled content for the window itself; a stand-in of its
    // size keeps its place in a layout.
    QAbstractButton *close = closeButtonOf(window);
    QRect closeRect;
    if (close) {
        closeRect = QRect(close->mapTo(content, QPoint(0, 0)), close->size());
        if (QWidget *holder = close->parentWidget(); holder && holder->layout()) {
            auto *standIn = new QWidget;
            standIn->setFixedSize(close->size());
            delete holder->layout()->replaceWidget(close, standIn);
        }
        close->setParent(window);
        close->setGeometry(closeRect);
        close->raise();
    }
    auto *keeper = new Keeper(area, content, close, closeRect);
    keeper->place();
}

} // namespace

void toScreen(QWidget *window, const QWidget *opener)
{
    QScreen *screen = opener ? opener->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The new window gets the same frame as its opener has.
    QMargins frame;
    if (opener && opener->isWindow()) {
        const QRect outer = opener->frameGeometry();
        const QRect inner = opener->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize design = window->size();
    auto *area = new QScrollArea(window);
    const int scrollBar = qMax(area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area),
                               area->verticalScrollBar()->sizeHint().width());
    const Plan where = plan(design, screen->availableGeometry(), frame, scrollBar);
    if (!where.scrolled) {
        delete area;
    } else {
        area->setObjectName(QStringLiteral("fitScrollArea"));
        area->setFrameShape(QFrame::NoFrame);
        area->setFocusPolicy(Qt::NoFocus);
        area->viewport()->setAutoFillBackground(false);
        wrapInScrollArea(window, area, design);
        // Taken after the form's own layout has moved into the content.
        auto *fill = new QVBoxLayout(window);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(area);
        window->setMinimumSize(where.geometry.size());
        window->resize(where.geometry.size());
        area->resize(where.geometry.size());
        area->lower();
    }
    window->move(where.geometry.topLeft() - QPoint(frame.left(), frame.top()));
}

} // namespace fit
