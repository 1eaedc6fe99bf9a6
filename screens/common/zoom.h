#pragma once

class QGraphicsView;
class QPointF;
class QWheelEvent;

// Mouse-wheel zoom of an image pane: each turn scales the view so that the scene point under
// the mouse stays where it is on the screen.
namespace pane {

inline constexpr double ZoomFactor = 1.15; // per wheel step; zooming out divides by it

// One wheel step about `viewportPoint` (viewport coordinates): a positive delta zooms in by
// ZoomFactor; zero or negative zooms out by 1 / ZoomFactor. The view may scroll past the
// picture's edges while zoomed, so that the point can stay put even near an edge; the next fit
// of the pane takes that room back.
void zoomAt(QGraphicsView *view, int delta, const QPointF &viewportPoint);

// A wheel event that reached the screen: zooms about the mouse when it is over the view's
// viewport, about the viewport's centre otherwise.
void wheelZoom(QGraphicsView *view, const QWheelEvent *event);

// Keyboard zoom of a focused image pane: "+" (or "=") zooms in and "-" zooms out by one wheel
// step about the viewport's centre, "0" fits the whole picture again.
void enableKeyZoom(QGraphicsView *view);

} // namespace pane
