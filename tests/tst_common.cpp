// The shared screen behaviour: text loading, image and animation panes, click sounds, the
// buttons that keep their last press marked, and fitting windows into the screen.
#include "common/fit.h"
#include "common/modal.h"
#include "common/panes.h"
#include "common/sound.h"
#include "common/textpane.h"
#include "en/conex.h"
#include "en/properties.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

QMovie *movieOf(QGraphicsScene *scene)
{
    return scene->findChild<QMovie *>();
}

// The scene rectangle as it lands in the viewport.
QRect shownRect(QGraphicsView *view)
{
    return view->mapFromScene(view->sceneRect()).boundingRect();
}

} // namespace

Q_DECLARE_METATYPE(QMargins)

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

    // Client rectangle and scroll need of a window on a screen's free area (16 px scroll bars).
    void fitPlan_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<int>("strip");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("scrolled");
        const QRect laptop(0, 0, 1366, 768);
        QTest::newRow("fits: centred, design size") << QSize(1024, 768) << laptop << QMargins() << 0
                                                    << QRect(171, 0, 1024, 768) << false;
        QTest::newRow("exactly the screen") << QSize(1366, 768) << laptop << QMargins() << 0 << laptop << false;
        QTest::newRow("too wide: its scroll bar still fits below")
            << QSize(1400, 730) << laptop << QMargins() << 0 << QRect(0, 11, 1366, 746) << true;
        QTest::newRow("too tall: its scroll bar still fits beside")
            << QSize(1237, 950) << laptop << QMargins() << 0 << QRect(56, 0, 1253, 768) << true;
        QTest::newRow("too tall, and the scroll bar makes it too wide")
            << QSize(1360, 770) << laptop << QMargins() << 0 << laptop << true;
        QTest::newRow("both ways") << QSize(1400, 950) << QRect(0, 0, 1280, 720) << QMargins() << 0
                                   << QRect(0, 0, 1280, 720) << true;
        QTest::newRow("frame and panel taken off")
            << QSize(1344, 756) << QRect(0, 0, 1366, 740) << QMargins(1, 30, 1, 1) << 0
            << QRect(3, 30, 1360, 709) << true;
        QTest::newRow("too wide: with the CLOSE strip it scrolls down too")
            << QSize(1400, 730) << laptop << QMargins() << 60 << laptop << true;
        QTest::newRow("too tall: the strip changes nothing")
            << QSize(1237, 950) << laptop << QMargins() << 60 << QRect(56, 0, 1253, 768) << true;
        QTest::newRow("fits: no strip") << QSize(1024, 700) << laptop << QMargins() << 60
                                        << QRect(171, 34, 1024, 700) << false;
        QTest::newRow("second screen, fits") << QSize(1212, 818) << QRect(1920, 40, 1920, 1040)
                                             << QMargins() << 0 << QRect(2274, 151, 1212, 818) << false;
        QTest::newRow("second screen, too tall") << QSize(1212, 818) << QRect(1920, 40, 1366, 728)
                                                 << QMargins() << 0 << QRect(1989, 40, 1228, 728) << true;
    }

    void fitPlan()
    {
        QFETCH(QSize, window);
        QFETCH(QRect, available);
        QFETCH(QMargins, frame);
        QFETCH(int, strip);
        QFETCH(QRect, geometry);
        QFETCH(bool, scrolled);
        const fit::Plan plan = fit::plan(window, available, frame, 16, strip);
        QCOMPARE(plan.geometry, geometry);
        QCOMPARE(plan.scrolled, scrolled);
    }

    // A window that fits keeps its size and its widgets; it is only centred.
    void fittingWindowIsOnlyCentred()
    {
        QDialog dialog;
        dialog.resize(300, 200);
        auto *button = new QPushButton(QStringLiteral("CLOSE"), &dialog);
        button->setGeometry(10, 10, 100, 30);
        fit::toScreen(&dialog);
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(dialog.size(), QSize(300, 200));
        QCOMPARE(dialog.pos(), free.center() - QPoint(149, 99));
        QCOMPARE(button->parentWidget(), &dialog);
        QVERIFY(!dialog.findChild<QScrollArea *>());
    }

    // The offscreen screen (800 x 600) is smaller than the CONEX page: opened from the
    // properties screen it fits the screen, its content scrolls at design size, and its Close
    // button sits below the content, in view and over none of it, at every scroll position.
    void largerWindowScrollsAndKeepsCloseInView()
    {
        Dialog1 opener;
        opener.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opener));
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(free.height() < 818);
        QStringList faults;
        bool closed = false;
        const QString opened = whileModal(
            [&] { QTest::mouseClick(opener.findChild<QPushButton *>("pushButton_8"), Qt::LeftButton); },
            [&](QWidget *screen) {
                auto *area = screen->findChild<QScrollArea *>(QStringLiteral("fitScrollArea"));
                auto *close = screen->findChild<QPushButton *>(QStringLiteral("pushButton"));
                if (!free.contains(screen->geometry()) || !area || !close) {
                    faults << QStringLiteral("not fitted");
                    return;
                }
                if (area->widget()->size() != QSize(1212, 818))
                    faults << QStringLiteral("content not at design size");
                const QRect content(area->viewport()->mapTo(screen, QPoint(0, 0)), area->viewport()->size());
                for (int step : {0, 1, 2}) {
                    QScrollBar *bar = area->verticalScrollBar();
                    bar->setValue(bar->maximum() * step / 2);
                    QCoreApplication::processEvents();
                    const QRect shown(close->mapTo(screen, QPoint(0, 0)), close->size());
                    if (!close->isVisible() || !screen->rect().contains(shown) || shown.intersects(content))
                        faults << QStringLiteral("Close hidden or over content at step %1").arg(step);
                }
                QTest::mouseClick(close, Qt::LeftButton);
                closed = !screen->isVisible();
            });
        QCOMPARE(opened, QStringLiteral("Dialog13"));
        QCOMPARE(faults, QStringList());
        QVERIFY(closed);
    }

    // In a window that scrolls, a button or check box cut by the edge of the view works on the
    // first click: the press must not scroll it away from under the pointer.
    void halfShownControlTakesTheFirstClick_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::newRow("topic button") << "Dialog9" << "pushButton_2";
        QTest::newRow("zenith button") << "Dialogr11" << "pushButton_7";
        QTest::newRow("check box") << "Dialog12" << "checkBox_5";
    }

    void halfShownControlTakesTheFirstClick()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        SoundLog quiet;
        auto window = newScreen(screen);
        fit::toScreen(window.get());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *area = window->findChild<QScrollArea *>(QStringLiteral("fitScrollArea"));
        auto *target = window->findChild<QAbstractButton *>(control);
        QVERIFY(area && target && QApplication::focusWidget() != target);

        // The control cut in half by the first edge of the view that the scroll range allows:
        // bottom, top, right or left; in view along the other direction.
        const QRect inContent(target->mapTo(area->widget(), QPoint(0, 0)), target->size());
        QScrollBar *down = area->verticalScrollBar();
        QScrollBar *across = area->horizontalScrollBar();
        const QSize view = area->viewport()->size();
        const QPoint middle = inContent.center();
        const std::pair<QScrollBar *, int> cuts[] = {{down, middle.y() - view.height()}, {down, middle.y()},
                                                     {across, middle.x() - view.width()}, {across, middle.x()}};
        const auto cut = std::find_if(std::begin(cuts), std::end(cuts), [](const auto &c) {
            return c.second >= 0 && c.second <= c.first->maximum();
        });
        QVERIFY2(cut != std::end(cuts), qPrintable(control));
        if (cut->first == down)
            across->setValue(inContent.x() - 10);
        else
            down->setValue(inContent.y() - 10);
        cut->first->setValue(cut->second);
        QCoreApplication::processEvents();
        const QRect shown = QRect(target->mapTo(area->viewport(), QPoint(0, 0)), target->size())
                                .intersected(area->viewport()->rect());
        QVERIFY2(!shown.isEmpty() && shown.size() != target->size(), qPrintable(control));

        // Pressed and released through the window, as the mouse does.
        QSignalSpy clicks(target, &QAbstractButton::clicked);
        const QPoint point = area->viewport()->mapTo(window.get(), shown.center());
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, point);
        QCOMPARE(clicks.count(), 1);
    }

    // The real player keeps one effect per sound however often it plays, and a missing file
    // or a machine without an audio device stays silent without failing.
    // The topic or zenith button whose picture is shown stays checked until another is pressed;
    // other buttons of the screen are not marked. Browsers need a mode box checked first.
    void lastPressStaysMarked_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("unmarked");
        const QStringList vxb = {"pushButton_2", "pushButton_3", "pushButton_4", "pushButton_6",
                                 "pushButton_7", "pushButton_8", "pushButton_9", "pushButton_10"};
        const QStringList zenith = {"pushButton", "pushButton_2", "pushButton_3", "pushButton_4",
                                    "pushButton_5", "pushButton_6", "pushButton_7"};
        QTest::newRow("Dialog1") << "Dialog1" << "" << QStringList{"pushButton_2", "pushButton_4", "pushButton_5", "pushButton_6", "pushButton_7"} << QStringList{"pushButton_8"};
        QTest::newRow("Dialogr1") << "Dialogr1" << "" << QStringList{"pushButton", "pushButton_2", "pushButton_3", "pushButton_4", "pushButton_7"} << QStringList{"pushButton_8"};
        QTest::newRow("Dialog7") << "Dialog7" << "" << QStringList{"pushButton", "pushButton_2"} << QStringList{"pushButton_3"};
        QTest::newRow("Dialogr2") << "Dialogr2" << "" << QStringList{"pushButton", "pushButton_2"} << QStringList{"pushButton_3"};
        QTest::newRow("Dialog9") << "Dialog9" << "" << vxb << QStringList{"pushButton_5"};
        QTest::newRow("Dialogr9") << "Dialogr9" << "" << vxb << QStringList{"pushButton_5"};
        QTest::newRow("Dialog11") << "Dialog11" << "checkBox_3" << zenith << QStringList{};
        QTest::newRow("Dialogr11") << "Dialogr11" << "checkBox_2" << zenith << QStringList{};
        QTest::newRow("Dialog12") << "Dialog12" << "checkBox_5" << zenith << QStringList{};
        QTest::newRow("Dialogr12r") << "Dialogr12r" << "checkBox_4" << zenith << QStringList{};
    }

    void lastPressStaysMarked()
    {
        QFETCH(QString, screen);
        QFETCH(QString, box);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, unmarked);
        SoundLog quiet;
        auto dialog = shownScreen(screen);
        QVERIFY(dialog);
        if (!box.isEmpty())
            dialog->findChild<QCheckBox *>(box)->setChecked(true);
        auto marked = [&] {
            QStringList names;
            for (const QString &name : buttons + unmarked) {
                if (dialog->findChild<QAbstractButton *>(name)->isChecked())
                    names << name;
            }
            return names;
        };
        QCOMPARE(marked(), QStringList());
        // Forwards, backwards, and the same button twice.
        QStringList order = buttons;
        for (auto it = buttons.crbegin(); it != buttons.crend(); ++it)
            order << *it;
        for (const QString &name : order) {
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(name), Qt::LeftButton);
            QCOMPARE(marked(), QStringList{name});
        }
        for (const QString &name : unmarked) {
            auto *other = dialog->findChild<QAbstractButton *>(name);
            QVERIFY2(!other->isCheckable(), qPrintable(name));
        }
    }

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
