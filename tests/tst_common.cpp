// The shared screen behaviour: text loading, image and animation panes, click sounds.
#include "common/panes.h"
#include "common/sound.h"
#include "common/textpane.h"
#include "testsupport.h"

#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

QMovie *movieOf(QGraphicsScene *scene)
{
    for (QGraphicsItem *item : scene->items()) {
        if (auto *proxy = dynamic_cast<QGraphicsProxyWidget *>(item)) {
            if (auto *label = qobject_cast<QLabel *>(proxy->widget()))
                return label->movie();
        }
    }
    return nullptr;
}

// The scene rectangle as it lands in the viewport.
QRect shownRect(QGraphicsView *view)
{
    return view->mapFromScene(view->sceneRect()).boundingRect();
}

} // namespace

class tst_Common : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(closeStrayWindows(), 0); }

    void textPaneDecodesByMark_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QString romanian = QStringLiteral("Jerbe: ă â î ș ț Ă Â Î Ș Ț\nrând doi");
        QByteArray utf16(reinterpret_cast<const char *>(romanian.utf16()), romanian.size() * 2);
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + romanian.toUtf8() << romanian;
        QTest::newRow("UTF-16 LE with mark") << QByteArray("\xFF\xFE") + utf16 << romanian;
        QString crlf = romanian;
        crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        QByteArray utf16crlf(reinterpret_cast<const char *>(crlf.utf16()), crlf.size() * 2);
        QTest::newRow("UTF-16 LE, CR LF") << QByteArray("\xFF\xFE") + utf16crlf << romanian;
        QTest::newRow("UTF-8, CR LF") << QByteArray("\xEF\xBB\xBF") + crlf.toUtf8() << romanian;
        QTest::newRow("UTF-8 without mark") << romanian.toUtf8() << romanian;
        QByteArray utf16be;
        for (QChar c : romanian)
            utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        QTest::newRow("UTF-16 BE with mark") << QByteArray("\xFE\xFF") + utf16be << romanian;
    }

    void textPaneDecodesByMark()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QTextEdit pane;
        pane.setHtml(QStringLiteral("<b>old</b>"));
        text::load(&pane, path);
        QCOMPARE(pane.toPlainText(), expected);
        // Bold is written as weight 600 by Qt 5 and 700 by Qt 6.
        QVERIFY2(!pane.document()->toHtml().contains(QRegularExpression(QStringLiteral("font-weight:[67]00"))),
                 "old rich text kept");
    }

    void textPaneMissingFileEmptiesThePane()
    {
        QTextEdit pane;
        pane.setPlainText(QStringLiteral("previous topic"));
        text::load(&pane, QStringLiteral(":/no-such-file.txt"));
        QCOMPARE(pane.toPlainText(), QString());
    }

    void naturalPaneShowsPictureAtItsSize()
    {
        QGraphicsView view;
        view.resize(691, 640);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QGraphicsScene *scene = pane::showPicture(&view, QStringLiteral(":/gr.jpg"), pane::Fit::Natural);
        const QPixmap expected(QStringLiteral(":/gr.jpg"));
        QVERIFY(!expected.isNull());
        QCOMPARE(view.scene(), scene);
        QCOMPARE(scene->sceneRect(), QRectF(expected.rect()));
        QCOMPARE(view.transform(), QTransform());
        QCOMPARE(scene->items().size(), 1);
    }

    void fittedPanesScaleTheWholePictureIntoTheView_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("fitted") << int(pane::Fit::Fitted);
        QTest::newRow("fitted to picture") << int(pane::Fit::FittedToPicture);
    }

    void fittedPanesScaleTheWholePictureIntoTheView()
    {
        QFETCH(int, mode);
        // A picture much larger than the view, and a view zoomed in beforehand.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.png"));
        QImage big(1575, 1145, QImage::Format_RGB32);
        big.fill(Qt::darkCyan);
        QVERIFY(big.save(path));
        QGraphicsView view;
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(801, 641);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.scale(3, 3);
        pane::showPicture(&view, path, pane::Fit(mode));
        const QRect shown = shownRect(&view);
        const QRect viewport = view.viewport()->rect();
        QVERIFY2(viewport.adjusted(-1, -1, 1, 1).contains(shown), qPrintable(QStringLiteral("shown %1,%2 %3x%4")
            .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())));
        // Width-limited picture: it spans the viewport's width within the fitting margin.
        QVERIFY2(shown.width() >= viewport.width() - 6, qPrintable(QString::number(shown.width())));
    }

    void pressingTwiceReleasesThePreviousScene()
    {
        QGraphicsView view;
        QPointer<QGraphicsScene> first = pane::showPicture(&view, QStringLiteral(":/age.png"), pane::Fit::Natural);
        QPointer<QGraphicsScene> second = pane::showPicture(&view, QStringLiteral(":/age.png"), pane::Fit::Natural);
        QVERIFY(second);
        QVERIFY(first != second);
        QVERIFY2(first.isNull(), "the replaced scene is still alive");
        QCOMPARE(view.scene(), second.data());
        QCOMPARE(view.findChildren<QGraphicsScene *>().size(), 1);
    }

    void foreignScenesAreNotDeleted()
    {
        QGraphicsView view;
        QGraphicsScene own;
        view.setScene(&own);
        pane::showPicture(&view, QStringLiteral(":/age.png"), pane::Fit::Natural);
        QCOMPARE(own.views().size(), 0); // still alive, merely no longer shown
    }

    void missingPictureGivesAnEmptyScene()
    {
        QGraphicsView view;
        QGraphicsScene *scene = pane::showPicture(&view, QStringLiteral(":/missing.png"), pane::Fit::Natural);
        QCOMPARE(scene->sceneRect(), QRectF());
    }

    void animationPaneRunsOneMovieAndReleasesTheOldOne()
    {
        QGraphicsView view;
        QGraphicsView owner;
        view.resize(591, 559);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QPointer<QGraphicsScene> first =
            pane::showMovie(&view, QStringLiteral(":/url.gif"), pane::Fit::Natural, &owner);
        QPointer<QMovie> firstMovie = movieOf(first);
        QVERIFY(firstMovie);
        QCOMPARE(firstMovie->state(), QMovie::Running);
        QCOMPARE(firstMovie->fileName(), QStringLiteral(":/url.gif"));
        QCOMPARE(owner.scene(), first.data());
        QCOMPARE(first->parent(), &owner);

        QPointer<QGraphicsScene> second =
            pane::showMovie(&view, QStringLiteral(":/url.gif"), pane::Fit::Fitted, &owner);
        QVERIFY(first.isNull());
        QVERIFY2(firstMovie.isNull(), "the replaced movie still exists");
        QMovie *secondMovie = movieOf(second);
        QCOMPARE(secondMovie->state(), QMovie::Running);
        QCOMPARE(secondMovie->currentFrameNumber(), 0); // a new press starts from the first frame
        QCOMPARE(view.scene(), second.data());
        QCOMPARE(owner.findChildren<QGraphicsScene *>().size(), 1);
        QCOMPARE(owner.findChildren<QGraphicsScene *>().size() + view.findChildren<QGraphicsScene *>().size(), 1);
    }

    void topicButtonPlaysItsSoundFirst()
    {
        SoundLog log;
        QGraphicsView view;
        QTextEdit textPane;
        pane::showTopic(&view, QStringLiteral(":/total.png"), pane::Fit::Natural, &textPane,
                        QStringLiteral(":/file2.txt"));
        QCOMPARE(log.sounds(), QStringList{QStringLiteral("sound::/click4.wav")});
        QCOMPARE(textPane.toPlainText(), text::read(QStringLiteral(":/file2.txt")));
        QVERIFY(!textPane.toPlainText().isEmpty());
    }

    // The real player keeps one effect per sound however often it plays, and a missing file
    // or a machine without an audio device stays silent without failing.
    void repeatedSoundsDoNotPileUp()
    {
        for (int i = 0; i < 60; ++i) {
            sound::play(sound::Click);
            sound::play(sound::Close);
            sound::play(QStringLiteral(":/no-such-sound.wav"));
        }
        QCoreApplication::processEvents();
        int effects = 0;
        for (QObject *o : qApp->findChildren<QObject *>())
            effects += qobject_cast<QSoundEffect *>(o) != nullptr;
        QCOMPARE(effects, 0); // no object left behind per click (what QSound::play would do)
        QCOMPARE(sound::playerCount(), 3);
    }
};

QTEST_MAIN(tst_Common)
#include "tst_common.moc"
