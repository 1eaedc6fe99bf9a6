#pragma once

#include <QString>

class QGraphicsView;
class QLabel;

namespace pane {

// An animation with a caption: click sound, the GIF at natural size and centred in `view` (in a
// new scene owned by `owner`, replacing and releasing the one shown before), then the caption.
void showCaptionedMovie(QGraphicsView *view, QGraphicsView *owner, const QString &gifPath,
                        QLabel *caption, const QString &captionText);

} // namespace pane
