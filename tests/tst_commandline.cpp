// The program's command line, run as a user runs it: help, version and usage errors without
// any display, the one-line failure when no display can be opened, and --lang starting the
// menu of that language through the event loop with no chooser.
#include "commandline.h"
#include "testsupport.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>
#include <QtTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(closeStrayWindows(), 0); }

    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM; DISPLAY and WAYLAND_DISPLAY are unset
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");      // stdout must start with this
        QTest::addColumn<QString>("err");      // stderr must start with this ("" = empty)

        const QString usage = QStringLiteral("Usage: ");
        QTest::newRow("help") << QStringList{"--help"} << "" << 0 << usage << "";
        QTest::newRow("-h") << QStringList{"-h"} << "" << 0 << usage << "";
        QTest::newRow("version") << QStringList{"--version"} << "" << 0
                                 << QStringLiteral("showerscope " SHOWERSCOPE_VERSION "\n") << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "offscreen" << 2 << ""
                                        << "showerscope: Unknown option 'bogus'.\n\nUsage: ";
        QTest::newRow("toolkit option, unknown one") << QStringList{"-style", "fusion", "-bogus"} << "offscreen" << 2 << ""
                                                     << "showerscope: Unknown option 'bogus'.";
        QTest::newRow("unknown language") << QStringList{"--lang", "fr"} << "offscreen" << 2 << ""
                                          << "showerscope: unknown language 'fr' (use en or ro)";
        QTest::newRow("missing language") << QStringList{"--lang"} << "offscreen" << 2 << ""
                                          << "showerscope: Missing value after '--lang'.";
        QTest::newRow("file argument") << QStringList{"some/file.png"} << "offscreen" << 2 << ""
                                       << "showerscope: unexpected argument 'some/file.png'";
        QTest::newRow("no display") << QStringList{} << "" << 1 << ""
                                    << "showerscope: cannot open a display: could not connect to display";
        QTest::newRow("no display, --lang") << QStringList{"--lang", "ro"} << "" << 1 << ""
                                            << "showerscope: cannot open a display: ";
        QTest::newRow("missing plugin") << QStringList{} << "nosuch" << 1 << ""
                                        << "showerscope: cannot open a display: Could not find the Qt platform plugin \"nosuch\"\n";
        QTest::newRow("-platform reaches the toolkit") << QStringList{"-platform", "other"} << "offscreen" << 1 << ""
                                                       << "showerscope: cannot open a display: Could not find the Qt platform plugin \"other\"\n";
    }

    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(SHOWERSCOPE_BINARY), arguments);
        QVERIFY(program.waitForStarted());
        if (!program.waitForFinished(20000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program was still running after 20 s");
        }
        const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no abort, no core
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
        if (status == 1)
            QCOMPARE(stdErr.count(QLatin1Char('\n')), 1); // one line, nothing of the toolkit's
        if (status == 0 && out == QLatin1String("Usage: ")) // the help lists the program's own options
            QVERIFY(stdOut.contains(QLatin1String("--lang <language>")) && stdOut.contains(QLatin1String("--version")));
    }

    // The path main() takes after the arguments: the menu opens inside the event loop, the
    // chooser never appears, and closing the menu ends the loop.
    void language_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("menu");
        QTest::newRow("--lang ro") << QStringList{"--lang", "ro"} << "Dialogr";
        QTest::newRow("--lang=en") << QStringList{"--lang=en"} << "Dialog";
        QTest::newRow("-lang ro") << QStringList{"-lang", "ro"} << "Dialogr";
        QTest::newRow("--explore") << QStringList{"--explore"} << "Dialog14";
        QTest::newRow("--explore --lang ro") << QStringList{"--explore", "--lang", "ro"} << "Dialogr14";
    }

    void language()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, menu);
        QString out, err;
        const commandline::Options options =
            commandline::parse(QStringList{"showerscope"} + arguments, &out, &err);
        QCOMPARE(options.exitStatus, -1);
        QVERIFY(!options.chooseLanguage);
        QVERIFY(out.isEmpty() && err.isEmpty());

        QString opened;
        bool chooserSeen = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                chooserSeen = chooserSeen || (qobject_cast<QMainWindow *>(w) && w->isVisible());
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, [&] { timedOut = true; QApplication::exit(3); });
        poll.start();
        watchdog.start(15000);
        if (options.explore)
            openExplorerOnceRunning(options.language);
        else
            openMenuOnceRunning(options.language);
        const int status = QApplication::exec();
        QVERIFY(!timedOut);
        QCOMPARE(status, 0);
        QCOMPARE(opened, menu);
        QVERIFY(!chooserSeen);
    }
};

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
