#include "captionedmovie.h"

#include "panes.h"
#include "sound.h"

#include <QLabel>

namespace pane {

void showCaptionedMovie(QGraphicsView *view, QGraphicsView *owner, const QString &gifPath,
                        QLabel *caption, const QString &captionText)
{
    sound::play(sound::Click);
    showMovie(view, gifPath, Fit::Natural, owner);
    caption->setText(captionText);
}

} // namespace pane
