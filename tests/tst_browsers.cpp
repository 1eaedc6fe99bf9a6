// The two simulation browsers in both languages: per-particle mode boxes and how they look,
// zenith presses, the hint when no box is checked, the resources they load, and how many scenes
// and movies stay alive.
#include "testsupport.h"

#include "common/selection.h"
#include "common/sound.h"
#include "en/comparison.h"
#include "en/results.h"
#include "en/simulations.h"
#include "ro/comparison.h"
#include "ro/results.h"
#include "ro/simulations.h"

#include <QCheckBox>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGridLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyleOptionButton>
#include <QScrollArea>
#include <QtTest>

#include <memory>

namespace {

const QStringList Screens = {"Dialog11", "Dialogr11", "Dialog12", "Dialogr12r"};
const QStringList ZenithButtons = {"pushButton",   "pushButton_2", "pushButton_3", "pushButton_4",
                                   "pushButton_5", "pushButton_6", "pushButton_7"};

bool animated(const QString &screen)
{
    return screen.contains(QLatin1String("11"));
}

QStringList protonBoxes(const QString &screen)
{
    return animated(screen) ? QStringList{"checkBox", "checkBox_3"}
                            : QStringList{"checkBox", "checkBox_3", "checkBox_5"};
}

QStringList ironBoxes(const QString &screen)
{
    return animated(screen) ? QStringList{"checkBox_2", "checkBox_4"}
                            : QStringList{"checkBox_2", "checkBox_4", "checkBox_6"};
}

QCheckBox *box(QWidget *screen, const QString &name)
{
    return screen->findChild<QCheckBox *>(name);
}

// A click on the box's indicator, as a user toggles it.
void click(QCheckBox *checkBox)
{
    QTest::mouseClick(checkBox, Qt::LeftButton, Qt::NoModifier, QPoint(6, checkBox->height() / 2));
}

QGraphicsView *pane(QWidget *screen, bool left)
{
    return screen->findChild<QGraphicsView *>(left ? "graphicsView" : "graphicsView_2");
}

// What a pane shows: the GIF its movie plays, or the picture name recorded on its scene.
QString shown(QGraphicsView *view)
{
    QGraphicsScene *scene = view->scene();
    if (!scene)
        return QString();
    if (const QMovie *movie = scene->findChild<QMovie *>())
        return movie->fileName();
    return selection::shownResource(view);
}

void setAllBoxes(QWidget *screen, bool checked)
{
    for (QCheckBox *checkBox : screen->findChildren<QCheckBox *>()) {
        const QSignalBlocker quiet(checkBox);
        checkBox->setChecked(checked);
    }
}

QStringList checkedBoxes(QWidget *screen)
{
    QStringList names;
    for (QCheckBox *checkBox : screen->findChildren<QCheckBox *>()) {
        if (checkBox->isChecked())
            names << checkBox->objectName();
    }
    names.sort();
    return names;
}

// Scenes owned by any widget (the screen's tree and its hidden owner views), and running movies.
int liveScenes()
{
    int count = 0;
    for (QWidget *widget : QApplication::allWidgets())
        count += widget->findChildren<QGraphicsScene *>(QString(), Qt::FindDirectChildrenOnly).size();
    return count;
}

// Movies belong to the scenes they play in.
int runningMovies()
{
    int count = 0;
    for (QWidget *widget : QApplication::allWidgets()) {
        for (QGraphicsScene *scene : widget->findChildren<QGraphicsScene *>(QString(), Qt::FindDirectChildrenOnly)) {
            for (QMovie *movie : scene->findChildren<QMovie *>(QString(), Qt::FindDirectChildrenOnly))
                count += movie->state() == QMovie::Running;
        }
    }
    return count;
}

// The box's indicator as drawn on the screen, in the screen's own pixels.
QImage indicatorOf(QWidget *screen, QCheckBox *checkBox)
{
    QStyleOptionButton option;
    option.initFrom(checkBox);
    const QRect indicator = checkBox->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, checkBox);
    const QImage whole = screen->grab().toImage();
    return whole.copy(QRect(checkBox->mapTo(screen, indicator.topLeft()), indicator.size()));
}

int brightPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) > 160;
    }
    return count;
}

} // namespace

class TestBrowsers : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void checkingClearsSameParticleOnly_data();
    void checkingClearsSameParticleOnly();
    void indicatorShowsInBothStates_data();
    void indicatorShowsInBothStates();
    void zenithPress_data();
    void zenithPress();
    void hintWhenNoBoxIsChecked_data();
    void hintWhenNoBoxIsChecked();
    void ironComparisonModesInTurn_data();
    void ironComparisonModesInTurn();
    void everyResourceExists();
    void scenesAndMoviesStayFew_data();
    void scenesAndMoviesStayFew();
    void zenithGridLeavesColumnTwoEmpty_data();
    void zenithGridLeavesColumnTwoEmpty();
    void tabReachesEveryControlInView_data();
    void tabReachesEveryControlInView();
};

void TestBrowsers::cleanup()
{
    sound::setBackend({});
    QVERIFY2(closeStrayWindows() == 0, "a window was left open");
}

void TestBrowsers::checkingClearsSameParticleOnly_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("changed");
    for (const QString &screen : Screens) {
        for (const QString &name : protonBoxes(screen) + ironBoxes(screen))
            QTest::addRow("%s %s", qPrintable(screen), qPrintable(name)) << screen << name;
    }
}

void TestBrowsers::checkingClearsSameParticleOnly()
{
    QFETCH(QString, screen);
    QFETCH(QString, changed);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    const bool proton = protonBoxes(screen).contains(changed);
    const QStringList same = proton ? protonBoxes(screen) : ironBoxes(screen);
    const QStringList other = proton ? ironBoxes(screen) : protonBoxes(screen);

    // Both panes show something, so that a change to either would be seen.
    click(box(dialog.get(), protonBoxes(screen).constFirst()));
    click(box(dialog.get(), ironBoxes(screen).constFirst()));
    dialog->findChild<QPushButton *>("pushButton")->click();
    QGraphicsScene *left = pane(dialog.get(), true)->scene();
    QGraphicsScene *right = pane(dialog.get(), false)->scene();
    QVERIFY(left && right);

    SoundLog log;
    setAllBoxes(dialog.get(), true);
    box(dialog.get(), changed)->setChecked(false); // unchecking: nothing else moves
    QStringList expected = same + other;
    expected.removeOne(changed);
    expected.sort();
    QCOMPARE(checkedBoxes(dialog.get()), expected);

    click(box(dialog.get(), changed)); // checking clears its particle's others
    expected = other + QStringList{changed};
    expected.sort();
    QCOMPARE(checkedBoxes(dialog.get()), expected);

    QCOMPARE(pane(dialog.get(), true)->scene(), left);
    QCOMPARE(pane(dialog.get(), false)->scene(), right);
    QVERIFY2(log.events().isEmpty(), qPrintable(log.events().join(' ')));
}

void TestBrowsers::indicatorShowsInBothStates_data()
{
    QTest::addColumn<QString>("screen");
    for (const QString &screen : Screens)
        QTest::newRow(qPrintable(screen)) << screen;
}

// On the dark sky an unchecked box still shows a light edge, and checking it changes the box.
void TestBrowsers::indicatorShowsInBothStates()
{
    QFETCH(QString, screen);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    setAllBoxes(dialog.get(), false);
    for (QCheckBox *checkBox : dialog->findChildren<QCheckBox *>()) {
        const QImage unchecked = indicatorOf(dialog.get(), checkBox);
        const int edge = brightPixels(unchecked);
        QVERIFY2(edge >= 2 * unchecked.width(), qPrintable(QStringLiteral("%1: %2 light pixels in %3x%4")
            .arg(checkBox->objectName()).arg(edge).arg(unchecked.width()).arg(unchecked.height())));
        const QSignalBlocker quiet(checkBox);
        checkBox->setChecked(true);
        QVERIFY2(indicatorOf(dialog.get(), checkBox) != unchecked, qPrintable(checkBox->objectName()));
        checkBox->setChecked(false);
    }
}

void TestBrowsers::zenithPress_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("changes"); // each sound, then the pane that changed and what it shows

    for (const QString screen : {"Dialog11", "Dialogr11"}) {
        auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s %s", qPrintable(screen), name) << screen; };
        row("no box") << QStringList{} << "pushButton_4" << QStringList{};
        row("proton Polarizations 10") << QStringList{"checkBox"} << "pushButton" << QStringList{"L:/pol_prot_z10.gif"};
        row("proton Amp 40") << QStringList{"checkBox_3"} << "pushButton_4" << QStringList{"L:/ampt_prot_z40.gif"};
        row("iron Polarizations 60") << QStringList{"checkBox_2"} << "pushButton_6" << QStringList{"R:/pol_iron_z60.gif"};
        row("iron Amp 50") << QStringList{"checkBox_4"} << "pushButton_5" << QStringList{"R:/ampt_iron_z50.gif"};
        row("proton Amp, iron Polarizations 30") << QStringList{"checkBox_3", "checkBox_2"} << "pushButton_3"
                                                 << QStringList{"R:/pol_iron_z30.gif", "L:/ampt_prot_z30.gif"};
        row("proton Polarizations, iron Amp 70") << QStringList{"checkBox", "checkBox_4"} << "pushButton_7"
                                                 << QStringList{"L:/pol_prot_z70.gif", "R:/ampt_iron_z70.gif"};
        row("proton mode switched 20") << QStringList{"checkBox_3", "checkBox"} << "pushButton_2"
                                       << QStringList{"L:/pol_prot_z20.gif"};
    }
    for (const QString screen : {"Dialog12", "Dialogr12r"}) {
        auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s %s", qPrintable(screen), name) << screen; };
        row("no box") << QStringList{} << "pushButton_7" << QStringList{};
        row("proton CoREAS/VXB 40") << QStringList{"checkBox"} << "pushButton_4"
                                    << QStringList{"L:/GEOM_ASK_EW_VS_NS_Zen40_p.png"};
        row("proton CoREAS vs. VXB 50") << QStringList{"checkBox_3"} << "pushButton_5"
                                        << QStringList{"L:/LOG_COREAS_VS_LOG_VXB_Zenith50_p.png"};
        row("proton Pol 20") << QStringList{"checkBox_5"} << "pushButton_2" << QStringList{"L:/mean_20p.png"};
        row("iron Pol 10") << QStringList{"checkBox_6"} << "pushButton" << QStringList{"R:/mean_10fe.png"};
        row("proton Pol, iron CoREAS vs. VXB 30") << QStringList{"checkBox_5", "checkBox_4"} << "pushButton_3"
                                                  << QStringList{"R:/LOG_COREAS_VS_LOG_VXB_Zenith30_i.png", "L:/mean_30p.png"};
        row("proton CoREAS/VXB, iron Pol 10") << QStringList{"checkBox", "checkBox_6"} << "pushButton"
                                              << QStringList{"L:/GEOM_ASK_EW_VS_NS_Zen10_p.png", "R:/mean_10fe.png"};
        row("proton CoREAS vs. VXB, iron CoREAS/VXB 60") << QStringList{"checkBox_3", "checkBox_2"} << "pushButton_6"
                                                         << QStringList{"R:/GEOM_ASK_EW_VS_NS_Zen60_i.png", "L:/LOG_COREAS_VS_LOG_VXB_Zenith60_p.png"};
        row("iron mode switched 70") << QStringList{"checkBox_6", "checkBox_2"} << "pushButton_7"
                                     << QStringList{"R:/GEOM_ASK_EW_VS_NS_Zen70_i.png"};
    }
}

void TestBrowsers::zenithPress()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, checks);
    QFETCH(QString, button);
    QFETCH(QStringList, changes);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    QGraphicsView *left = pane(dialog.get(), true);
    QGraphicsView *right = pane(dialog.get(), false);

    // Both panes start with something shown, then every box is cleared again.
    click(box(dialog.get(), protonBoxes(screen).constLast()));
    click(box(dialog.get(), ironBoxes(screen).constLast()));
    dialog->findChild<QPushButton *>("pushButton_2")->click();
    setAllBoxes(dialog.get(), false);
    for (const QString &name : checks)
        click(box(dialog.get(), name));

    // At each sound, the panes as they are; the next state tells which pane that sound went with.
    using State = std::pair<QGraphicsScene *, QGraphicsScene *>;
    const State before(left->scene(), right->scene());
    QList<State> states;
    QStringList sounds;
    sound::setBackend([&](const QString &path) {
        sounds << path;
        states << State(left->scene(), right->scene());
    });
    dialog->findChild<QPushButton *>(button)->click();
    sound::setBackend({});
    states << State(left->scene(), right->scene());

    QStringList clicks;
    for (int i = 0; i < changes.size(); ++i)
        clicks << QStringLiteral(":/click4.wav");
    QCOMPARE(sounds, clicks);
    QStringList actual;
    for (int i = 0; i + 1 < states.size(); ++i) {
        const bool leftChanged = states[i].first != states[i + 1].first;
        const bool rightChanged = states[i].second != states[i + 1].second;
        QVERIFY2(leftChanged != rightChanged,
                 qPrintable(QStringLiteral("sound %1 changed %2 panes").arg(i).arg(leftChanged + rightChanged)));
        actual << (leftChanged ? QStringLiteral("L") + shown(left) : QStringLiteral("R") + shown(right));
    }
    QCOMPARE(actual, changes);
    QVERIFY2(states.constFirst() == before, "a pane changed before the first sound");


    // Each pane fits its whole scene; an animation plays with its whole frame.
    for (QGraphicsView *view : {left, right}) {
        QGraphicsScene *scene = view->scene();
        QVERIFY(scene);
        const QRect onScreen = view->mapFromScene(scene->sceneRect()).boundingRect();
        QVERIFY2(view->viewport()->rect().adjusted(-1, -1, 1, 1).contains(onScreen),
                 qPrintable(QStringLiteral("%1x%2").arg(onScreen.width()).arg(onScreen.height())));
        if (animated(screen)) {
            auto *frame = qgraphicsitem_cast<QGraphicsPixmapItem *>(scene->items().value(0));
            QVERIFY(frame);
            const QMovie *movie = scene->findChild<QMovie *>();
            QVERIFY(movie);
            QCOMPARE(movie->state(), QMovie::Running);
            QCOMPARE(frame->pixmap().size(), movie->frameRect().size()); // the whole frame, not cropped
        }
    }
}

void TestBrowsers::hintWhenNoBoxIsChecked_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("text");
    QTest::newRow("Dialog11") << "Dialog11" << "Choose Proton or Iron above";
    QTest::newRow("Dialogr11") << "Dialogr11" << "Alegeți mai sus particula primară";
    QTest::newRow("Dialog12") << "Dialog12" << "Choose Proton or Iron above";
    QTest::newRow("Dialogr12r") << "Dialogr12r" << "Alegeți mai sus particula primară";
}

// A press with no box checked changes nothing and moves no mark, but says over the panes what to
// choose; checking a box takes the hint away, and so does a press that shows something.
void TestBrowsers::hintWhenNoBoxIsChecked()
{
    QFETCH(QString, screen);
    QFETCH(QString, text);
    SoundLog log;
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    QWidget *hint = selection::hint(dialog.get());
    QVERIFY(hint);
    QVERIFY(!hint->isVisible());
    auto *zenith40 = dialog->findChild<QPushButton *>("pushButton_4");
    auto *zenith70 = dialog->findChild<QPushButton *>("pushButton_7");

    QTest::mouseClick(zenith40, Qt::LeftButton);
    QVERIFY(hint->isVisible());
    QCOMPARE(qobject_cast<QLabel *>(hint)->text(), text);
    QVERIFY(!zenith40->isChecked());
    QVERIFY(!pane(dialog.get(), true)->scene() && !pane(dialog.get(), false)->scene());
    QCOMPARE(log.events(), QStringList());
    // It lies over the panes, between their centres.
    const QRect panes = QRect(pane(dialog.get(), true)->mapTo(dialog.get(), QPoint()), pane(dialog.get(), true)->size()) |
                        QRect(pane(dialog.get(), false)->mapTo(dialog.get(), QPoint()), pane(dialog.get(), false)->size());
    const QRect where(hint->mapTo(dialog.get(), QPoint()), hint->size());
    QVERIFY2(panes.contains(where), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(where.x()).arg(where.y())
                                                  .arg(where.width()).arg(where.height())));
    QVERIFY(qAbs(where.center().x() - panes.center().x()) <= 1);

    click(box(dialog.get(), ironBoxes(screen).constFirst()));
    QVERIFY(!hint->isVisible());
    QTest::mouseClick(zenith40, Qt::LeftButton);
    QVERIFY(zenith40->isChecked());
    QVERIFY(!hint->isVisible());

    // Nothing checked again: the hint comes back and the mark stays on 40.
    setAllBoxes(dialog.get(), false);
    QTest::mouseClick(zenith70, Qt::LeftButton);
    QVERIFY(hint->isVisible());
    QVERIFY(zenith40->isChecked());
    QVERIFY(!zenith70->isChecked());
    click(box(dialog.get(), protonBoxes(screen).constFirst()));
    QTest::mouseClick(zenith70, Qt::LeftButton);
    QVERIFY(!hint->isVisible());
    QVERIFY(zenith70->isChecked() && !zenith40->isChecked());
}

void TestBrowsers::ironComparisonModesInTurn_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("en") << "Dialog12";
    QTest::newRow("ro") << "Dialogr12r";
}

void TestBrowsers::ironComparisonModesInTurn()
{
    QFETCH(QString, screen);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    QStringList loaded;
    for (const QString mode : {"checkBox_2", "checkBox_4", "checkBox_6"}) {
        click(box(dialog.get(), mode));
        dialog->findChild<QPushButton *>("pushButton_7")->click();
        loaded << shown(pane(dialog.get(), false));
    }
    QCOMPARE(loaded, QStringList({":/GEOM_ASK_EW_VS_NS_Zen70_i.png", ":/LOG_COREAS_VS_LOG_VXB_Zenith70_i.png",
                                  ":/mean_70fe.png"}));
    QCOMPARE(shown(pane(dialog.get(), true)), QString());
}

// The names the browsers can load are the seventy literal names of the bundle, each present.
void TestBrowsers::everyResourceExists()
{
    QStringList expected;
    for (int zenith = 10; zenith <= 70; zenith += 10) {
        const QString z = QString::number(zenith);
        for (const QString pattern : {":/pol_prot_z%1.gif", ":/pol_iron_z%1.gif", ":/ampt_prot_z%1.gif",
                                       ":/ampt_iron_z%1.gif", ":/GEOM_ASK_EW_VS_NS_Zen%1_p.png",
                                       ":/GEOM_ASK_EW_VS_NS_Zen%1_i.png", ":/LOG_COREAS_VS_LOG_VXB_Zenith%1_p.png",
                                       ":/LOG_COREAS_VS_LOG_VXB_Zenith%1_i.png", ":/mean_%1p.png", ":/mean_%1fe.png"})
            expected << pattern.arg(z);
    }
    QStringList names = selection::resources(selection::simulations()) + selection::resources(selection::comparison());
    QCOMPARE(names.size(), 70);
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    for (const QString &name : names)
        QVERIFY2(QFile::exists(name), qPrintable(name + " is not in the bundle"));
}

void TestBrowsers::scenesAndMoviesStayFew_data()
{
    indicatorShowsInBothStates_data();
}

// However many presses, only the scenes the panes show (and their movies) are alive.
void TestBrowsers::scenesAndMoviesStayFew()
{
    QFETCH(QString, screen);
    const int scenesBefore = liveScenes();
    {
        auto dialog = shownScreen(screen);
        QVERIFY(dialog);
        SoundLog log;
        QRandomGenerator random(20180);
        const QStringList boxes = protonBoxes(screen) + ironBoxes(screen);
        for (int press = 0; press < 200; ++press) {
            click(box(dialog.get(), boxes.at(random.bounded(boxes.size()))));
            dialog->findChild<QPushButton *>(ZenithButtons.at(random.bounded(ZenithButtons.size())))->click();
        }
        QVERIFY2(log.events().size() > 150, qPrintable(QString::number(log.events().size())));
        int showing = 0;
        for (bool left : {true, false})
            showing += pane(dialog.get(), left)->scene() != nullptr;
        const int scenes = liveScenes() - scenesBefore;
        const int movies = runningMovies();
        qInfo("%s after 200 presses: %d panes showing, %d live scenes, %d running movies, %d sounds",
              qPrintable(screen), showing, scenes, movies, int(log.events().size()));
        QCOMPARE(showing, 2);
        QCOMPARE(scenes, showing);
        QCOMPARE(movies, animated(screen) ? showing : 0);
    }
    QCOMPARE(liveScenes(), scenesBefore);
    QCOMPARE(runningMovies(), 0);
}

void TestBrowsers::zenithGridLeavesColumnTwoEmpty_data()
{
    scenesAndMoviesStayFew_data();
}

void TestBrowsers::zenithGridLeavesColumnTwoEmpty()
{
    QFETCH(QString, screen);
    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    auto *grid = dialog->findChild<QGridLayout *>("gridLayout_2");
    QVERIFY(grid);
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            QLayoutItem *item = grid->itemAtPosition(row, column);
            int r, c, rowSpan, columnSpan;
            if (item)
                grid->getItemPosition(grid->indexOf(item->widget()), &r, &c, &rowSpan, &columnSpan);
            cells << (item ? QStringLiteral("%1,%2:%3 %4x%5").arg(row).arg(column)
                                 .arg(qobject_cast<QPushButton *>(item->widget())->text()).arg(rowSpan).arg(columnSpan)
                           : QStringLiteral("%1,%2:-").arg(row).arg(column));
        }
    }
    QCOMPARE(cells, QStringList({"0,0:10 1x1", "0,1:20 1x1", "0,2:-", "0,3:30 1x1",
                                 "1,0:40 1x1", "1,1:50 1x1", "1,2:-", "1,3:60 1x1",
                                 "2,0:-", "2,1:70 1x1", "2,2:-", "2,3:-"}));
}

void TestBrowsers::tabReachesEveryControlInView_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("browser");
    QTest::newRow("Dialog11") << "Dialog10" << "pushButton_2" << "Dialog11";
    QTest::newRow("Dialogr11") << "Dialogr10" << "pushButton_2" << "Dialogr11";
    QTest::newRow("Dialog12") << "Dialog10" << "pushButton_3" << "Dialog12";
    QTest::newRow("Dialogr12r") << "Dialogr10" << "pushButton_3" << "Dialogr12r";
}

// Opened as the user opens it (fitted into the 800 x 600 offscreen screen, so it scrolls) and
// showing a picture or animation, the browser is walked with Tab alone: every check box and
// zenith button takes the focus, and each one that does is scrolled into view.
void TestBrowsers::tabReachesEveryControlInView()
{
    QFETCH(QString, menu);
    QFETCH(QString, button);
    QFETCH(QString, browser);
    SoundLog quiet;
    auto results = shownScreen(menu);
    QVERIFY(results);
    QStringList unreached, outOfView;
    const QString opened = whileModal([&] { results->findChild<QPushButton *>(button)->click(); },
                                      [&](QWidget *screen) {
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen))
            unreached << QStringLiteral("(window not active)");
        // An animation in a pane must not keep the focus in its view.
        box(screen, QStringLiteral("checkBox"))->click();
        screen->findChild<QPushButton *>(QStringLiteral("pushButton_4"))->click();
        auto *area = screen->findChild<QScrollArea *>(QStringLiteral("fitScrollArea"));
        QSet<QWidget *> reached;
        for (int i = 0; i < 60; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : screen, Qt::Key_Tab);
            focus = QApplication::focusWidget();
            if (!focus)
                continue;
            reached.insert(focus);
            if (area && area->widget()->isAncestorOf(focus)) {
                const QRect shown(focus->mapTo(area->viewport(), QPoint(0, 0)), focus->size());
                // A control is shown whole; a pane larger than the viewport at least in part.
                const bool inView = qobject_cast<QAbstractButton *>(focus)
                                        ? area->viewport()->rect().contains(shown)
                                        : area->viewport()->rect().intersects(shown);
                if (!inView)
                    outOfView << focus->objectName();
            }
        }
        for (QAbstractButton *control : screen->findChildren<QAbstractButton *>()) {
            if (!reached.contains(control))
                unreached << control->objectName();
        }
    });
    QCOMPARE(opened, browser);
    QCOMPARE(unreached, QStringList());
    QCOMPARE(outOfView, QStringList());
}

QTEST_MAIN(TestBrowsers)
#include "tst_browsers.moc"
