#include "panes.h"

#include "access.h"
#include "sound.h"
#include "textpane.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMovie>
#include <QPixmap>

namespace pane {
namespace {

QGraphicsScene *newScene(QGraphicsView *owner)
{
    auto *scene = new QGraphicsScene(owner);
    // Marks scenes made here, so that only those are released when replaced.
    scene->setProperty("showerscope.paneScene", true);
    return scene;
}

void present(QGraphicsView *view, QGraphicsScene *scene, Fit fitMode, QGraphicsView *owner)
{
    QGraphicsScene *previous = view->scene();
    if (owner != view)
        owner->setScene(scene);
    view->setScene(scene);
    if (fitMode != Fit::Natural)
        fit(view);
    if (previous && previous != scene && previous->property("showerscope.paneScene").toBool())
        delete previous; // also releases its items and movie
}

} // namespace

QGraphicsScene *showPicture(QGraphicsView *view, const QString &picturePath, Fit fitMode,
                            QGraphicsView *owner)
{
    if (!owner)
        owner = view;
    QGraphicsScene *scene = newScene(owner);
    const QPixmap pixmap(picturePath);
    scene->addPixmap(pixmap);
    if (fitMode != Fit::Fitted)
        scene->setSceneRect(QRectF(0, 0, pixmap.width(), pixmap.height()));
    present(view, scene, fitMode, owner);
    access::describePicture(view, picturePath);
    return scene;
}

QGraphicsScene *showMovie(QGraphicsView *view, const QString &gifPath, Fit fitMode,
                          QGraphicsView *owner)
{
    if (!owner)
        owner = view;
    QGraphicsScene *scene = newScene(owner);
    // The movie belongs to the scene and draws its frames into a picture item: no widget of its
    // own, so nothing but the pane shows up to assistive technology.
    auto *movie = new QMovie(gifPath, QByteArray(), scene);
    movie->setObjectName(QStringLiteral("paneMovie"));
    QGraphicsPixmapItem *frame = scene->addPixmap(QPixmap());
    QObject::connect(movie, &QMovie::frameChanged, scene,
                     [movie, frame] { frame->setPixmap(movie->currentPixmap()); });
    movie->start();
    frame->setPixmap(movie->currentPixmap());
    present(view, scene, fitMode, owner);
    access::describePicture(view, gifPath);
    return scene;
}

void settleScrollBars(QGraphicsView *view)
{
    QCoreApplication::sendPostedEvents(view, QEvent::MetaCall);
}

void fit(QGraphicsView *view)
{
    QGraphicsScene *scene = view->scene();
    if (!scene)
        return;
    view->setSceneRect(QRectF()); // drop the room a zoom made around the picture
    const QRectF rect = scene->sceneRect();
    for (int pass = 0; pass < 2; ++pass) {
        view->ensureVisible(rect, 50, 50);
        view->fitInView(rect, Qt::KeepAspectRatio);
        // Fit again into the viewport without the scroll bars the first fit made unnecessary, so
        // that none is left over an unscrollable picture.
        const QSize viewport = view->viewport()->size();
        settleScrollBars(view);
        if (view->viewport()->size() == viewport)
            break;
    }
}

void showTopic(QGraphicsView *view, const QString &picturePath, Fit fitMode, QTextEdit *textPane,
               const QString &textPath)
{
    sound::play(sound::Click);
    showPicture(view, picturePath, fitMode);
    text::load(textPane, textPath);
}

} // namespace pane
