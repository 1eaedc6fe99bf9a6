// The language chooser: its fixed form, the order of closing and sound, and that the menu it
// opens keeps the program alive until the menu itself is closed.
#include "chooser/mainwindow.h"
#include "common/fit.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QtTest>

namespace {

const char *flagEnglishSheet = "#pushButton {\nbackground-color: url transparent;\nborder-image: url(:eng.png);\n"
                               "background: none;\nborder:  none;\nbackground-repeat: none;\n}\n"
                               "#pushButton:pressed\n{\nborder-image: url(:engp.png);\n}";
const char *flagRomanianSheet = "#pushButton_2 {\nbackground-color: transparent;\nborder-image: url(:rou.png);\n"
                                "background: none;\nborder: none;\nbackground-repeat: none;\n}\n"
                                "#pushButton_2:pressed\n{\nborder-image: url(:roup.png);\n}";
const char *closeSheet = "#pushButton_3 {\nbackground-color: url transparent;\nborder-image: url(:un3.png);\n"
                         "background: none;\nborder:  none;\nbackground-repeat: none;\n}\n"
                         "#pushButton_3:hover\n{\nborder-image: url(:un1.png);\n}\n"
                         "#pushButton_3:pressed\n{\nborder-image: url(:un2.png);\n}\n";

// Writes "closed" into the log when the watched window receives its close event.
class CloseMarker : public QObject
{
public:
    CloseMarker(SoundLog *log) : m_log(log) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            m_log->mark(QStringLiteral("closed"));
        return false;
    }

private:
    SoundLog *m_log;
};

} // namespace

class tst_Chooser : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(closeStrayWindows(), 0); }

    void form()
    {
        MainWindow w;
        QCOMPARE(w.objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(w.size(), QSize(832, 545));
        QCOMPARE(w.minimumSize(), QSize(832, 545));
        QCOMPARE(w.maximumSize(), QSize(832, 545));
        QCOMPARE(w.windowTitle(), QStringLiteral("Main Window"));
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(w.findChild<QPushButton *>("pushButton")->styleSheet(), QString::fromUtf8(flagEnglishSheet));
        QCOMPARE(w.findChild<QPushButton *>("pushButton_2")->styleSheet(), QString::fromUtf8(flagRomanianSheet));
        QCOMPARE(w.findChild<QPushButton *>("pushButton_3")->styleSheet(), QString::fromUtf8(closeSheet));
        QCOMPARE(w.findChild<QPushButton *>("pushButton_3")->text(), QStringLiteral("CLOSE"));
        QCOMPARE(w.findChild<QLabel *>("label_2")->text(), QStringLiteral("Please choose your language "));
    }

    void buttonsCloseFirstThenSound_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<QString>("cancel"); // the toolkit's own "Cancel" while the menu is open
        // Romanian before English: choosing English must also bring back the toolkit's English.
        QTest::newRow("Romanian flag") << "pushButton_2" << ":/click3.wav" << "Dialogr" << "Anulează";
        QTest::newRow("English flag") << "pushButton" << ":/click3.wav" << "Dialog" << "Cancel";
        QTest::newRow("CLOSE") << "pushButton_3" << ":/click6.wav" << "" << "";
    }

    void buttonsCloseFirstThenSound()
    {
        QFETCH(QString, button);
        QFETCH(QString, sound);
        QFETCH(QString, opens);
        QFETCH(QString, cancel);
        SoundLog log;
        MainWindow w;
        CloseMarker marker(&log);
        w.installEventFilter(&marker);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *b = w.findChild<QPushButton *>(button);
        bool visibleWhenOpened = true;
        QString cancelShown;
        const QString opened = whileModal(
            [&] { QTest::mouseClick(b, Qt::LeftButton); },
            [&](QWidget *) {
                visibleWhenOpened = w.isVisible();
                cancelShown = QCoreApplication::translate("QPlatformTheme", "Cancel");
            },
            opens.isEmpty() ? 300 : 5000, &log);
        QCOMPARE(opened, opens);
        QCOMPARE(cancelShown, cancel);
        QVERIFY(!w.isVisible());
        QStringList expected{QStringLiteral("closed"), QStringLiteral("sound:") + sound};
        if (!opens.isEmpty()) {
            expected << QStringLiteral("open:") + opens;
            QVERIFY(!visibleWhenOpened);
        }
        QCOMPARE(log.events(), expected);
    }

    // Without a mouse: Tab reaches each flag, and Return, Enter or Space opens its menu.
    void keyboardChoosesEachLanguage_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("menu");
        QTest::newRow("English, Return") << "pushButton" << int(Qt::Key_Return) << "Dialog";
        QTest::newRow("English, Enter") << "pushButton" << int(Qt::Key_Enter) << "Dialog";
        QTest::newRow("English, Space") << "pushButton" << int(Qt::Key_Space) << "Dialog";
        QTest::newRow("Romanian, Return") << "pushButton_2" << int(Qt::Key_Return) << "Dialogr";
        QTest::newRow("Romanian, Space") << "pushButton_2" << int(Qt::Key_Space) << "Dialogr";
    }

    void keyboardChoosesEachLanguage()
    {
        QFETCH(QString, flag);
        QFETCH(int, key);
        QFETCH(QString, menu);
        SoundLog log;
        MainWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *target = w.findChild<QPushButton *>(flag);
        for (int i = 0; i < 3 && QApplication::focusWidget() != target; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &w, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(whileModal([&] { QTest::keyClick(target, Qt::Key(key)); }), menu);
        QVERIFY(!w.isVisible());
    }

    // The offscreen screen (800 x 600) is narrower than the chooser: its central widget scrolls
    // at design size and CLOSE stays on the window.
    void fittedChooserKeepsCloseInView()
    {
        MainWindow w;
        fit::toScreen(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(w.width() <= free.width() && w.height() <= free.height());
        auto *area = w.findChild<QScrollArea *>(QStringLiteral("fitScrollArea"));
        QVERIFY(area);
        QCOMPARE(area->widget()->objectName(), QStringLiteral("centralWidget"));
        QCOMPARE(area->widget()->size(), QSize(832, 545));
        auto *close = w.findChild<QPushButton *>(QStringLiteral("pushButton_3"));
        QVERIFY(close->isVisible());
        QVERIFY(w.rect().contains(QRect(close->mapTo(&w, QPoint(0, 0)), close->size())));
    }

    // The chooser's close asks the application to quit; the menu opened right after must
    // survive that request, and the program must end when the menu closes.
    void menuOutlivesTheChoosersQuitRequest_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("menu");
        QTest::newRow("English") << "pushButton" << "Dialog";
        QTest::newRow("Romanian") << "pushButton_2" << "Dialogr";
    }

    void menuOutlivesTheChoosersQuitRequest()
    {
        QFETCH(QString, flag);
        QFETCH(QString, menu);
        SoundLog log;
        MainWindow w;
        w.setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QString seen;
        bool aliveAfterWait = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        watchdog.start(10000);
        QTimer::singleShot(0, &w, [&] { w.findChild<QPushButton *>(flag)->click(); });
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !seen.isEmpty())
                return;
            seen = QString::fromLatin1(modal->metaObject()->className());
            QPointer<QWidget> guard(modal);
            QTimer::singleShot(400, [&, guard] {
                aliveAfterWait = guard && guard->isVisible();
                if (guard)
                    guard->close();
            });
        });
        poll.start(10);
        const int code = QApplication::exec();
        poll.stop();
        QCOMPARE(seen, menu);
        QVERIFY(aliveAfterWait);
        QCOMPARE(code, 0);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(tst_Chooser)
#include "tst_chooser.moc"
