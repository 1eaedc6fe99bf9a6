#include "sound.h"

#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace sound {
namespace {

Backend &backend()
{
    static Backend current;
    return current;
}

// One player per sound, alive until the application object starts to go away. The players are
// deleted from the application's post routines, which run first thing in its destructor while
// the event loop machinery and the multimedia sample loader still work: a player left for the
// process's static teardown races the loader's thread there (a crash now and then at exit), and
// one deleted after the application object is half gone waits for that loader forever.
QHash<QString, QSoundEffect *> &players()
{
    static QHash<QString, QSoundEffect *> table;
    return table;
}

void releasePlayers()
{
    QHash<QString, QSoundEffect *> &table = players();
    for (QSoundEffect *effect : qAsConst(table)) {
        effect->stop();
        delete effect;
    }
    table.clear();
    // A deleted player hands its backend to deleteLater(); let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void playWithEffect(const QString &resourcePath)
{
    if (!QCoreApplication::instance())
        return;
    if (players().isEmpty())
        qAddPostRoutine(releasePlayers);
    QSoundEffect *&effect = players()[resourcePath];
    if (!effect) {
        effect = new QSoundEffect;
        QString url = resourcePath;
        if (url.startsWith(QLatin1Char(':')))
            url = QStringLiteral("qrc") + url;
        effect->setSource(QUrl(url));
    }
    effect->stop();
    effect->play();
}

} // namespace

void play(const QString &resourcePath)
{
    if (backend())
        backend()(resourcePath);
    else
        playWithEffect(resourcePath);
}

int playerCount()
{
    return players().size();
}

void setBackend(Backend replacement)
{
    backend() = std::move(replacement);
}

} // namespace sound
