#include "testsupport.h"

#include "common/textpane.h"
#include "en/radio.h"
#include "ro/radio.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

namespace {

QPushButton *button(QDialog *screen, const QString &name)
{
    return screen->findChild<QPushButton *>(name);
}

} // namespace

class RadioTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void pressFitsTheWholePicture_data();
    void pressFitsTheWholePicture();
    void resultsOpensTheResultsMenu_data();
    void resultsOpensTheResultsMenu();
    void sizeIsFixed_data();
    void sizeIsFixed();
    void closeButtonClosesWithItsSound_data();
    void closeButtonClosesWithItsSound();
};

void RadioTest::cleanup()
{
    QCOMPARE(closeStrayWindows(), 0);
}

void RadioTest::pressFitsTheWholePicture_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("zoomBefore");

    const struct {
        const char *screen, *button, *picture, *text;
    } topics[] = {
        {"Dialog7", "pushButton", ":/em_mec.PNG", ":/file5.txt"},
        {"Dialog7", "pushButton_2", ":/geom1.png", ":/file6.txt"},
        {"Dialogr2", "pushButton", ":/em_mec.PNG", ":/filer5.txt"},
        {"Dialogr2", "pushButton_2", ":/geom1.png", ":/filer6.txt"},
    };
    for (const auto &topic : topics) {
        for (const qreal zoom : {0.2, 1.0, 6.0}) {
            QTest::addRow("%s %s zoom %g", topic.screen, topic.button, zoom)
                << topic.screen << topic.button << topic.picture << topic.text << zoom;
        }
    }
}

void RadioTest::pressFitsTheWholePicture()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QString, picture);
    QFETCH(QString, text);
    QFETCH(qreal, zoomBefore);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    auto *view = dialog->findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    // Show the other topic first, then zoom, so the press starts from a foreign transform.
    const QString other = button == QLatin1String("pushButton") ? QStringLiteral("pushButton_2")
                                                                : QStringLiteral("pushButton");
    QTest::mouseClick(::button(dialog.get(), other), Qt::LeftButton);
    view->scale(zoomBefore, zoomBefore);

    SoundLog log;
    QTest::mouseClick(::button(dialog.get(), button), Qt::LeftButton);
    QCOMPARE(log.events(), QStringList{QStringLiteral("sound::/click4.wav")});

    const QPixmap expected(picture);
    QVERIFY2(!expected.isNull(), qPrintable(picture));
    QCOMPARE(view->scene()->sceneRect(), QRectF(expected.rect()));
    const QRect shown = view->mapFromScene(view->scene()->sceneRect()).boundingRect();
    const QRect viewport = view->viewport()->rect();
    const QString where = QStringLiteral("picture at %1,%2 %3x%4 in a %5x%6 viewport")
                              .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
                              .arg(viewport.width()).arg(viewport.height());
    QVERIFY2(viewport.adjusted(-1, -1, 1, 1).contains(shown), qPrintable(where));
    const bool fillsWidth = shown.left() - viewport.left() <= 2 && viewport.right() - shown.right() <= 2;
    const bool fillsHeight = shown.top() - viewport.top() <= 2 && viewport.bottom() - shown.bottom() <= 2;
    QVERIFY2(fillsWidth || fillsHeight, qPrintable(where));

    QCOMPARE(dialog->findChild<QTextEdit *>(QStringLiteral("textEdit"))->toPlainText(), shownText(text));
}

void RadioTest::resultsOpensTheResultsMenu_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("opened");
    QTest::newRow("en") << "Dialog7" << "Dialog10";
    QTest::newRow("ro") << "Dialogr2" << "Dialogr10";
}

void RadioTest::resultsOpensTheResultsMenu()
{
    QFETCH(QString, screen);
    QFETCH(QString, opened);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    SoundLog log;
    const QString className = whileModal(
        [&] { QTest::mouseClick(::button(dialog.get(), QStringLiteral("pushButton_3")), Qt::LeftButton); }, {},
        5000, &log);
    QCOMPARE(className, opened);
    QCOMPARE(log.events(), (QStringList{QStringLiteral("sound::/click4.wav"), QStringLiteral("open:") + opened}));
    QVERIFY(dialog->isVisible());
}

void RadioTest::sizeIsFixed_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("en") << "Dialog7";
    QTest::newRow("ro") << "Dialogr2";
}

void RadioTest::sizeIsFixed()
{
    QFETCH(QString, screen);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    QCOMPARE(dialog->size(), QSize(1344, 756));
    for (const QSize attempt : {QSize(1600, 900), QSize(800, 500)}) {
        dialog->resize(attempt);
        QTest::qWait(20);
        QCOMPARE(dialog->size(), QSize(1344, 756));
    }
}

void RadioTest::closeButtonClosesWithItsSound_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("en") << "Dialog7";
    QTest::newRow("ro") << "Dialogr2";
}

void RadioTest::closeButtonClosesWithItsSound()
{
    QFETCH(QString, screen);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    SoundLog log;
    QTest::mouseClick(::button(dialog.get(), QStringLiteral("pushButton_5")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(log.events(), QStringList{QStringLiteral("sound::/click6.wav")});
}

QTEST_MAIN(RadioTest)
#include "tst_radio.moc"
