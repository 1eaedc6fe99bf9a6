// The two main menus: every entry opens its own screen after the menu click, nothing crosses
// languages, CLOSE ends the program, and the abstract and the overlapping entries behave.
#include "testsupport.h"

#include "chooser/mainwindow.h"
#include "common/fonts.h"
#include "common/stylesheets.h"
#include "en/menu.h"
#include "ro/menu.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> makeMenu(const QString &language)
{
    if (language == QLatin1String("en"))
        return std::make_unique<Dialog>(nullptr);
    return std::make_unique<Dialogr>(nullptr);
}

QStringList visibleTopLevels()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << QString::fromLatin1(w->metaObject()->className());
    }
    return names;
}

} // namespace

class tst_Menus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void entryOpensItsScreen_data();
    void entryOpensItsScreen();
    void closeEndsTheProgram_data();
    void closeEndsTheProgram();
    void abstractInteraction_data();
    void abstractInteraction();
    void laterEntriesAreDrawnOnTop_data();
    void laterEntriesAreDrawnOnTop();
    void windowIsFixedAndShowsEveryWidget_data();
    void windowIsFixedAndShowsEveryWidget();
};

void tst_Menus::initTestCase()
{
    fonts::installSubstitutes();
}

void tst_Menus::cleanup()
{
    const QStringList left = visibleTopLevels();
    closeStrayWindows();
    QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("windows left open: ") + left.join(", ")));
}

void tst_Menus::entryOpensItsScreen_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("screen");

    QTest::newRow("en Intro") << "en" << "pushButton" << "Intro" << "Dialog8";
    QTest::newRow("en Properties") << "en" << "pushButton_2" << "Properties" << "Dialog1";
    QTest::newRow("en Radio Emission") << "en" << "pushButton_3" << "Radio Emission" << "Dialog7";
    QTest::newRow("en Detection") << "en" << "pushButton_4" << "Detection" << "Dialog4";
    QTest::newRow("en Credits") << "en" << "pushButton_6" << "Credits" << "Dialog5";
    QTest::newRow("en References") << "en" << "pushButton_7" << "References " << "Dialog6";
    QTest::newRow("en Media") << "en" << "pushButton_8" << "Media" << "Dialog2";
    QTest::newRow("en Explore a shower") << "en" << "pushButton_9" << "Explore a shower" << "Dialog14";

    QTest::newRow("ro Introducere") << "ro" << "pushButton" << "Introducere" << "Dialogr5";
    QTest::newRow("ro Proprietăți") << "ro" << "pushButton_2" << "Proprietăți" << "Dialogr1";
    QTest::newRow("ro Emisia Radio") << "ro" << "pushButton_3" << "Emisia Radio" << "Dialogr2";
    QTest::newRow("ro Detecție") << "ro" << "pushButton_4" << "Detecție" << "Dialogr4";
    QTest::newRow("ro Media") << "ro" << "pushButton_8" << "Media" << "Dialogr3";
    QTest::newRow("ro Referințe") << "ro" << "pushButton_5" << "Referințe" << "Dialogr7";
    QTest::newRow("ro Credite") << "ro" << "pushButton_7" << "Credite" << "Dialogr6";
    QTest::newRow("ro Explorează o jerbă") << "ro" << "pushButton_9" << "Explorează o jerbă" << "Dialogr14";
}

void tst_Menus::entryOpensItsScreen()
{
    QFETCH(QString, language);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, screen);

    auto menu = makeMenu(language);
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    auto *entry = menu->findChild<QPushButton *>(button);
    QVERIFY2(entry, qPrintable(button));
    QCOMPARE(entry->text(), caption);

    SoundLog log;
    const QString opened =
        whileModal([&] { QTest::mouseClick(entry, Qt::LeftButton); }, {}, 5000, &log);
    QCOMPARE(opened, screen);
    const bool romanianScreen = opened.startsWith(QLatin1String("Dialogr"));
    QVERIFY2(romanianScreen == (language == QLatin1String("ro")),
             qPrintable(QStringLiteral("%1 menu opened %2").arg(language, opened)));
    // The click is heard first, then the screen opens; nothing else plays.
    QCOMPARE(log.events(), QStringList({QStringLiteral("sound::/click4.wav"), QStringLiteral("open:") + screen}));
    // The menu is still there once the screen is gone.
    QVERIFY(menu->isVisible());
}

void tst_Menus::closeEndsTheProgram_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("closeButton");
    QTest::addColumn<QString>("closeCaption");

    QTest::newRow("English") << "pushButton" << "Dialog" << "pushButton_5" << "CLOSE";
    QTest::newRow("Romanian") << "pushButton_2" << "Dialogr" << "pushButton_6" << "Închide";
}

// Runs the real event loop: the chooser hands over to the menu, and closing the menu must end
// QApplication::exec() with no window left and without the chooser coming back.
void tst_Menus::closeEndsTheProgram()
{
    QFETCH(QString, flag);
    QFETCH(QString, menu);
    QFETCH(QString, closeButton);
    QFETCH(QString, closeCaption);

    MainWindow chooser(nullptr);
    chooser.setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    auto *flagButton = chooser.findChild<QPushButton *>(flag);
    QVERIFY(flagButton);

    SoundLog log;
    bool menuSeen = false;
    bool chooserShownWithMenu = true;
    QString closeText;

    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || menu != QLatin1String(modal->metaObject()->className()))
            return;
        poll.stop();
        menuSeen = true;
        chooserShownWithMenu = chooser.isVisible();
        if (auto *close = modal->findChild<QPushButton *>(closeButton)) {
            closeText = close->text();
            QTest::mouseClick(close, Qt::LeftButton);
        }
    });

    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        closeStrayWindows();
        QApplication::exit(99);
    });

    QTimer::singleShot(0, &chooser, [&] {
        poll.start();
        QTest::mouseClick(flagButton, Qt::LeftButton);
    });
    watchdog.start(10000);
    const int result = QApplication::exec();
    watchdog.stop();
    poll.stop();

    QVERIFY2(!timedOut, "the program did not end after the menu was closed");
    QCOMPARE(result, 0);
    QVERIFY2(menuSeen, qPrintable(menu + QStringLiteral(" never opened")));
    QCOMPARE(closeText, closeCaption);
    QVERIFY2(!chooserShownWithMenu, "the chooser stayed on screen under the menu");
    QCOMPARE(visibleTopLevels(), QStringList());
    QCOMPARE(log.events(), QStringList({QStringLiteral("sound::/click3.wav"), QStringLiteral("sound::/click6.wav")}));
}

void tst_Menus::abstractInteraction_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("selectable");
    QTest::addColumn<QString>("heading");

    QTest::newRow("English: neither selectable nor editable") << "en" << false << "Short abstract about the application";
    QTest::newRow("Romanian: selectable, not editable") << "ro" << true << "Scurtă descriere a aplicației";
}

void tst_Menus::abstractInteraction()
{
    QFETCH(QString, language);
    QFETCH(bool, selectable);
    QFETCH(QString, heading);

    auto menu = makeMenu(language);
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    auto *abstract = menu->findChild<QTextEdit *>(QStringLiteral("textEdit"));
    QVERIFY(abstract);
    const QString text = abstract->toPlainText();
    QVERIFY2(text.startsWith(heading), qPrintable(text.left(60)));
    // Word joiners keep each marker on one line; the reader sees the plain markers.
    const QString shown = QString(text).remove(QChar(0x2060));
    for (const char *marker : {"[A.1, A.2]", "[P.1, P.2, A.3, A.4]", "[S.3]", "[P.3]"})
        QVERIFY2(shown.contains(QLatin1String(marker)), marker);

    // Keyboard: select all, then type over the selection.
    abstract->setFocus();
    QTest::keyClick(abstract, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(abstract->textCursor().hasSelection(), selectable);
    QTest::keyClicks(abstract, QStringLiteral("xyz"));
    QTest::keyClick(abstract, Qt::Key_Backspace);
    QCOMPARE(abstract->toPlainText(), text);

    // Mouse: a double click on a word selects it only where selection is allowed.
    QTextCursor word(abstract->document());
    word.setPosition(text.indexOf(QLatin1String("Qt")) + 1);
    abstract->setTextCursor(QTextCursor(abstract->document()));
    const QPoint onWord = abstract->cursorRect(word).center();
    QTest::mouseDClick(abstract->viewport(), Qt::LeftButton, {}, onWord);
    QCOMPARE(abstract->textCursor().hasSelection(), selectable);
    QCOMPARE(abstract->toPlainText(), text);
}

void tst_Menus::laterEntriesAreDrawnOnTop_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("onTop");

    // Points where two entries overlap; the one raised later is the one drawn and clicked.
    QTest::newRow("en Intro/Properties") << "en" << "groupBox" << QPoint(100, 110) << "pushButton_2";
    QTest::newRow("en Properties/Radio") << "en" << "groupBox" << QPoint(100, 170) << "pushButton_3";
    QTest::newRow("en Radio over Detection") << "en" << "groupBox" << QPoint(100, 230) << "pushButton_3";
    QTest::newRow("en Detection/Media") << "en" << "groupBox" << QPoint(100, 290) << "pushButton_8";
    QTest::newRow("en group/Credits") << "en" << "Dialog" << QPoint(100, 440) << "pushButton_6";
    QTest::newRow("en Credits/References") << "en" << "Dialog" << QPoint(100, 505) << "pushButton_7";
    QTest::newRow("ro Introducere/Proprietăți") << "ro" << "groupBox" << QPoint(100, 110) << "pushButton_2";
    QTest::newRow("ro Proprietăți/Emisia") << "ro" << "groupBox" << QPoint(100, 170) << "pushButton_3";
    QTest::newRow("ro Emisia/Detecție") << "ro" << "groupBox" << QPoint(100, 235) << "pushButton_4";
    QTest::newRow("ro Detecție/Media") << "ro" << "groupBox" << QPoint(100, 295) << "pushButton_8";
    QTest::newRow("ro group/Referințe") << "ro" << "Dialogr" << QPoint(100, 470) << "pushButton_5";
    QTest::newRow("ro Referințe/Credite") << "ro" << "Dialogr" << QPoint(100, 525) << "pushButton_7";
}

void tst_Menus::laterEntriesAreDrawnOnTop()
{
    QFETCH(QString, language);
    QFETCH(QString, parent);
    QFETCH(QPoint, point);
    QFETCH(QString, onTop);

    auto menu = makeMenu(language);
    QWidget *container = parent == menu->objectName() ? menu.get() : menu->findChild<QWidget *>(parent);
    QVERIFY2(container, qPrintable(parent));
    QWidget *hit = container->childAt(point);
    QVERIFY2(hit, "no widget there");
    QCOMPARE(hit->objectName(), onTop);
}

void tst_Menus::windowIsFixedAndShowsEveryWidget_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("size");

    QTest::newRow("Dialog") << "en" << QSize(1024, 580);
    QTest::newRow("Dialogr") << "ro" << QSize(1024, 590);
}

void tst_Menus::windowIsFixedAndShowsEveryWidget()
{
    QFETCH(QString, language);
    QFETCH(QSize, size);

    auto menu = makeMenu(language);
    QCOMPARE(menu->size(), size);
    QCOMPARE(menu->minimumSize(), size);
    QCOMPARE(menu->maximumSize(), size);
    QCOMPARE(stylesheets::normalised(menu->styleSheet()),
             stylesheets::normalised(stylesheets::background(menu->objectName(), QStringLiteral("bk13.jpg"))));
    QVERIFY(!menu->windowIcon().isNull());
    const QRect window(QPoint(0, 0), size);
    for (QWidget *child : menu->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(window.contains(child->geometry()),
                 qPrintable(QStringLiteral("%1 ends at y=%2").arg(child->objectName()).arg(child->geometry().bottom() + 1)));
    }
}

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
