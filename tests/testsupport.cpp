#include "testsupport.h"

#include "common/sound.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QTimer>
#include <QWidget>

SoundLog::SoundLog() : m_events(new QStringList)
{
    QStringList *events = m_events;
    sound::setBackend([events](const QString &path) { events->append(QStringLiteral("sound:") + path); });
}

SoundLog::~SoundLog()
{
    sound::setBackend({});
    delete m_events;
}

QString whileModal(const std::function<void()> &action, const std::function<void(QWidget *)> &inspect,
                   int timeoutMs, SoundLog *log)
{
    QString opened;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            if (clock.elapsed() > timeoutMs)
                poll.stop();
            return;
        }
        poll.stop();
        opened = QString::fromLatin1(modal->metaObject()->className());
        if (log)
            log->mark(QStringLiteral("open:") + opened);
        if (inspect)
            inspect(modal);
        modal->close();
    });
    poll.start();
    action();
    poll.stop();
    return opened;
}

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void UrlCatcher::open(const QUrl &url)
{
    urls.append(url);
}

int closeStrayWindows()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            ++count;
            w->close();
        }
    }
    return count;
}
