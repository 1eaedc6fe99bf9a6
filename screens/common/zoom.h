#pragma once

class QGraphicsView;
class QWheelEvent;

// Mouse-wheel zoom of an image pane: each turn scales the view about the point under the mouse.
namespace pane {

inline constexpr double ZoomFactor = 1.15; // per wheel step; zooming out divides by it

// A positive delta zooms in by ZoomFactor; zero or negative zooms out by 1 / ZoomFactor.
void zoomStep(QGraphicsView *view, int delta);

// The wheel turn of an event: the larger of its vertical and horizontal angle deltas.
int wheelDelta(const QWheelEvent *event);

} // namespace pane
