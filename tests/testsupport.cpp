#include "testsupport.h"

#include "common/look.h"
#include "common/sound.h"
#include "common/textpane.h"
#include "registry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMovie>
#include <QTest>
#include <QTextDocument>
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

std::unique_ptr<QDialog> newScreen(const QString &className)
{
    look::install(); // the program's own rules, as its entry sets them
    QWidget *screen = makeScreen(className);
    auto *dialog = qobject_cast<QDialog *>(screen);
    if (!dialog)
        delete screen;
    return std::unique_ptr<QDialog>(dialog);
}

std::unique_ptr<QDialog> shownScreen(const QString &className)
{
    std::unique_ptr<QDialog> screen = newScreen(className);
    if (!screen)
        return nullptr;
    screen->show();
    if (!QTest::qWaitForWindowExposed(screen.get()))
        return nullptr;
    return screen;
}

QMovie *movieOf(QGraphicsView *view)
{
    if (!view || !view->scene())
        return nullptr;
    return view->scene()->findChild<QMovie *>();
}

QString shownText(const QString &textPath)
{
    QTextDocument document;
    document.setPlainText(text::read(textPath));
    return document.toPlainText();
}
