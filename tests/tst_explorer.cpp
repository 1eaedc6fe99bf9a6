// The shower explorer: every control reaches the views it should (and only those), the Romanian
// screen writes decimal commas on screen and decimal points in the CSV, and Tab reaches every
// control, each named for screen readers.
#include "common/explorer.h"
#include "common/keyboard.h"
#include "common/sound.h"
#include "testsupport.h"

#include "en/explorer.h"
#include "ro/explorer.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using explorer::ShowerExplorer;

namespace {

enum View { Profile = 1, Footprint = 2, Pulse = 4, Numbers = 8 };

// What each view shows, as data: a change in a view changes its entry.
QStringList seriesText(QChartView *view)
{
    QStringList all;
    for (QAbstractSeries *s : view->chart()->series()) {
        if (auto *line = qobject_cast<QXYSeries *>(s)) {
            QString text;
            for (const QPointF &p : line->points())
                text += QStringLiteral("%1 %2;").arg(p.x()).arg(p.y());
            all << text;
        }
    }
    return all;
}

struct Snapshot
{
    QStringList profile;
    QImage map;
    QStringList antennas;
    int selected = -1;
    QStringList pulse;
    QStringList numbers;
    QStringList descriptions;

    static Snapshot of(ShowerExplorer *e)
    {
        Snapshot s;
        s.profile = seriesText(e->findChild<QChartView *>(QStringLiteral("profileView")));
        s.map = e->footprint().map;
        for (const model::Vec3 &f : e->footprint().fields)
            s.antennas << QStringLiteral("%1 %2 %3").arg(f.east).arg(f.north).arg(f.up);
        s.selected = e->selectedAntenna();
        s.pulse = seriesText(e->findChild<QChartView *>(QStringLiteral("pulseView")));
        for (QLabel *label : e->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^value_"))))
            s.numbers << label->objectName() + QLatin1Char('=') + label->text();
        for (const char *name : {"profileView", "footprintView", "pulseView", "numbersPanel"})
            s.descriptions << e->findChild<QWidget *>(QString::fromLatin1(name))->accessibleDescription();
        return s;
    }

    int changedViews(const Snapshot &before) const
    {
        int changed = 0;
        if (profile != before.profile || descriptions[0] != before.descriptions[0])
            changed |= Profile;
        if (map != before.map || antennas != before.antennas || selected != before.selected ||
            descriptions[1] != before.descriptions[1])
            changed |= Footprint;
        if (pulse != before.pulse || descriptions[2] != before.descriptions[2])
            changed |= Pulse;
        if (numbers != before.numbers || descriptions[3] != before.descriptions[3])
            changed |= Numbers;
        return changed;
    }
};

// Counts the paints and resizes of the chart views' viewports.
class PaintCounter : public QObject
{
public:
    QHash<QObject *, int> paints;
    int resizes = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        paints[watched] += event->type() == QEvent::Paint;
        resizes += event->type() == QEvent::Resize;
        return false;
    }
};

std::unique_ptr<QDialog> shownExplorer(const QString &className)
{
    auto dialog = newScreen(className);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

ShowerExplorer *explorerOf(QDialog *dialog)
{
    return dialog->findChild<ShowerExplorer *>();
}

} // namespace

class tst_Explorer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { sound::setBackend([](const QString &) {}); }
    void cleanupTestCase() { sound::setBackend({}); }
    void cleanup() { QCOMPARE(closeStrayWindows(), 0); }

    void controlChangesItsViews_data();
    void controlChangesItsViews();
    void numbersFollowTheLanguage_data();
    void numbersFollowTheLanguage();
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
};

void tst_Explorer::controlChangesItsViews_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key"); // pressed on the control
    QTest::addColumn<int>("views");

    const int all = Profile | Footprint | Pulse | Numbers;
    QTest::newRow("energy") << "energySlider" << int(Qt::Key_Right) << all;
    QTest::newRow("primary") << "primaryBox" << int(Qt::Key_Down) << all;
    QTest::newRow("hadronic model") << "modelBox" << int(Qt::Key_Down) << all;
    QTest::newRow("zenith") << "zenithSlider" << int(Qt::Key_PageUp) << all;
    // The arrival direction turns the footprint and the field, not the cascade.
    QTest::newRow("azimuth") << "azimuthSlider" << int(Qt::Key_PageUp) << (Footprint | Pulse | Numbers);
    QTest::newRow("site") << "siteBox" << int(Qt::Key_Down) << all;
    QTest::newRow("new shower") << "newShowerButton" << int(Qt::Key_Space) << all;
    // Another antenna: its mark on the map and its pulse; the shower stays.
    QTest::newRow("antenna") << "footprintView" << int(Qt::Key_Up) << (Footprint | Pulse);
}

void tst_Explorer::controlChangesItsViews()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, views);

    auto dialog = shownExplorer(QStringLiteral("Dialog14"));
    QVERIFY(dialog);
    ShowerExplorer *e = explorerOf(dialog.get());
    QWidget *widget = e->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    const Snapshot before = Snapshot::of(e);
    PaintCounter counter;
    const QList<QChartView *> charts = e->findChildren<QChartView *>();
    for (QChartView *chart : charts)
        chart->viewport()->installEventFilter(&counter);
    QTest::keyClick(widget, Qt::Key(key));
    QCoreApplication::processEvents();
    const Snapshot after = Snapshot::of(e);
    QCOMPARE(after.changedViews(before), views);
    // One repaint per changed graph, and nothing moves: a graph drawn twice per change, or a
    // layout that shifts with the values, costs the explorer its frame.
    for (QChartView *chart : charts) {
        const int paints = counter.paints.value(chart->viewport());
        const bool changed = (chart->objectName() == QLatin1String("profileView") && (views & Profile)) ||
                             (chart->objectName() == QLatin1String("footprintView") && (views & Footprint)) ||
                             (chart->objectName() == QLatin1String("pulseView") && (views & Pulse));
        QVERIFY2(paints <= 1 && (paints == 1 || !changed),
                 qPrintable(chart->objectName() + QStringLiteral(" painted %1 times").arg(paints)));
    }
    QCOMPARE(counter.resizes, 0);

    // Reset brings back the opening state exactly.
    QTest::keyClick(e->findChild<QPushButton *>(QStringLiteral("resetButton")), Qt::Key_Space);
    QCOMPARE(Snapshot::of(e).changedViews(before), 0);
}

void tst_Explorer::numbersFollowTheLanguage_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("energy");
    QTest::addColumn<QString>("groundCaption");

    QTest::newRow("en") << "Dialog14" << "." << "10<sup>18.3</sup> eV = 2.0 EeV" << "Muons at the ground";
    QTest::newRow("ro") << "Dialogr14" << "," << "10<sup>18,3</sup> eV = 2,0 EeV" << "Miuoni la sol";
}

void tst_Explorer::numbersFollowTheLanguage()
{
    QFETCH(QString, screen);
    QFETCH(QString, decimal);
    QFETCH(QString, energy);
    QFETCH(QString, groundCaption);

    auto dialog = shownExplorer(screen);
    QVERIFY(dialog);
    ShowerExplorer *e = explorerOf(dialog.get());
    QVERIFY(e);

    QStringList shown;
    QLabel *energyLabel = nullptr;
    for (QLabel *label : e->findChildren<QLabel *>()) {
        shown << label->text();
        if (label->text() == energy)
            energyLabel = label;
    }
    QVERIFY2(energyLabel, qPrintable(shown.join(QLatin1String(" | "))));
    // A screen reader hears the power of ten spoken, not the label's "1018.3".
    QCOMPARE(energyLabel->accessibleName(), e->findChild<QWidget *>(QStringLiteral("energySlider"))->accessibleDescription());
    QVERIFY2(shown.contains(groundCaption), qPrintable(groundCaption));

    // Every decimal on screen and in what a screen reader hears uses the language's mark.
    const QString other = decimal == QLatin1String(".") ? QStringLiteral(",") : QStringLiteral(".");
    const QRegularExpression wrong(QStringLiteral("\\d\\") + other + QStringLiteral("\\d"));
    const QRegularExpression right(QStringLiteral("\\d\\") + decimal + QStringLiteral("\\d"));
    const QString cherenkov = e->findChild<QLabel *>(QStringLiteral("value_cherenkov_angle_deg"))->text();
    QVERIFY2(right.match(cherenkov).hasMatch(), qPrintable(cherenkov));
    QStringList spoken = shown;
    for (const char *name : {"profileView", "footprintView", "pulseView", "numbersPanel", "energySlider"})
        spoken << e->findChild<QWidget *>(QString::fromLatin1(name))->accessibleDescription();
    for (const QString &text : spoken)
        QVERIFY2(!wrong.match(text).hasMatch(), qPrintable(text));
    QCOMPARE(e->findChild<QChartView *>(QStringLiteral("profileView"))->chart()->locale().decimalPoint(),
             e->numberLocale().decimalPoint());

    // The CSV is for programs: decimal points in either language, the same values as shown.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("shower.csv"));
    QVERIFY(e->writeCsv(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(file.readAll());
    const QRegularExpressionMatch xmax = QRegularExpression(QStringLiteral("^xmax_g_cm2,([^\\n]+)$"),
                                                            QRegularExpression::MultilineOption).match(csv);
    QVERIFY2(xmax.hasMatch(), qPrintable(csv.left(400)));
    bool ok = false;
    QCOMPARE(qRound(QLocale::c().toDouble(xmax.captured(1), &ok)), qRound(e->summary().xmax_g_cm2));
    QVERIFY(ok);
    QVERIFY(csv.contains(QLatin1String("\ntime_ns,east_west_uV_m,north_south_uV_m,vertical_uV_m\n")));
}

void tst_Explorer::tabReachesEveryControl_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("en") << "Dialog14";
    QTest::newRow("ro") << "Dialogr14";
}

void tst_Explorer::tabReachesEveryControl()
{
    QFETCH(QString, screen);
    auto dialog = shownExplorer(screen);
    QVERIFY(dialog);
    keyboard::prepare(dialog.get()); // as modal opening does
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    QList<QWidget *> controls;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisible() || qobject_cast<QScrollBar *>(w))
            continue; // a chart view's hidden scroll bars, a closed list's parts
        if (qobject_cast<QAbstractSlider *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QPushButton *>(w) ||
            w->objectName() == QLatin1String("footprintView"))
            controls << w;
    }
    QVERIFY(controls.size() >= 14);

    QSet<QWidget *> reached;
    QWidget *first = nullptr;
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            continue;
        if (focus == first)
            break;
        if (!first)
            first = focus;
        reached.insert(focus);
        // Every stop shows where the keyboard is: the amber mark lies over it.
        const QFrame *mark = focus->parentWidget()->findChild<QFrame *>(QStringLiteral("focusMark"));
        QVERIFY2(mark && mark->isVisible() && mark->geometry().intersects(focus->geometry()),
                 qPrintable(focus->objectName()));
    }
    for (QWidget *control : controls) {
        QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
        QVERIFY(a);
        QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
    }
}

QTEST_MAIN(tst_Explorer)
#include "tst_explorer.moc"
