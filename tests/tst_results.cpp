// Results menu: where its three buttons lead, and its free-size window with fixed rows.
#include "common/qtcompat.h"
#include "testsupport.h"

#include "en/results.h"
#include "ro/results.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void buttonOpensScreen_data();
    void buttonOpensScreen();
    void resizingKeepsRows_data();
    void resizingKeepsRows();
};

void TestResults::cleanup()
{
    QVERIFY2(closeStrayWindows() == 0, "a window was left open");
}

void TestResults::buttonOpensScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opens");
    QTest::newRow("en VXB Model") << "Dialog10" << "pushButton" << "Dialog9";
    QTest::newRow("en CoREAS Simulations") << "Dialog10" << "pushButton_2" << "Dialog11";
    QTest::newRow("en Comparison") << "Dialog10" << "pushButton_3" << "Dialog12";
    QTest::newRow("ro Model VXB") << "Dialogr10" << "pushButton" << "Dialogr9";
    QTest::newRow("ro Simulari CoREAS") << "Dialogr10" << "pushButton_2" << "Dialogr11";
    QTest::newRow("ro Comparare") << "Dialogr10" << "pushButton_3" << "Dialogr12r";
}

void TestResults::buttonOpensScreen()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QString, opens);
    auto dialog = newScreen(screen);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto *pushButton = dialog->findChild<QPushButton *>(button);
    QVERIFY(pushButton);

    SoundLog log;
    const QString opened = whileModal([&] { pushButton->click(); }, {}, 5000, &log);
    QCOMPARE(opened, opens);
    QCOMPARE(log.events(), QStringList({QStringLiteral("sound::/click4.wav"), QStringLiteral("open:") + opens}));
    QVERIFY2(dialog->isVisible(), "the results menu stays open under the screen it opened");
}

void TestResults::resizingKeepsRows_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("en") << "Dialog10";
    QTest::newRow("ro") << "Dialogr10";
}

void TestResults::resizingKeepsRows()
{
    QFETCH(QString, screen);
    auto dialog = newScreen(screen);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->minimumSize(), QSize(0, 0));
    QCOMPARE(dialog->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    const QStringList rows = {"layoutWidget", "layoutWidget1", "layoutWidget2"};
    const QStringList labels = {"label", "label_2", "label_3", "label_4", "label_5", "label_6"};
    auto geometries = [&] {
        QStringList all;
        for (const QString &name : rows + labels) {
            const QWidget *w = dialog->findChild<QWidget *>(name);
            const QRect g = w ? w->geometry() : QRect();
            all << QStringLiteral("%1 %2,%3 %4x%5").arg(name).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        }
        return all;
    };
    const QStringList before = geometries();

    for (const QSize &size : {dialog->size() + QSize(400, 300), QSize(500, 400)}) {
        dialog->resize(size);
        QTRY_COMPARE(dialog->size(), size);
        QCOMPARE(geometries(), before);
    }

    // The explanations keep their panel width, and the pictures are shown at natural size.
    for (const QString name : {"label", "label_2", "label_3"})
        QCOMPARE(dialog->findChild<QLabel *>(name)->width(), 290);
    const QStringList pictures = {":/logo.png", ":/logo2.png", ":/logo3.png"};
    for (int i = 0; i < pictures.size(); ++i) {
        const QLabel *label = dialog->findChild<QLabel *>(QStringLiteral("label_%1").arg(i + 4));
        QVERIFY(label);
        const QImage shown = qtcompat::labelPixmap(label).toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, QImage(pictures.at(i)).convertToFormat(shown.format()));
    }
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
