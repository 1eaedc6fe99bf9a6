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

// One player per sound, kept for the life of the process. They are deliberately never
// deleted: destroying a QSoundEffect while the application object is being torn down waits
// for the multimedia sample loader forever, which would hang the program at exit.
QHash<QString, QSoundEffect *> &players()
{
    static QHash<QString, QSoundEffect *> table;
    return table;
}

void playWithEffect(const QString &resourcePath)
{
    if (!QCoreApplication::instance())
        return;
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
