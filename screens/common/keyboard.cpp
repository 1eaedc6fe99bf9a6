#include "keyboard.h"

#include "look.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGraphicsView>
#include <QHash>
#include <QKeyEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>

namespace keyboard {

namespace {

bool isTabStop(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && !widget->focusProxy();
}

bool isPane(const QWidget *widget)
{
    return qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QGraphicsView *>(widget);
}

bool holdsTabStop(const QWidget *widget)
{
    if (isTabStop(widget))
        return true;
    const auto children = widget->findChildren<QWidget *>();
    return std::any_of(children.begin(), children.end(), [](const QWidget *w) { return isTabStop(w); });
}

// A piece of a screen in reading order: one widget, or a set of marked buttons (the zenith
// grid, a column of topics) that is read as one block.
struct Block {
    QRect rect;
    QList<QWidget *> widgets;
};

// Splits blocks at the gaps between them along one axis (rows when `vertical`, columns
// otherwise), in order along that axis. Edges that overlap by a few pixels still count as a gap:
// the forms place some neighbours a little over each other.
QList<QList<Block>> split(QList<Block> blocks, bool vertical, int *widestGap)
{
    const auto start = [vertical](const Block &b) { return vertical ? b.rect.y() : b.rect.x(); };
    const auto extent = [vertical](const Block &b) { return vertical ? b.rect.height() : b.rect.width(); };
    std::stable_sort(blocks.begin(), blocks.end(),
                     [&](const Block &a, const Block &b) { return start(a) < start(b); });
    QList<QList<Block>> groups;
    int reach = 0;
    *widestGap = -1;
    for (const Block &block : blocks) {
        const int slack = std::min(8, extent(block) / 4);
        const int from = start(block) + slack;
        const int to = start(block) + extent(block) - slack;
        if (!groups.isEmpty() && from >= reach)
            *widestGap = std::max(*widestGap, from - reach);
        if (groups.isEmpty() || from >= reach)
            groups.append(QList<Block>());
        groups.last().append(block);
        reach = groups.last().size() == 1 ? to : std::max(reach, to);
    }
    return groups;
}

// Reading order: cut into rows at horizontal gaps, or into columns at vertical gaps where those
// are clearly wider (a column of buttons beside a tall pane), then each part the same way; rows
// go top to bottom and columns left to right.
QList<QWidget *> readingOrder(const QList<Block> &blocks)
{
    if (blocks.size() == 1)
        return blocks.first().widgets;
    int rowGap = -1;
    int columnGap = -1;
    const QList<QList<Block>> rows = split(blocks, true, &rowGap);
    const QList<QList<Block>> columns = split(blocks, false, &columnGap);
    QList<QWidget *> ordered;
    if (rows.size() > 1 || columns.size() > 1) {
        const bool byColumns = rows.size() < 2 || (columns.size() > 1 && columnGap > 2 * rowGap);
        for (const QList<Block> &part : byColumns ? columns : rows)
            ordered += readingOrder(part);
        return ordered;
    }
    QList<Block> sorted = blocks; // no gap either way: by top edge, then left edge
    std::stable_sort(sorted.begin(), sorted.end(), [](const Block &a, const Block &b) {
        return a.rect.y() != b.rect.y() ? a.rect.y() < b.rect.y() : a.rect.x() < b.rect.x();
    });
    for (const Block &block : sorted)
        ordered += block.widgets;
    return ordered;
}

void collectStops(QWidget *container, QList<QWidget *> &stops)
{
    QList<Block> blocks;
    QHash<QObject *, int> markedSets; // a marked set's block, by the set
    for (QObject *object : container->children()) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || widget->isWindow() || widget->isHidden() || !holdsTabStop(widget))
            continue;
        auto *set = widget->property("showerscope.markedSet").value<QObject *>();
        if (set && markedSets.contains(set)) {
            Block &block = blocks[markedSets.value(set)];
            block.rect |= widget->geometry();
            block.widgets.append(widget);
            continue;
        }
        if (set)
            markedSets.insert(set, blocks.size());
        blocks.append({widget->geometry(), {widget}});
    }
    // A set's buttons, which may overlap a little, in rows by their centres, left to right.
    for (Block &block : blocks) {
        std::stable_sort(block.widgets.begin(), block.widgets.end(), [](const QWidget *a, const QWidget *b) {
            const int dy = a->geometry().center().y() - b->geometry().center().y();
            if (std::abs(dy) * 2 > std::min(a->height(), b->height()))
                return dy < 0;
            return a->x() < b->x();
        });
    }
    if (blocks.isEmpty())
        return;
    for (QWidget *child : readingOrder(blocks)) {
        if (isTabStop(child))
            stops.append(child);
        else
            collectStops(child, stops);
    }
}

// A graphics view hands Tab to its scene first; a scene holding a focusable item keeps it, and
// the focus would stay in the view for good. Tab and Backtab go to the view's parent instead,
// which moves the focus along the screen's chain from the view.
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

// The nearest button of the same group (the same parent widget) in the direction of an arrow
// key, or nullptr.
QAbstractButton *neighbour(QAbstractButton *from, int key)
{
    const QRect here(from->pos(), from->size());
    QAbstractButton *best = nullptr;
    long bestScore = 0;
    const auto siblings = from->parentWidget()->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
    for (QAbstractButton *other : siblings) {
        if (other == from || other->isHidden() || !isTabStop(other))
            continue;
        const QRect there(other->pos(), other->size());
        const QPoint d = there.center() - here.center();
        long along = 0;
        long across = 0;
        switch (key) {
        case Qt::Key_Down: along = d.y(); across = d.x(); break;
        case Qt::Key_Up: along = -d.y(); across = d.x(); break;
        case Qt::Key_Right: along = d.x(); across = d.y(); break;
        case Qt::Key_Left: along = -d.x(); across = d.y(); break;
        default: return nullptr;
        }
        if (along <= 0)
            continue;
        const long score = along + 4 * std::abs(across); // prefer the one straight ahead
        if (!best || score < bestScore) {
            best = other;
            bestScore = score;
        }
    }
    return best;
}

// Return and Enter press the focused button (no button is a default button, see prepare());
// the arrow keys move within the button's group.
class ButtonKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *button = static_cast<QAbstractButton *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (qobject_cast<QPushButton *>(button)) {
                button->animateClick();
                return true;
            }
            return false;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (QAbstractButton *next = neighbour(button, key->key()))
                next->setFocus(Qt::TabFocusReason);
            return true; // at a group's edge the focus stays
        default:
            return false;
        }
    }
};

// The part of `widget` its ancestors leave in view, in its parent's coordinates.
QRect shownPart(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    QRect clip = parent->rect();
    QPoint origin; // the parent's origin in the coordinates of the ancestor reached
    for (const QWidget *a = parent; a && !a->isWindow() && a->parentWidget(); a = a->parentWidget()) {
        origin += a->pos();
        clip &= a->parentWidget()->rect().translated(-origin);
    }
    return widget->geometry() & clip;
}

// Brings a focused widget inside scroll areas (a screen's own, and the one fitting the screen
// into a small display) into view whole, or as much of it as fits from its top left: the scroll area itself scrolls only as far as the widget's text cursor, which
// for a picture pane is its top edge.
void showWhole(QWidget *widget)
{
    for (QWidget *p = widget->parentWidget(); p; p = p->parentWidget()) {
        auto *area = qobject_cast<QScrollArea *>(p);
        if (!area || !area->widget() || !area->widget()->isAncestorOf(widget))
            continue;
        const QRect place(widget->mapTo(area->widget(), QPoint()), widget->size());
        area->ensureVisible(place.right(), place.bottom(), 8, 8);
        area->ensureVisible(place.left(), place.top(), 8, 8);
    }
}

// The amber mark on the focused text or picture pane, push button, slider or list box of one
// screen. It is a frame laid over the widget (in the widget's parent), so a widget's own style
// sheet cannot hide it. A button's ring is drawn just inside the part of the button that is in
// view: the forms let some buttons reach past the edge of their group box or under a neighbour,
// where a ring around the whole button was cut off. A slider's or list box's frame lies just
// outside it, so that it covers neither the handle nor the text.
class FocusMark : public QObject
{
public:
    explicit FocusMark(QWidget *screen) : QObject(screen), m_screen(screen)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
    }

private:
    void follow(QWidget *now)
    {
        const bool button = now && qobject_cast<QPushButton *>(now);
        const bool setting = now && (qobject_cast<QAbstractSlider *>(now) || qobject_cast<QComboBox *>(now));
        if (!now || now->window() != m_screen || !now->parentWidget() || (!button && !setting && !isPane(now))) {
            if (m_mark)
                m_mark->hide();
            return;
        }
        if (!m_mark || m_mark->parentWidget() != now->parentWidget()) {
            delete m_mark;
            m_mark = new QFrame(now->parentWidget());
            m_mark->setObjectName(QStringLiteral("focusMark"));
            m_mark->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_mark->setFocusPolicy(Qt::NoFocus);
        }
        const QString look = button ? look::buttonFocusMark() : look::paneFocusMark();
        if (m_mark->styleSheet() != look)
            m_mark->setStyleSheet(look);
        m_mark->setGeometry(button    ? shownPart(now).adjusted(1, 1, -1, -1)
                            : setting ? now->geometry().adjusted(-3, -3, 3, 3)
                                      : now->geometry());
        m_mark->raise();
        m_mark->show();
        // After the scroll area's own scrolling; a click keeps the view where it is.
        if (QApplication::mouseButtons() == Qt::NoButton) {
            QPointer<QWidget> focused(now);
            QMetaObject::invokeMethod(this, [focused] { if (focused) showWhole(focused); }, Qt::QueuedConnection);
        }
    }

    QWidget *m_screen;
    QPointer<QFrame> m_mark;
};

// The link a text pane's keyboard focus is on is drawn amber with dark text (the toolkit marks it
// only with a dotted outline in the text colour, invisible on the night sky).
class LinkMark : public QObject
{
public:
    explicit LinkMark(QTextBrowser *pane) : QObject(pane), m_pane(pane) { pane->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // After the pane has moved its focus to the next link.
            QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void update()
    {
        QList<QTextEdit::ExtraSelection> marks;
        const QTextCursor cursor = m_pane->textCursor();
        if (m_pane->hasFocus() && cursor.hasSelection() && cursor.charFormat().isAnchor()) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = cursor;
            mark.format.setBackground(QColor(QLatin1String(look::Accent)));
            mark.format.setForeground(QColor(16, 16, 16));
            marks.append(mark);
        }
        m_pane->setExtraSelections(marks);
    }

    QTextBrowser *m_pane;
};

} // namespace

void prepare(QWidget *screen)
{
    auto *buttonKeys = new ButtonKeys(screen);
    const auto buttons = screen->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (!(button->focusPolicy() & Qt::TabFocus))
            button->setFocusPolicy(Qt::StrongFocus);
        if (auto *push = qobject_cast<QPushButton *>(button)) {
            push->setAutoDefault(false);
            push->setDefault(false);
        }
        button->installEventFilter(buttonKeys);
    }
    const auto areas = screen->findChildren<QScrollArea *>();
    for (QScrollArea *area : areas)
        area->setFocusPolicy(Qt::NoFocus);
    const auto edits = screen->findChildren<QTextEdit *>();
    for (QTextEdit *edit : edits) {
        if (!qobject_cast<QTextBrowser *>(edit) && !edit->isReadOnly())
            edit->setTabChangesFocus(true);
        if (auto *browser = qobject_cast<QTextBrowser *>(edit))
            new LinkMark(browser);
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
    new FocusMark(screen);

    // Widgets in layouts get their places when a layout first runs; reading order needs them now.
    QList<QWidget *> laidOut{screen};
    laidOut += screen->findChildren<QWidget *>(); // each parent before its children
    for (QWidget *widget : qAsConst(laidOut)) {
        if (QLayout *layout = widget->layout())
            layout->activate();
    }
    QList<QWidget *> stops;
    collectStops(screen, stops);
    for (int i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops.at(i - 1), stops.at(i));
    if (!stops.isEmpty() && !screen->isVisible())
        stops.first()->setFocus(Qt::TabFocusReason);
}

QList<QWidget *> tabOrder(QWidget *screen)
{
    QList<QWidget *> order;
    for (QWidget *w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain()) {
        if (isTabStop(w) && w->isVisibleTo(screen) && !order.contains(w))
            order.append(w);
    }
    // The chain is a ring: it starts where the screen's focus starts.
    const int first = order.indexOf(screen->focusWidget());
    if (first > 0)
        order = order.mid(first) + order.mid(0, first);
    return order;
}

} // namespace keyboard
