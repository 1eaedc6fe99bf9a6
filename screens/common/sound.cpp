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

// The players live as children of the application object and go with it.
void playWithEffect(const QString &resourcePath)
{
    static QHash<QString, QSoundEffect *> players;
    if (!QCoreApplication::instance())
        return;
    QSoundEffect *&effect = players[resourcePath];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        QObject::connect(effect, &QObject::destroyed, [resourcePath] { players.remove(resourcePath); });
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

void setBackend(Backend replacement)
{
    backend() = std::move(replacement);
}

} // namespace sound
