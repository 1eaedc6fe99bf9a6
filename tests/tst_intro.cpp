// The introduction screens: the four process animations play in their own panes at natural
// size and start afresh with every new screen, the texts show whole, and only the Romanian
// first text pane can be selected.
#include "testsupport.h"

#include "common/fonts.h"
#include "common/keyboard.h"
#include "en/intro.h"
#include "ro/intro.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> makeIntro(const QString &language)
{
    if (language == QLatin1String("en"))
        return std::make_unique<Dialog8>(nullptr);
    return std::make_unique<Dialogr5>(nullptr);
}

} // namespace

class tst_Intro : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void paneLoopsItsAnimation_data();
    void paneLoopsItsAnimation();
    void reopenedScreenRestartsAnimations_data();
    void reopenedScreenRestartsAnimations();
    void textPaneSelection_data();
    void textPaneSelection();
    void textPaneShowsWholeText_data();
    void textPaneShowsWholeText();
    void closePlaysSoundAndCloses_data();
    void closePlaysSoundAndCloses();
    void tabLeavesTheAnimations_data();
    void tabLeavesTheAnimations();
};

void tst_Intro::initTestCase()
{
    fonts::installSubstitutes();
}

void tst_Intro::cleanup()
{
    QVERIFY2(closeStrayWindows() == 0, "a window was left open");
}

void tst_Intro::paneLoopsItsAnimation_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("place"); // position in the scrolling column
    QTest::addColumn<QString>("gif");

    QTest::newRow("en pair production") << "en" << "graphicsView" << 1 << ":/Pair_Production.gif";
    QTest::newRow("en photoelectric") << "en" << "graphicsView_2" << 3 << ":/Photoelectric_Effect.gif";
    QTest::newRow("en Compton") << "en" << "graphicsView_4" << 5 << ":/Compton_Scattering.gif";
    QTest::newRow("en bremsstrahlung") << "en" << "graphicsView_3" << 7 << ":/Bremsstrahlung.gif";
    QTest::newRow("ro pair production") << "ro" << "graphicsView" << 1 << ":/Pair_Production.gif";
    QTest::newRow("ro photoelectric") << "ro" << "graphicsView_2" << 3 << ":/Photoelectric_Effect.gif";
    QTest::newRow("ro Compton") << "ro" << "graphicsView_3" << 5 << ":/Compton_Scattering.gif";
    QTest::newRow("ro bremsstrahlung") << "ro" << "graphicsView_4" << 7 << ":/Bremsstrahlung.gif";
}

void tst_Intro::paneLoopsItsAnimation()
{
    QFETCH(QString, language);
    QFETCH(QString, view);
    QFETCH(int, place);
    QFETCH(QString, gif);

    auto screen = makeIntro(language);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));

    auto *pane = screen->findChild<QGraphicsView *>(view);
    QVERIFY2(pane, qPrintable(view));
    auto *column = screen->findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_2"));
    QVERIFY(column);
    QCOMPARE(column->indexOf(pane), place);

    QMovie *movie = movieOf(pane);
    QVERIFY2(movie, qPrintable(view + " shows no movie"));
    QCOMPARE(movie->fileName(), gif);
    QCOMPARE(movie->state(), QMovie::Running);
    QVERIFY2(movie->isValid(), qPrintable(gif));
    QVERIFY2(movie->frameCount() > 1, qPrintable(QString::number(movie->frameCount())));

    // Natural size: no scaling, the scene is exactly one frame of the animation.
    QVERIFY(pane->transform().isIdentity());
    QCOMPARE(pane->scene()->sceneRect().size().toSize(), movie->currentPixmap().size());

    // Scrolled to the bottom, every animation keeps running.
    auto *scroll = screen->findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    const int frame = movie->currentFrameNumber();
    QTRY_VERIFY_WITH_TIMEOUT(movie->currentFrameNumber() != frame, 3000);
    QCOMPARE(movie->state(), QMovie::Running);
}

void tst_Intro::reopenedScreenRestartsAnimations_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("ro") << "ro";
}

void tst_Intro::reopenedScreenRestartsAnimations()
{
    QFETCH(QString, language);

    QList<QPointer<QMovie>> firstMovies;
    {
        auto screen = makeIntro(language);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        const auto views = screen->findChildren<QGraphicsView *>();
        QCOMPARE(views.size(), 4);
        for (QGraphicsView *view : views)
            firstMovies << movieOf(view);
        for (const QPointer<QMovie> &movie : firstMovies)
            QTRY_VERIFY_WITH_TIMEOUT(movie && movie->currentFrameNumber() > 0, 3000);
        screen->close();
    }
    // Nothing plays on once the screen is gone.
    for (const QPointer<QMovie> &movie : firstMovies)
        QVERIFY(movie.isNull());

    auto again = makeIntro(language);
    for (QGraphicsView *view : again->findChildren<QGraphicsView *>()) {
        QMovie *movie = movieOf(view);
        QVERIFY2(movie, qPrintable(view->objectName()));
        QCOMPARE(movie->currentFrameNumber(), 0);
        QCOMPARE(movie->state(), QMovie::Running);
    }
}

void tst_Intro::textPaneSelection_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<bool>("selectable");

    for (const char *pane : {"textBrowser", "textBrowser_2", "textBrowser_3", "textBrowser_4"})
        QTest::addRow("en %s", pane) << "en" << pane << false;
    QTest::newRow("ro textBrowser") << "ro" << "textBrowser" << true;
}

void tst_Intro::textPaneSelection()
{
    QFETCH(QString, language);
    QFETCH(QString, pane);
    QFETCH(bool, selectable);

    auto screen = makeIntro(language);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    auto *browser = screen->findChild<QTextBrowser *>(pane);
    QVERIFY2(browser, qPrintable(pane));
    QCOMPARE(bool(browser->textInteractionFlags() & Qt::TextSelectableByMouse), selectable);

    // Dragging across the first line selects text only where the pane allows it.
    // (QTest::mouseMove carries no button, so the drag is sent by hand.)
    const QPoint from = browser->cursorRect(QTextCursor(browser->document())).center();
    const QPoint to = from + QPoint(300, 0);
    QTest::mousePress(browser->viewport(), Qt::LeftButton, {}, from);
    QMouseEvent drag(QEvent::MouseMove, to, browser->viewport()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(browser->viewport(), &drag);
    QTest::mouseRelease(browser->viewport(), Qt::LeftButton, {}, to);
    QCOMPARE(browser->textCursor().hasSelection(), selectable);
}

void tst_Intro::textPaneShowsWholeText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("pane");

    for (const char *language : {"en", "ro"}) {
        for (const char *pane : {"textBrowser", "textBrowser_2", "textBrowser_3", "textBrowser_4"})
            QTest::addRow("%s %s", language, pane) << language << pane;
    }
}

void tst_Intro::textPaneShowsWholeText()
{
    QFETCH(QString, language);
    QFETCH(QString, pane);

    auto screen = makeIntro(language);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    auto *browser = screen->findChild<QTextBrowser *>(pane);
    QVERIFY2(browser, qPrintable(pane));
    QVERIFY2(!browser->toPlainText().trimmed().isEmpty(), "empty text");

    // The column scrolls as a whole; a pane that needed its own scroll bar would hide text.
    // (Measured once the layout has settled.)
    auto documentHeight = [browser] { return qCeil(browser->document()->size().height()); };
    QTRY_VERIFY2_WITH_TIMEOUT(documentHeight() <= browser->viewport()->height(),
                              qPrintable(QStringLiteral("text %1 px, pane %2 px")
                                             .arg(documentHeight())
                                             .arg(browser->viewport()->height())),
                              2000);
    QCOMPARE(browser->verticalScrollBar()->maximum(), 0);
    QCOMPARE(browser->horizontalScrollBar()->maximum(), 0);

    // Every picture of the text comes from the bundle and loads.
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            QCOMPARE(name, QStringLiteral(":/KCDC-EAS.png"));
            const QVariant data = browser->document()->resource(QTextDocument::ImageResource, QUrl(name));
            const QImage image = data.userType() == QMetaType::QByteArray
                ? QImage::fromData(data.toByteArray())
                : qvariant_cast<QImage>(data);
            QVERIFY2(!image.isNull(), qPrintable(name));
        }
    }
}

void tst_Intro::closePlaysSoundAndCloses_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("en") << "en" << "CLOSE";
    QTest::newRow("ro") << "ro" << "Închide";
}

void tst_Intro::closePlaysSoundAndCloses()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);

    auto screen = makeIntro(language);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    auto *close = screen->findChild<QPushButton *>(QStringLiteral("pushButton"));
    QVERIFY(close);
    QCOMPARE(close->text(), caption);

    SoundLog log;
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(log.events(), QStringList{QStringLiteral("sound::/click6.wav")});
    QVERIFY(!screen->isVisible());
}

void tst_Intro::tabLeavesTheAnimations_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("ro") << "ro";
}

// The animation panes must not hold the focus: Tab from the first pane reaches CLOSE.
void tst_Intro::tabLeavesTheAnimations()
{
    QFETCH(QString, language);
    auto dialog = makeIntro(language);
    keyboard::prepare(dialog.get());
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto *close = dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
    for (int i = 0; i < 20 && QApplication::focusWidget() != close; ++i) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : dialog.get(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), close);
}

QTEST_MAIN(tst_Intro)
#include "tst_intro.moc"
