#include "fit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

namespace fit {

Plan plan(QSize window, const QRect &available, const QMargins &frame, int scrollBar, int strip)
{
    const QSize room(qMax(1, available.width() - frame.left() - frame.right()),
                     qMax(1, available.height() - frame.top() - frame.bottom()));
    Plan result;
    result.scrolled = window.width() > room.width() || window.height() > room.height();
    QSize size = window;
    if (result.scrolled) {
        // Scrolled content sits above the strip; a scroll bar in one direction takes room from
        // the other.
        bool across = window.width() > room.width();
        bool down = window.height() + strip > room.height();
        if (across && !down)
            down = window.height() + strip + scrollBar > room.height();
        if (down && !across)
            across = window.width() + scrollBar > room.width();
        size.setWidth(across ? room.width() : window.width() + scrollBar);
        size.setHeight(down ? room.height() : window.height() + strip + (across ? scrollBar : 0));
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

QAbstractButton *closeButtonOf(QWidget *content)
{
    const auto buttons = content->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (closeCaptions().contains(button->text().trimmed()))
            return button;
    }
    return nullptr;
}

// The strip below a scrolled window's content holds its CLOSE button, at the form's distance
// from the left edge when that lies in view, otherwise at its distance from the right edge.
// Also scrolls each control that takes the keyboard focus into view.
class Keeper : public QObject
{
public:
    explicit Keeper(QScrollArea *area) : QObject(area), m_viewport(area->viewport())
    {
        m_viewport->installEventFilter(this);
        // Only a focus move inside the window scrolls: the first focus given when the window
        // opens leaves it at the top. A control pressed with the mouse is where the user sees
        // it, and scrolling it away under the pointer would make the release miss it, so the
        // press would do nothing: focus that comes with a mouse button down never scrolls.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
            QScrollArea *scroll = this->area();
            if (scroll && old && now && old->window() == now->window() && scroll->widget() &&
                scroll->widget()->isAncestorOf(now) && QGuiApplication::mouseButtons() == Qt::NoButton)
                scroll->ensureWidgetVisible(now);
        });
    }

    void keep(QAbstractButton *close, const QRect &closeRect)
    {
        m_close = close;
        m_closeRect = closeRect;
        place();
    }

    void place()
    {
        QScrollArea *scroll = area();
        if (!m_close || !scroll || !scroll->widget())
            return;
        const int room = scroll->viewport()->width();
        const int full = scroll->widget()->width();
        const int x = m_closeRect.right() < room ? m_closeRect.x()
                                                 : qMax(0, m_closeRect.x() - (full - room));
        m_close->move(x, StripMargin);
    }

    static constexpr int StripMargin = 4;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && watched == m_viewport)
            place();
        return QObject::eventFilter(watched, event);
    }

private:
    // The area this keeper belongs to, or null once the area's own destructor has run: its
    // children (the viewport among them) still send events while the base QWidget destroys them.
    QScrollArea *area() const { return qobject_cast<QScrollArea *>(parent()); }

    QPointer<QWidget> m_viewport;
    QPointer<QAbstractButton> m_close;
    QRect m_closeRect;
};

// Moves everything the window shows into a scroll area's content widget of the design size. A
// main window's central widget becomes that content as it is.
void wrapInScrollArea(QWidget *window, QScrollArea *area, const QSize &design)
{
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window)) {
        QWidget *central = mainWindow->takeCentralWidget();
        central->setMinimumSize(design); // not laid out yet: it would fill the whole window
        central->resize(design);
        area->setWidget(central);
        central->setAutoFillBackground(false);
        return;
    }
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
}

// Moves the CLOSE button out of the scrolled content into a strip of its own; a stand-in of
// its size keeps its place in a layout. Returns the strip, or nullptr without a CLOSE button.
QWidget *closeStrip(QWidget *host, QScrollArea *area, Keeper *keeper)
{
    QAbstractButton *close = closeButtonOf(area->widget());
    if (!close)
        return nullptr;
    const QRect closeRect(close->mapTo(area->widget(), QPoint(0, 0)), close->size());
    if (QWidget *holder = close->parentWidget(); holder && holder->layout()) {
        auto *standIn = new QWidget;
        standIn->setFixedSize(close->size());
        delete holder->layout()->replaceWidget(close, standIn);
    }
    auto *strip = new QWidget(host);
    strip->setObjectName(QStringLiteral("fitCloseStrip"));
    strip->setFixedHeight(closeRect.height() + 2 * Keeper::StripMargin);
    close->setParent(strip);
    close->resize(closeRect.size());
    close->show();
    keeper->keep(close, closeRect);
    return strip;
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
    // The scroll area and the CLOSE strip fill the window, or a main window's central widget.
    auto *mainWindow = qobject_cast<QMainWindow *>(window);
    auto *area = new QScrollArea;
    const int scrollBar = qMax(area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area),
                               area->verticalScrollBar()->sizeHint().width());
    Plan where = plan(design, screen->availableGeometry(), frame, scrollBar, 0);
    if (!where.scrolled || (mainWindow && !mainWindow->centralWidget())) {
        delete area;
    } else {
        QWidget *host = mainWindow ? new QWidget : window;
        area->setParent(host);
        area->setObjectName(QStringLiteral("fitScrollArea"));
        area->setFrameShape(QFrame::NoFrame);
        area->setFocusPolicy(Qt::NoFocus);
        area->viewport()->setAutoFillBackground(false);
        wrapInScrollArea(window, area, design);
        QWidget *strip = closeStrip(host, area, new Keeper(area));
        // Taken after the form's own layout has moved into the content.
        auto *fill = new QVBoxLayout(host);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->setSpacing(0);
        fill->addWidget(area, 1);
        if (strip)
            fill->addWidget(strip);
        if (mainWindow)
            mainWindow->setCentralWidget(host);
        where = plan(design, screen->availableGeometry(), frame, scrollBar, strip ? strip->height() : 0);
        // The strip may make a short window taller than its design.
        window->setMaximumSize(window->maximumSize().expandedTo(where.geometry.size()));
        window->setMinimumSize(where.geometry.size());
        window->resize(where.geometry.size());
    }
    window->move(where.geometry.topLeft() - QPoint(frame.left(), frame.top()));
}

} // namespace fit
