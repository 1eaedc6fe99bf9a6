#include "testsupport.h"

#include "common/textpane.h"
#include "en/properties.h"
#include "ro/properties.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <memory>

namespace {

QGraphicsView *pane(QDialog *screen)
{
    return screen->findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
}

QTextEdit *textPane(QDialog *screen)
{
    return screen->findChild<QTextEdit *>(QStringLiteral("textEdit"));
}

QPushButton *button(QDialog *screen, const QString &name)
{
    return screen->findChild<QPushButton *>(name);
}

// The picture a pane shows: the single pixmap item of its scene.
QImage shownPicture(QGraphicsView *view)
{
    if (!view->scene() || view->scene()->items().size() != 1)
        return QImage();
    auto *item = qgraphicsitem_cast<QGraphicsPixmapItem *>(view->scene()->items().first());
    return item ? item->pixmap().toImage() : QImage();
}

// Answers the save dialog of an export with `path`.
void answerSaveDialog(const std::function<void()> &action, const QString &path, bool *dialogSeen)
{
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        *dialogSeen = true;
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    poll.start();
    deadline.start(10000);
    action();
}

const QString Click = QStringLiteral("sound::/click4.wav");

} // namespace

class PropertiesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void topicShowsGraphAtNaturalSizeWithItsText_data();
    void topicShowsGraphAtNaturalSizeWithItsText();
    void pressingAgainReplacesAndReleasesTheScene_data();
    void pressingAgainReplacesAndReleasesTheScene();
    void overlapStripActivatesTheButtonOnTop_data();
    void overlapStripActivatesTheButtonOnTop();
    void exportWritesTheShownPane_data();
    void exportWritesTheShownPane();
    void conexOpensTheSameLanguageSilently_data();
    void conexOpensTheSameLanguageSilently();
    void closeButtonClosesWithItsSound_data();
    void closeButtonClosesWithItsSound();
};

void PropertiesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void PropertiesTest::cleanup()
{
    QCOMPARE(closeStrayWindows(), 0);
}

void PropertiesTest::topicShowsGraphAtNaturalSizeWithItsText_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("text");

    QTest::newRow("en depth") << "Dialog1" << "pushButton_2" << ":/gr.jpg" << ":/file.txt";
    QTest::newRow("en age") << "Dialog1" << "pushButton_4" << ":/age.png" << ":/file1.txt";
    QTest::newRow("en particles") << "Dialog1" << "pushButton_5" << ":/total.png" << ":/file2.txt";
    QTest::newRow("en NKG") << "Dialog1" << "pushButton_6" << ":/gr3.jpg" << ":/file3.txt";
    QTest::newRow("en Moliere") << "Dialog1" << "pushButton_7" << ":/gr8.jpg" << ":/file4.txt";
    QTest::newRow("ro depth") << "Dialogr1" << "pushButton" << ":/gr.jpg" << ":/filer.txt";
    QTest::newRow("ro age") << "Dialogr1" << "pushButton_2" << ":/age.png" << ":/filer1.txt";
    QTest::newRow("ro particles") << "Dialogr1" << "pushButton_3" << ":/total.png" << ":/filer2.txt";
    QTest::newRow("ro NKG") << "Dialogr1" << "pushButton_4" << ":/gr3.jpg" << ":/filer3.txt";
    QTest::newRow("ro Moliere") << "Dialogr1" << "pushButton_7" << ":/gr8.jpg" << ":/filer4.txt";
}

void PropertiesTest::topicShowsGraphAtNaturalSizeWithItsText()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QString, picture);
    QFETCH(QString, text);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    QVERIFY2(!pane(dialog.get())->scene(), "the pane starts empty");
    SoundLog log;
    QTest::mouseClick(::button(dialog.get(), button), Qt::LeftButton);

    QCOMPARE(log.events(), QStringList{Click});
    const QPixmap expected(picture);
    QVERIFY2(!expected.isNull(), qPrintable(picture));
    QGraphicsView *view = pane(dialog.get());
    QVERIFY(view->scene());
    QCOMPARE(view->scene()->sceneRect(), QRectF(expected.rect()));
    QCOMPARE(view->transform(), QTransform());
    QCOMPARE(shownPicture(view), expected.toImage());

    const QString shown = textPane(dialog.get())->toPlainText();
    QVERIFY2(!shown.isEmpty(), qPrintable(text));
    QCOMPARE(shown, shownText(text));
    QVERIFY2(!shown.contains(QChar::ReplacementCharacter), qPrintable(shown.left(80)));
    if (screen == QLatin1String("Dialogr1")) {
        const QString diacritics = QStringLiteral("ăâîșțĂÂÎȘȚ");
        const bool intact = std::any_of(diacritics.begin(), diacritics.end(),
                                        [&](QChar c) { return shown.contains(c); });
        QVERIFY2(intact, qPrintable(shown.left(80)));
    }
}

void PropertiesTest::pressingAgainReplacesAndReleasesTheScene_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::newRow("en") << "Dialog1" << "pushButton_6";
    QTest::newRow("ro") << "Dialogr1" << "pushButton_4";
}

void PropertiesTest::pressingAgainReplacesAndReleasesTheScene()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    QGraphicsView *view = pane(dialog.get());
    QPushButton *topic = ::button(dialog.get(), button);
    QTest::mouseClick(topic, Qt::LeftButton);
    QPointer<QGraphicsScene> first = view->scene();
    const QImage picture = shownPicture(view);
    QVERIFY(first);

    QTest::mouseClick(topic, Qt::LeftButton);
    QVERIFY(view->scene());
    QVERIFY2(view->scene() != first.data(), "a press builds a new scene");
    QVERIFY2(first.isNull(), "the replaced scene is released at once");
    QCOMPARE(shownPicture(view), picture);
    QCOMPARE(view->scene()->sceneRect(), QRectF(QPointF(), picture.size()));
}

void PropertiesTest::overlapStripActivatesTheButtonOnTop_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("belowText");
    QTest::addColumn<QString>("onTop");
    QTest::addColumn<QString>("onTopText");

    // Buttons 71 px high on a 50 px pitch (English) or 81 px on 60 (Romanian): 21 px strips,
    // where the button created later lies on top.
    QTest::newRow("en depth/age") << "Dialog1" << "pushButton_2" << ":/file.txt" << "pushButton_4" << ":/file1.txt";
    QTest::newRow("en particles/age") << "Dialog1" << "pushButton_5" << ":/file2.txt" << "pushButton_4"
                                      << ":/file1.txt";
    QTest::newRow("en particles/NKG") << "Dialog1" << "pushButton_5" << ":/file2.txt" << "pushButton_6"
                                      << ":/file3.txt";
    QTest::newRow("en NKG/Moliere") << "Dialog1" << "pushButton_6" << ":/file3.txt" << "pushButton_7"
                                    << ":/file4.txt";
    QTest::newRow("ro depth/age") << "Dialogr1" << "pushButton" << ":/filer.txt" << "pushButton_2" << ":/filer1.txt";
    QTest::newRow("ro age/particles") << "Dialogr1" << "pushButton_2" << ":/filer1.txt" << "pushButton_3"
                                      << ":/filer2.txt";
    QTest::newRow("ro particles/NKG") << "Dialogr1" << "pushButton_3" << ":/filer2.txt" << "pushButton_4"
                                      << ":/filer3.txt";
    QTest::newRow("ro NKG/Moliere") << "Dialogr1" << "pushButton_4" << ":/filer3.txt" << "pushButton_7"
                                    << ":/filer4.txt";
}

void PropertiesTest::overlapStripActivatesTheButtonOnTop()
{
    QFETCH(QString, screen);
    QFETCH(QString, below);
    QFETCH(QString, belowText);
    QFETCH(QString, onTop);
    QFETCH(QString, onTopText);
    QVERIFY2(shownText(onTopText) != shownText(belowText), "the two topics must be told apart by their texts");

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    const QRect strip = ::button(dialog.get(), below)->geometry() & ::button(dialog.get(), onTop)->geometry();
    QCOMPARE(strip.height(), 21);
    const QPoint inWindow = dialog->findChild<QGroupBox *>()->mapTo(dialog.get(), strip.center());

    // A click on the window itself, so that the toolkit decides which widget receives it.
    SoundLog log;
    QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QCOMPARE(log.events(), QStringList{Click});
    QCOMPARE(textPane(dialog.get())->toPlainText(), shownText(onTopText));
}

void PropertiesTest::exportWritesTheShownPane_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("exportButton");
    QTest::addColumn<QStringList>("sounds");

    QTest::newRow("en empty pane") << "Dialog1" << "" << "pushButton_3" << QStringList{Click};
    QTest::newRow("en after a topic") << "Dialog1" << "pushButton_7" << "pushButton_3" << QStringList{Click};
    QTest::newRow("ro empty pane") << "Dialogr1" << "" << "pushButton_5" << QStringList();
    QTest::newRow("ro after a topic") << "Dialogr1" << "pushButton_3" << "pushButton_5" << QStringList();
}

void PropertiesTest::exportWritesTheShownPane()
{
    QFETCH(QString, screen);
    QFETCH(QString, topic);
    QFETCH(QString, exportButton);
    QFETCH(QStringList, sounds);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    if (!topic.isEmpty())
        QTest::mouseClick(::button(dialog.get(), topic), Qt::LeftButton);
    QCOMPARE(pane(dialog.get())->scene() != nullptr, !topic.isEmpty());

    SoundLog log;
    bool dialogSeen = false;
    const QString path = folder.filePath(QStringLiteral("pane.png"));
    answerSaveDialog([&] { QTest::mouseClick(::button(dialog.get(), exportButton), Qt::LeftButton); }, path,
                     &dialogSeen);
    QVERIFY(dialogSeen);
    QCOMPARE(log.events(), sounds);

    const QImage written(path);
    QVERIFY2(!written.isNull(), qPrintable(path));
    const QImage expected = pane(dialog.get())->grab().toImage();
    QCOMPARE(written.size(), pane(dialog.get())->size());
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
}

void PropertiesTest::conexOpensTheSameLanguageSilently_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("opened");
    QTest::newRow("en") << "Dialog1" << "pushButton_5" << "Dialog13";
    QTest::newRow("ro") << "Dialogr1" << "pushButton_2" << "Dialogr13";
}

void PropertiesTest::conexOpensTheSameLanguageSilently()
{
    QFETCH(QString, screen);
    QFETCH(QString, topic);
    QFETCH(QString, opened);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    QTest::mouseClick(::button(dialog.get(), topic), Qt::LeftButton);
    QPointer<QGraphicsScene> scene = pane(dialog.get())->scene();
    const QImage picture = shownPicture(pane(dialog.get()));
    const QString text = textPane(dialog.get())->toPlainText();

    SoundLog log;
    const QString className = whileModal(
        [&] { QTest::mouseClick(::button(dialog.get(), QStringLiteral("pushButton_8")), Qt::LeftButton); }, {},
        5000, &log);
    QCOMPARE(className, opened);
    QCOMPARE(log.events(), QStringList{QStringLiteral("open:") + opened});

    QVERIFY(dialog->isVisible());
    QVERIFY(scene);
    QCOMPARE(pane(dialog.get())->scene(), scene.data());
    QCOMPARE(shownPicture(pane(dialog.get())), picture);
    QCOMPARE(textPane(dialog.get())->toPlainText(), text);
}

void PropertiesTest::closeButtonClosesWithItsSound_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("close");
    QTest::newRow("en") << "Dialog1" << "pushButton";
    QTest::newRow("ro") << "Dialogr1" << "pushButton_6";
}

void PropertiesTest::closeButtonClosesWithItsSound()
{
    QFETCH(QString, screen);
    QFETCH(QString, close);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    SoundLog log;
    QTest::mouseClick(::button(dialog.get(), close), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(log.events(), QStringList{QStringLiteral("sound::/click6.wav")});
}

QTEST_MAIN(PropertiesTest)
#include "tst_properties.moc"
