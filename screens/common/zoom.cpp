#include "zoom.h"

#include "panes.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QVariant>
#include <QWheelEvent>
#include <QtGlobal>

namespace pane {
namespace {

// Consecutive turns at one mouse position keep the same scene point, so that rounding the
// scroll position to whole pixels never adds up over many turns.
const char *const AnchorScenePoint = "showerscope.zoomScenePoint";
const char *const AnchorViewPoint = "showerscope.zoomViewPoint";
const char *const AnchorTransform = "showerscope.zoomTransform";

// Lets the view scroll over the whole picture and over the area the zoomed viewport will show.
void makeRoom(QGraphicsView *view, const QPointF &scenePoint, const QPointF &viewportPoint, double scale)
{
    const QSizeF shown = QSizeF(view->viewport()->size()) / scale;
    const QRectF visible(scenePoint - viewportPoint / scale, shown);
    view->setSceneRect(view->scene()->sceneRect() | visible);
}

// Scrolls so that `scenePoint` lies under `viewportPoint`, to the nearest pixel.
void place(QGraphicsView *view, const QPointF &scenePoint, const QPointF &viewportPoint)
{
    const QPointF at = view->viewportTransform().map(scenePoint);
    QScrollBar *h = view->horizontalScrollBar();
    QScrollBar *v = view->verticalScrollBar();
    h->setValue(h->value() + qRound(at.x() - viewportPoint.x()));
    v->setValue(v->value() + qRound(at.y() - viewportPoint.y()));
}

// The wheel turn of an event: the larger of its vertical and horizontal angle deltas.
int wheelDelta(const QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    return qAbs(angle.x()) > qAbs(angle.y()) ? angle.x() : angle.y();
}

// Turns +, - and 0 on a view into zoom steps.
class KeyZoom : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *view = static_cast<QGraphicsView *>(watched);
        const QPointF centre(view->viewport()->width() / 2.0, view->viewport()->height() / 2.0);
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomAt(view, 1, centre);
            return true;
        case Qt::Key_Minus:
            zoomAt(view, -1, centre);
            return true;
        case Qt::Key_0:
            fit(view);
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void enableKeyZoom(QGraphicsView *view)
{
    view->installEventFilter(new KeyZoom(view));
}

void zoomAt(QGraphicsView *view, int delta, const QPointF &viewportPoint)
{
    view->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    const double factor = delta > 0 ? ZoomFactor : 1.0 / ZoomFactor;
    if (!view->scene()) {
        view->scale(factor, factor);
        return;
    }
    QPointF scenePoint = view->viewportTransform().inverted().map(viewportPoint);
    if (view->property(AnchorViewPoint).toPointF() == viewportPoint &&
        view->property(AnchorTransform).value<QTransform>() == view->viewportTransform())
        scenePoint = view->property(AnchorScenePoint).toPointF();

    const double scale = view->transform().m11() * factor;
    makeRoom(view, scenePoint, viewportPoint, scale);
    view->scale(factor, factor);
    place(view, scenePoint, viewportPoint);
    // Scroll bars that came or went changed the viewport: make room for it and place again.
    settleScrollBars(view);
    makeRoom(view, scenePoint, viewportPoint, scale);
    place(view, scenePoint, viewportPoint);

    view->setProperty(AnchorScenePoint, scenePoint);
    view->setProperty(AnchorViewPoint, viewportPoint);
    view->setProperty(AnchorTransform, QVariant::fromValue(view->viewportTransform()));
}

void wheelZoom(QGraphicsView *view, const QWheelEvent *event)
{
    QWidget *viewport = view->viewport();
    QPointF at = viewport->mapFromGlobal(event->globalPosition().toPoint());
    if (!viewport->rect().contains(at.toPoint()))
        at = QPointF(viewport->width() / 2.0, viewport->height() / 2.0);
    zoomAt(view, wheelDelta(event), at);
}

} // namespace pane
