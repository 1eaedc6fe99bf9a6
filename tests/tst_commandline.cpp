// The program's command line, run as a user runs it: help, version and usage errors without
// any display, the one-line failure when no display can be opened, and --lang starting the
// menu of that language through the event loop with no chooser.
#include "commandline.h"
#include "shower.h"
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
        QTest::newRow("shower without a display") << QStringList{"--shower", "--energy", "1e19", "--primary", "Fe", "--zenith", "67",
                                                                 "--azimuth", "270", "--site", "south", "--model", "epos-lhc"}
                                                  << "" << 0 << "energy_ev,primary,zenith_deg," << "";
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

    // --shower with one bad or missing value: exit status 2 and one line naming the option and
    // what it allows.
    void showerBadValue_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("value");     // "" leaves the option out, "(none)" gives it last, without a value
        QTest::addColumn<QString>("message");
        QTest::newRow("energy below range") << "energy" << "9.9e16" << "--energy must be a number of eV from 1e17 to 1e20, not '9.9e16'";
        QTest::newRow("energy above range") << "energy" << "2e20" << "--energy must be a number of eV from 1e17 to 1e20";
        QTest::newRow("energy not a number") << "energy" << "1e18eV" << "--energy must be a number of eV from 1e17 to 1e20";
        QTest::newRow("energy nan") << "energy" << "nan" << "--energy must be a number of eV from 1e17 to 1e20";
        QTest::newRow("energy missing") << "energy" << "" << "--shower needs --energy (a number of eV from 1e17 to 1e20)";
        QTest::newRow("zenith negative") << "zenith" << "-1" << "--zenith must be a number of degrees from 0 to 80, not '-1'";
        QTest::newRow("zenith above 80") << "zenith" << "80.5" << "--zenith must be a number of degrees from 0 to 80";
        QTest::newRow("zenith missing") << "zenith" << "" << "--shower needs --zenith";
        QTest::newRow("azimuth not a number") << "azimuth" << "south" << "--azimuth must be a number of degrees";
        QTest::newRow("azimuth missing") << "azimuth" << "" << "--shower needs --azimuth";
        QTest::newRow("primary unknown") << "primary" << "proton" << "--primary must be one of p, He, N, Fe, not 'proton'";
        QTest::newRow("primary wrong case") << "primary" << "fe" << "--primary must be one of p, He, N, Fe";
        QTest::newRow("site unknown") << "site" << "east" << "--site must be south or north, not 'east'";
        QTest::newRow("model unknown") << "model" << "qgsjet" << "--model must be one of epos-lhc, qgsjet-ii-04, sibyll-2.3d";
        QTest::newRow("model missing") << "model" << "" << "--shower needs --model";
        QTest::newRow("model without its value") << "model" << "(none)" << "Missing value after '--model'.";
    }

    void showerBadValue()
    {
        QFETCH(QString, option);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QMap<QString, QString> values{{"energy", "1e18"}, {"primary", "p"}, {"zenith", "30"},
                                      {"azimuth", "270"}, {"site", "south"}, {"model", "epos-lhc"}};
        if (value.isEmpty())
            values.remove(option);
        else
            values[option] = value;
        QStringList arguments{"showerscope", "--shower"};
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (it.value() != QLatin1String("(none)"))
                arguments << "--" + it.key() << it.value();
        }
        if (value == QLatin1String("(none)"))
            arguments << "--" + option;
        QString out, err;
        const commandline::Options options = commandline::parse(arguments, &out, &err);
        QCOMPARE(options.exitStatus, 2);
        QVERIFY2(out.isEmpty(), qPrintable(out));
        QVERIFY2(err.startsWith("showerscope: " + message) && err.count('\n') == 1, qPrintable(err));
    }

    // One shower's row: the header, twenty columns, and the numbers of the model.
    void showerRow()
    {
        QString out, err;
        const commandline::Options options = commandline::parse(
            {"showerscope", "--shower", "--energy", "1e19", "--primary", "N", "--zenith", "60", "--azimuth", "90",
             "--site", "north", "--model", "sibyll-2.3d"}, &out, &err);
        QCOMPARE(options.exitStatus, 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral(
            "energy_ev,primary,zenith_deg,azimuth_deg,site,model,xmax_g_cm2,xmax_sigma_g_cm2,ground_slant_depth_g_cm2,"
            "height_xmax_km,distance_xmax_km,n_max,electrons_ground,muons_ground,alpha_deg,charge_excess_fraction,"
            "cherenkov_angle_deg,cherenkov_radius_m,radiation_energy_mev,peak_field_uv_m"));
        const QStringList row = lines[1].split(',');
        QCOMPARE(row.size(), 20);
        QCOMPARE(row.mid(0, 6), (QStringList{"1e+19", "N", "60", "90", "north", "sibyll-2.3d"}));
        model::ShowerInput input;
        input.energy_eV = 1e19;
        input.primary = model::Primary::Nitrogen;
        input.zenith_deg = 60.0;
        input.azimuth_deg = 90.0;
        input.site = model::Site::North;
        input.hadronicModel = model::HadronicModel::Sibyll23d;
        const model::ShowerSummary s = model::ShowerModel(input).summary();
        const auto close = [](const QString &text, double value) { return std::abs(text.toDouble() / value - 1.0) < 1e-6; };
        QVERIFY2(close(row[6], s.xmax_g_cm2) && close(row[8], 1036.10 / 0.5), qPrintable(lines[1]));
        QVERIFY2(close(row[13], s.muonsGround) && close(row[19], s.peakField_uV_m), qPrintable(lines[1]));
    }

    // Help or version that cannot be written (a full disk here) is an error, not a success.
    void unwritableOutputFails_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("help") << "--help";
        QTest::newRow("version") << "--version";
    }

    void unwritableOutputFails()
    {
        QFETCH(QString, option);
        QProcess program;
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(SHOWERSCOPE_BINARY), {option});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(stdErr.startsWith(QLatin1String("showerscope: write error: ")) && stdErr.count(QLatin1Char('\n')) == 1,
                 qPrintable(stdErr));
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
