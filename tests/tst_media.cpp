// The media screens: each animation button replaces the animation and its caption and releases
// the one shown before, each link button opens its video page after the click while the screen
// stays open, and CLOSE leaves no animation behind.
#include "testsupport.h"

#include "common/fonts.h"
#include "en/media.h"
#include "ro/media.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> makeMedia(const QString &language)
{
    if (language == QLatin1String("en"))
        return std::make_unique<Dialog2>(nullptr);
    return std::make_unique<Dialogr3>(nullptr);
}

QString captionLabel(const QString &language)
{
    return language == QLatin1String("en") ? QStringLiteral("label_2") : QStringLiteral("label");
}

// Records each opened link in the sound log, so that the click and the link can be ordered.
class OrderedUrlCatcher : public UrlCatcher
{
    Q_OBJECT
public:
    explicit OrderedUrlCatcher(SoundLog *log) : m_log(log) {}
public slots:
    void open(const QUrl &url)
    {
        m_log->mark(QStringLiteral("url:") + url.toString());
        UrlCatcher::open(url);
    }

private:
    SoundLog *m_log;
};

const QString Click = QStringLiteral("sound::/click4.wav");

} // namespace

class tst_Media : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void animationButtonShowsAnimationAndCaption_data();
    void animationButtonShowsAnimationAndCaption();
    void linkButtonOpensItsPage_data();
    void linkButtonOpensItsPage();
    void closeEndsTheAnimation_data();
    void closeEndsTheAnimation();
};

void tst_Media::initTestCase()
{
    fonts::installSubstitutes();
}

void tst_Media::cleanup()
{
    QVERIFY2(closeStrayWindows() == 0, "a window was left open");
}

void tst_Media::animationButtonShowsAnimationAndCaption_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("first");  // button pressed first
    QTest::addColumn<QString>("second"); // then this one
    QTest::addColumn<QString>("gif");    // what the second press shows
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QString>("caption");

    const QString eas = QStringLiteral(":/test.gif");
    const QString radio = QStringLiteral(":/url.gif");
    const QSize easFrame(596, 600), radioFrame(260, 271);
    const QString enEas = QStringLiteral("A simulated development of an extensive air shower [P.2]");
    const QString enRadio = QStringLiteral("A flash radio pulse of an extensive air shower [A.4]");
    const QString roEas = QStringLiteral("O simulare a dezvoltării unei jerbe de particule [P.2]");
    const QString roRadio = QStringLiteral("Un puls radio dat de o jerbă de particule [A.4]");

    QTest::newRow("en EAS twice") << "en" << "pushButton_2" << "pushButton_2" << eas << easFrame << enEas;
    QTest::newRow("en Radio twice") << "en" << "pushButton_5" << "pushButton_5" << radio << radioFrame << enRadio;
    QTest::newRow("en EAS then Radio") << "en" << "pushButton_2" << "pushButton_5" << radio << radioFrame << enRadio;
    QTest::newRow("en Radio then EAS") << "en" << "pushButton_5" << "pushButton_2" << eas << easFrame << enEas;
    QTest::newRow("ro EAS twice") << "ro" << "pushButton" << "pushButton" << eas << easFrame << roEas;
    QTest::newRow("ro Radio twice") << "ro" << "pushButton_2" << "pushButton_2" << radio << radioFrame << roRadio;
    QTest::newRow("ro EAS then Radio") << "ro" << "pushButton" << "pushButton_2" << radio << radioFrame << roRadio;
    QTest::newRow("ro Radio then EAS") << "ro" << "pushButton_2" << "pushButton" << eas << easFrame << roEas;
}

void tst_Media::animationButtonShowsAnimationAndCaption()
{
    QFETCH(QString, language);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, gif);
    QFETCH(QSize, frame);
    QFETCH(QString, caption);

    auto screen = makeMedia(language);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    auto *view = screen->findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    auto *captionText = screen->findChild<QLabel *>(captionLabel(language));
    QVERIFY(view && captionText);
    // Nothing plays before a button is pressed.
    QVERIFY(!view->scene());
    QCOMPARE(captionText->text(), QString());

    SoundLog log;
    QTest::mouseClick(screen->findChild<QPushButton *>(first), Qt::LeftButton);
    QPointer<QGraphicsScene> firstScene = view->scene();
    QPointer<QMovie> firstMovie = movieOf(view);
    QVERIFY(firstScene && firstMovie);
    QTRY_VERIFY_WITH_TIMEOUT(firstMovie->currentFrameNumber() > 0, 3000);

    QTest::mouseClick(screen->findChild<QPushButton *>(second), Qt::LeftButton);
    QCOMPARE(log.events(), QStringList({Click, Click}));

    // A new scene with a new movie from its first frame; the previous one is stopped and gone.
    QVERIFY(view->scene());
    QVERIFY2(firstScene.isNull(), "the previous scene is still alive");
    QVERIFY2(firstMovie.isNull(), "the previous animation is still alive");
    QCOMPARE(view->scene()->items().size(), 1);
    QMovie *movie = movieOf(view);
    QVERIFY(movie);
    QCOMPARE(movie->fileName(), gif);
    QCOMPARE(movie->state(), QMovie::Running);
    QCOMPARE(movie->currentFrameNumber(), 0);
    QCOMPARE(captionText->text(), caption);

    // Natural size, centred: the scene is one frame and the view neither scales nor scrolls it.
    QCOMPARE(movie->currentPixmap().size(), frame);
    QCOMPARE(view->scene()->sceneRect().size().toSize(), frame);
    QVERIFY(view->transform().isIdentity());
    const QRect shown = view->mapFromScene(view->sceneRect()).boundingRect();
    const QPoint offset = view->viewport()->rect().center() - shown.center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void tst_Media::linkButtonOpensItsPage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("address");

    const QString tedx = QStringLiteral("https://www.youtube.com/results?search_query=TEDxPSU+cosmic+rays");
    const QString ted = QStringLiteral("https://www.youtube.com/watch?v=91801Y1lsCg");
    const QString cnrs = QStringLiteral("https://images.cnrs.fr/en/video/4681");
    const QString voices =
        QStringLiteral("https://www.youtube.com/results?search_query=Voices+of+the+Universe+cosmic+rays");

    QTest::newRow("en TEDxPSU") << "en" << "pushButton_3" << "TEDxPSU" << tedx;
    QTest::newRow("en TED-ED") << "en" << "pushButton_4" << "TED-ED" << ted;
    QTest::newRow("en Radio Cosmic") << "en" << "pushButton_8" << "Radio Cosmic" << cnrs;
    QTest::newRow("en Voices") << "en" << "pushButton_9" << "Voices Of Universe" << voices;
    QTest::newRow("ro TEDxPSU") << "ro" << "pushButton_3" << "TEDxPSU" << tedx;
    QTest::newRow("ro TED-ED") << "ro" << "pushButton_4" << "TED-ED" << ted;
    QTest::newRow("ro Radio Cosmic") << "ro" << "pushButton_5" << "Radio Cosmic" << cnrs;
    QTest::newRow("ro Voices") << "ro" << "pushButton_6" << "Voices Of Universe" << voices;
}

void tst_Media::linkButtonOpensItsPage()
{
    QFETCH(QString, language);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, address);

    auto screen = makeMedia(language);
    screen->setModal(true);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    auto *link = screen->findChild<QPushButton *>(button);
    QVERIFY2(link, qPrintable(button));
    QCOMPARE(link->text(), caption);
    // Overlapping buttons: the press must land on this one, not on a later one drawn over it.
    QCOMPARE(link->parentWidget()->childAt(link->geometry().center()), link);

    SoundLog log;
    OrderedUrlCatcher catcher(&log);
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(address)});
    QCOMPARE(catcher.urls.first().toString(), address);
    QCOMPARE(log.events(), QStringList({Click, QStringLiteral("url:") + address}));
    QVERIFY(screen->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), screen.get());
}

void tst_Media::closeEndsTheAnimation_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("animation");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("caption");
    QTest::newRow("en") << "en" << "pushButton_2" << "pushButton" << "CLOSE";
    QTest::newRow("ro") << "ro" << "pushButton" << "pushButton_7" << "Închide";
}

void tst_Media::closeEndsTheAnimation()
{
    QFETCH(QString, language);
    QFETCH(QString, animation);
    QFETCH(QString, close);
    QFETCH(QString, caption);

    auto screen = makeMedia(language);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    QTest::mouseClick(screen->findChild<QPushButton *>(animation), Qt::LeftButton);
    QPointer<QMovie> movie = movieOf(screen->findChild<QGraphicsView *>(QStringLiteral("graphicsView")));
    QVERIFY(movie);

    auto *closeButton = screen->findChild<QPushButton *>(close);
    QVERIFY(closeButton);
    QCOMPARE(closeButton->text(), caption);
    SoundLog log;
    QTest::mouseClick(closeButton, Qt::LeftButton);
    QCOMPARE(log.events(), QStringList{QStringLiteral("sound::/click6.wav")});
    QVERIFY(!screen->isVisible());

    // The opener destroys the closed screen; no animation survives it.
    screen.reset();
    QVERIFY(movie.isNull());
}

QTEST_MAIN(tst_Media)
#include "tst_media.moc"
