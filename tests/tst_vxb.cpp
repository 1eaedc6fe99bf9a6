// Results graphs screen: fitted topics with their texts, wheel zoom, export and close.
#include "testsupport.h"

#include "common/textpane.h"
#include "en/vxb.h"
#include "ro/vxb.h"

#include <QFileDialog>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

// A wheel turn that reaches `target` with the mouse at `at` (target coordinates; its centre
// when not given).
void turnWheel(QWidget *target, int delta, QPointF at = QPointF(-1, -1))
{
    if (at.x() < 0)
        at = QPointF(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

QGraphicsPixmapItem *onlyPixmap(QGraphicsView *view)
{
    if (!view->scene() || view->scene()->items().size() != 1)
        return nullptr;
    return qgraphicsitem_cast<QGraphicsPixmapItem *>(view->scene()->items().constFirst());
}

// Where the whole picture lands in the viewport: inside it, touching it on two opposite sides.
QString fitProblem(QGraphicsView *view)
{
    const QRect shown = view->mapFromScene(view->scene()->sceneRect()).boundingRect();
    const QRect viewport = view->viewport()->rect();
    if (!viewport.adjusted(-1, -1, 1, 1).contains(shown))
        return QStringLiteral("picture %1,%2 %3x%4 leaves the viewport %5x%6")
            .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
            .arg(viewport.width()).arg(viewport.height());
    if (shown.width() < viewport.width() - 8 && shown.height() < viewport.height() - 8)
        return QStringLiteral("picture %1x%2 does not fill the viewport %3x%4")
            .arg(shown.width()).arg(shown.height()).arg(viewport.width()).arg(viewport.height());
    return QString();
}

} // namespace

class TestVxb : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void topicFitsWholePicture_data();
    void topicFitsWholePicture();
    void northSouthButtonsDiffer_data();
    void northSouthButtonsDiffer();
    void wheelZoom_data();
    void wheelZoom();
    void zoomKeepsThePointUnderTheMouse_data();
    void zoomKeepsThePointUnderTheMouse();
    void closeAndExport_data();
    void closeAndExport();
};

void TestVxb::cleanup()
{
    QVERIFY2(closeStrayWindows() == 0, "a window was left open");
}

void TestVxb::topicFitsWholePicture_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("text");
    const QStringList buttons = {"pushButton_2", "pushButton_3", "pushButton_4", "pushButton_6",
                                 "pushButton_7", "pushButton_8", "pushButton_9", "pushButton_10"};
    const QStringList pictures = {":/Grafic_polar_NS-1.png", ":/Grafic_polar_EW-1.png",
                                  ":/Grafic_polar_Vertical-1.png", ":/Grafic_dual_Polarizare_NS-1.png",
                                  ":/Grafic_Dual_Polarizare_EW-1.png", ":/Grafic_dual_Polarizare_Verticala-1.png",
                                  ":/Grafic_dual_Axe_rotite_vs_Axe_initiale-1.png", ":/angles_good.png"};
    const QStringList english = {":/polar1.txt", ":/polar2.txt", ":/polar3.txt", ":/graph2d1.txt",
                                 ":/graph2d2.txt", ":/graph2d3.txt", ":/rotation.txt", ":/file8.txt"};
    const QStringList romanian = {":/ro_polar1.txt", ":/ro_polar2.txt", ":/ro_polar3.txt", ":/ro_graph2d1.txt",
                                  ":/ro_graph2d2.txt", ":/ro_graph2d3.txt", ":/ro_rotation.txt", ":/filer8.txt"};
    for (int i = 0; i < buttons.size(); ++i) {
        QTest::addRow("en %s", qPrintable(pictures[i])) << "Dialog9" << buttons[i] << pictures[i] << english[i];
        QTest::addRow("ro %s", qPrintable(pictures[i])) << "Dialogr9" << buttons[i] << pictures[i] << romanian[i];
    }
}

// Whatever zoom the pane had, a topic press shows its whole picture fitted, and its text.
void TestVxb::topicFitsWholePicture()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QString, picture);
    QFETCH(QString, text);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    auto *view = dialog->findChild<QGraphicsView *>("graphicsView");
    auto *textEdit = dialog->findChild<QTextEdit *>("textEdit");
    auto *topic = dialog->findChild<QPushButton *>(button);
    QVERIFY(view && textEdit && topic);

    for (int zoom : {0, 6, -6}) {
        dialog->findChild<QPushButton *>("pushButton_2")->click(); // some picture first
        for (int i = 0; i < qAbs(zoom); ++i)
            turnWheel(dialog.get(), zoom > 0 ? 120 : -120);
        SoundLog log;
        topic->click();
        QCOMPARE(log.events(), QStringList{QStringLiteral("sound::/click4.wav")});
        QGraphicsPixmapItem *item = onlyPixmap(view);
        QVERIFY2(item, "the pane shows one picture");
        QCOMPARE(item->pixmap().cacheKey(), QPixmap(picture).cacheKey());
        const QString problem = fitProblem(view);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("zoom %1: %2").arg(zoom).arg(problem)));
        QVERIFY2(!view->horizontalScrollBar()->isVisible() && !view->verticalScrollBar()->isVisible(),
                 qPrintable(QStringLiteral("zoom %1: a scroll bar is left over the fitted picture").arg(zoom)));
        QCOMPARE(textEdit->toPlainText(), text::read(text));
    }
}

void TestVxb::northSouthButtonsDiffer_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("en") << "Dialog9";
    QTest::newRow("ro") << "Dialogr9";
}

void TestVxb::northSouthButtonsDiffer()
{
    QFETCH(QString, screen);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    auto *view = dialog->findChild<QGraphicsView *>("graphicsView");
    auto *textEdit = dialog->findChild<QTextEdit *>("textEdit");
    dialog->findChild<QPushButton *>("pushButton_2")->click();
    const qint64 polar = onlyPixmap(view)->pixmap().cacheKey();
    const QString polarText = textEdit->toPlainText();
    dialog->findChild<QPushButton *>("pushButton_6")->click();
    QVERIFY(onlyPixmap(view)->pixmap().cacheKey() != polar);
    QVERIFY2(textEdit->toPlainText() != polarText, qPrintable(polarText));
    QVERIFY(!polarText.isEmpty());
}

void TestVxb::wheelZoom_data()
{
    northSouthButtonsDiffer_data();
}

void TestVxb::wheelZoom()
{
    QFETCH(QString, screen);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    auto *view = dialog->findChild<QGraphicsView *>("graphicsView");
    dialog->findChild<QPushButton *>("pushButton_9")->click();
    const QTransform fitted = view->transform();

    SoundLog log;
    turnWheel(dialog.get(), 120);
    QCOMPARE(view->transformationAnchor(), QGraphicsView::AnchorUnderMouse);
    QVERIFY2(qAbs(view->transform().m11() / fitted.m11() - 1.15) < 1e-9, qPrintable(QString::number(view->transform().m11())));
    turnWheel(dialog.get(), -120);
    const QTransform back = view->transform();
    for (const auto &[now, was] : {std::pair{back.m11(), fitted.m11()}, {back.m22(), fitted.m22()},
                                   {back.dx(), fitted.dx()}, {back.dy(), fitted.dy()}})
        QVERIFY2(qAbs(now - was) < 1e-9, qPrintable(QStringLiteral("%1 != %2").arg(now, 0, 'g', 17).arg(was, 0, 'g', 17)));

    turnWheel(dialog.get(), 0); // no turn at all still zooms out
    QVERIFY2(qAbs(view->transform().m11() / fitted.m11() - 1 / 1.15) < 1e-9, qPrintable(QString::number(view->transform().m11())));
    QVERIFY2(log.events().isEmpty(), qPrintable(log.events().join(' ')));
}

void TestVxb::zoomKeepsThePointUnderTheMouse_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QPointF>("at"); // in the viewport, as a share of its width and height
    for (const char *screen : {"Dialog9", "Dialogr9"}) {
        QTest::addRow("%s centre", screen) << screen << QPointF(0.5, 0.5);
        QTest::addRow("%s near the top left", screen) << screen << QPointF(0.08, 0.1);
        QTest::addRow("%s near the bottom right", screen) << screen << QPointF(0.93, 0.95);
    }
}

// From the fitted picture, in and out again, the scene point under the mouse stays put.
void TestVxb::zoomKeepsThePointUnderTheMouse()
{
    QFETCH(QString, screen);
    QFETCH(QPointF, at);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    auto *view = dialog->findChild<QGraphicsView *>("graphicsView");
    dialog->findChild<QPushButton *>("pushButton_7")->click(); // a landscape picture
    const QPointF mouse(at.x() * view->viewport()->width(), at.y() * view->viewport()->height());
    const QPointF onScreen = view->viewport()->mapTo(dialog.get(), mouse.toPoint());
    const QPointF point = view->mapToScene(mouse.toPoint());
    for (const int delta : {120, 120, 120, 120, 120, 120, -120, -120, -120, 120}) {
        turnWheel(dialog.get(), delta, onScreen);
        const QPointF now = view->viewportTransform().inverted().map(QPointF(mouse.toPoint()));
        QVERIFY2(QLineF(now, point).length() <= 1.0,
                 qPrintable(QStringLiteral("scale %1: %2,%3 drifted to %4,%5").arg(view->transform().m11())
                                .arg(point.x()).arg(point.y()).arg(now.x()).arg(now.y())));
    }
}

void TestVxb::closeAndExport_data()
{
    northSouthButtonsDiffer_data();
}

// CLOSE closes without a sound; EXPORT clicks even when its dialog is cancelled.
void TestVxb::closeAndExport()
{
    QFETCH(QString, screen);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    dialog->findChild<QPushButton *>("pushButton_2")->click();

    SoundLog log;
    QString title;
    const QString opened = whileModal([&] { dialog->findChild<QPushButton *>("pushButton_5")->click(); },
                                      [&](QWidget *modal) { title = modal->windowTitle(); }, 5000, &log);
    QCOMPARE(opened, QStringLiteral("QFileDialog"));
    QCOMPARE(title, QStringLiteral("Save image"));
    QCOMPARE(log.events(), QStringList({"sound::/click4.wav", "open:QFileDialog"}));

    log.clear();
    dialog->findChild<QPushButton *>("pushButton")->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY2(log.events().isEmpty(), qPrintable(log.events().join(' ')));
}

QTEST_MAIN(TestVxb)
#include "tst_vxb.moc"
