#pragma once

#include <QString>

class QGraphicsScene;
class QGraphicsView;
class QObject;
class QTextEdit;

// Image and animation panes: a QGraphicsView that shows one picture or one animated GIF from
// the bundle. Every show builds a new scene; the scene the pane showed before (with its label
// and movie) is released at once, so memory and processor use stay flat however often the
// user presses a button.
namespace pane {

enum class Fit {
    Natural,        // scene rectangle = picture rectangle, shown at natural size
    Fitted,         // automatic scene rectangle, then the whole scene is fitted into the view
    FittedToPicture // scene rectangle = picture rectangle, then fitted into the view
};

// Scenes are parented to `owner` (the view itself when none is given) and, for a hidden owner
// view, also set on it.
QGraphicsScene *showPicture(QGraphicsView *view, const QString &picturePath, Fit fit,
                            QGraphicsView *owner = nullptr);
QGraphicsScene *showMovie(QGraphicsView *view, const QString &gifPath, Fit fit,
                          QGraphicsView *owner = nullptr);

// The view shows or hides its scroll bars from a queued call; this runs it now, so that the
// viewport has its final size.
void settleScrollBars(QGraphicsView *view);

// Makes the whole scene visible and fits it into the view, keeping the aspect ratio.
void fit(QGraphicsView *view);

// Topic button: click sound, the picture in the image pane, the text file in the text pane.
void showTopic(QGraphicsView *view, const QString &picturePath, Fit fit, QTextEdit *textPane,
               const QString &textPath);

} // namespace pane
