#include "zoom.h"

#include <QGraphicsView>
#include <QWheelEvent>
#include <QtGlobal>

namespace pane {

void zoomStep(QGraphicsView *view, int delta)
{
    view->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    const double factor = delta > 0 ? ZoomFactor : 1.0 / ZoomFactor;
    view->scale(factor, factor);
}

int wheelDelta(const QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    return qAbs(angle.x()) > qAbs(angle.y()) ? angle.x() : angle.y();
}

} // namespace pane
