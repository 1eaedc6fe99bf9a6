#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QGraphicsView;
class QMovie;
class QWidget;

// A new parentless instance of one of the program's windows, by class name, with the program's
// application-wide look installed.
std::unique_ptr<QDialog> newScreen(const QString &className);

// The same, shown and exposed; nullptr when it could not be shown.
std::unique_ptr<QDialog> shownScreen(const QString &className);

// What a text pane shows after loading the bundle text (the document folds a few characters).
QString shownText(const QString &textPath);

// The movie an animation pane plays (a child of its scene), or nullptr.
QMovie *movieOf(QGraphicsView *view);

// Records every click sound and every event a test wants to order against it.
class SoundLog
{
public:
    SoundLog();
    ~SoundLog();
    QStringList sounds() const { return *m_events; }
    // Sounds and marks in the order they happened, e.g. "sound::/click4.wav", "open:Dialog1".
    QStringList events() const { return *m_events; }
    void mark(const QString &event) { m_events->append(event); }
    void clear() { m_events->clear(); }

private:
    QStringList *m_events;
};

// Runs `action` (which opens a modal screen) and, once a modal widget appears, records its
// class, calls `inspect` on it and closes it. Returns the class name, or "" when nothing opened.
QString whileModal(const std::function<void()> &action,
                   const std::function<void(QWidget *)> &inspect = {}, int timeoutMs = 5000,
                   SoundLog *log = nullptr);

// Intercepts https links: openUrl() hands them here instead of to a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url);
};

// Closes every top-level widget left behind; returns how many there were.
int closeStrayWindows();
