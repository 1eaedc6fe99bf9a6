// What assistive technology and keyboard users meet on every window, in both languages: names,
// picture descriptions, button roles, the screen's language, the Tab order, Return in panes and
// keyboard zoom.
#include "common/access.h"
#include "common/fit.h"
#include "common/keyboard.h"
#include "common/qtcompat.h"
#include "common/zoom.h"
#include "registry.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGraphicsView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

namespace {

QString who(const QObject *object)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(object->metaObject()->className()), object->objectName());
}

bool isPicturePane(const QObject *object)
{
    if (qobject_cast<const QGraphicsView *>(object))
        return true;
    const auto *label = qobject_cast<const QLabel *>(object);
    return label && !qtcompat::labelPixmap(label).isNull();
}

// A text pane whose document holds a picture (read out only as a placeholder character).
bool holdsPicture(const QObject *object)
{
    const auto *pane = qobject_cast<const QTextEdit *>(object);
    if (!pane)
        return false;
    for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().isImageFormat())
                return true;
        }
    }
    return false;
}

// Every fault of one accessible subtree, one line each.
void audit(QAccessibleInterface *iface, QStringList &faults)
{
    if (!iface || !iface->isValid())
        return;
    const QAccessible::State state = iface->state();
    QObject *object = iface->object();
    if (object && state.focusable && !state.invisible && iface->text(QAccessible::Name).trimmed().isEmpty())
        faults << QStringLiteral("no name: ") + who(object);
    if (object && (isPicturePane(object) || holdsPicture(object)) && iface->text(QAccessible::Description).trimmed().isEmpty())
        faults << QStringLiteral("no description: ") + who(object);
    if (const auto *button = qobject_cast<const QPushButton *>(object); button && button->isCheckable()) {
        if (iface->role() != QAccessible::Button || !state.checkable || state.checked != button->isChecked() ||
            state.pressed != button->isChecked())
            faults << QStringLiteral("not a button that stays pressed: ") + who(object);
    }
    for (int i = 0; i < iface->childCount(); ++i)
        audit(iface->child(i), faults);
}

// Every pane that shows a picture describes it.
void auditShown(QWidget *screen, const QString &after, QStringList &faults)
{
    for (QWidget *pane : screen->findChildren<QWidget *>()) {
        const QString picture = pane->property("showerscope.picture").toString();
        if (!picture.isEmpty() && pane->accessibleDescription().isEmpty())
            faults << QStringLiteral("%1 shows %2 without a description (after %3)").arg(who(pane), picture, after);
    }
}

// The screen as a modal opening prepares it.
void prepareAsOpened(QWidget *screen)
{
    fit::toScreen(screen, nullptr);
    keyboard::prepare(screen);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowIsNamedAndDescribed_data();
    void everyWindowIsNamedAndDescribed();
    void tabFollowsReadingOrder_data();
    void tabFollowsReadingOrder();
    void returnInAPanePressesNothing_data();
    void returnInAPanePressesNothing();
    void keysZoomTheGraph_data();
    void keysZoomTheGraph();
};

void TestAccessibility::everyWindowIsNamedAndDescribed_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("language");
    for (const ScreenEntry &entry : allScreens())
        QTest::newRow(qPrintable(entry.className)) << entry.className << entry.language;
}

// Walks the window as a screen reader does, then presses every button (and every check box
// first, for the browsers) and checks that whatever a pane then shows is described. The
// language of a window is checked on its text panes.
void TestAccessibility::everyWindowIsNamedAndDescribed()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    SoundLog quiet;
    UrlCatcher links;
    std::unique_ptr<QDialog> dialog = shownScreen(screen);
    std::unique_ptr<QWidget> window;
    QWidget *w = dialog.get();
    if (!w) {
        window.reset(makeScreen(screen));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        w = window.get();
    }
    QStringList faults;
    audit(QAccessible::queryAccessibleInterface(w), faults);
    // A text pane reports its language among its text attributes, where a screen reader reads it.
    const QString expected = language == QLatin1String("ro") ? QStringLiteral("language:ro") : QStringLiteral("language:en");
    for (QTextEdit *pane : w->findChildren<QTextEdit *>()) {
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(pane)->textInterface();
        int start = 0;
        int end = 0;
        if (!language.isEmpty() && (!text || !text->attributes(0, &start, &end).contains(expected)))
            faults << QStringLiteral("text not marked %1: ").arg(expected) + who(pane);
    }

    if (dialog) {
        const auto boxes = w->findChildren<QCheckBox *>();
        QList<QCheckBox *> passes{nullptr};
        passes += boxes;
        for (QCheckBox *box : passes) {
            if (box && !box->isChecked())
                box->click();
            for (QPushButton *button : w->findChildren<QPushButton *>()) {
                whileModal([button] { button->click(); }, {}, 2000);
                auditShown(w, button->objectName(), faults);
            }
        }
        audit(QAccessible::queryAccessibleInterface(w), faults);
    }
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestAccessibility::tabFollowsReadingOrder_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("order"); // accessible names, from the first focus on
    const auto zenith = [](const QString &words) {
        QStringList names;
        for (int angle = 10; angle <= 70; angle += 10)
            names << words.arg(angle);
        return names;
    };
    QTest::newRow("MainWindow") << "MainWindow" << QStringList{"English", "Română", "CLOSE"};
    QTest::newRow("Dialog") << "Dialog"
        << QStringList{"Intro", "Properties", "Radio Emission", "Detection", "Media", "Credits", "References",
                       "About Showerscope", "Explore a shower", "CLOSE"};
    QTest::newRow("Dialogr") << "Dialogr"
        << QStringList{"Introducere", "Proprietăți", "Emisia Radio", "Detecție", "Media", "Referințe", "Credite",
                       "Despre Showerscope", "Explorează o jerbă", "Închide"};
    QTest::newRow("Dialog1") << "Dialog1"
        << QStringList{"Atmospheric depth", "Shower age", "Particles number", "NKG", "Molière radius", "Export",
                       "CONEX", "Graph of the chosen topic", "Explanation", "CLOSE"};
    QTest::newRow("Dialog7") << "Dialog7"
        << QStringList{"Main mechanisms", "Geometry", "Results", "Export", "Graph of the chosen topic",
                       "Explanation", "CLOSE"};
    QTest::newRow("Dialog9") << "Dialog9"
        << QStringList{"North-South: Polar Graphs", "East-West: Polar Graphs", "Vertical: Polar Graphs",
                       "North-South: 2D Graphs", "East-West: 2D Graphs", "Vertical: 2D Graphs", "NS and EW",
                       "Angles", "EXPORT", "Graph of the chosen topic", "Explanation", "CLOSE"};
    QTest::newRow("Dialog11") << "Dialog11"
        << zenith(QStringLiteral("Zenith angle %1°")) + QStringList{"Explanation", "Explanation",
                  "Proton: amplitude and time", "Iron: amplitude and time", "Proton: Polarizations",
                  "Iron: Polarizations", "Proton animation", "Iron animation"};
    QTest::newRow("Dialogr11") << "Dialogr11"
        << zenith(QStringLiteral("Unghi zenital %1°")) + QStringList{"Proton: amplitudine și timp",
                  "Fier: amplitudine și timp", "Proton: Polarizări", "Fier: Polarizări", "Explicație", "Explicație",
                  "Animația pentru proton", "Animația pentru fier"};
    QTest::newRow("Dialog12") << "Dialog12"
        << QStringList{"Proton: CoREAS vs. VXB", "Iron: CoREAS vs. VXB", "Proton: CoREAS/VXB", "Iron: CoREAS/VXB",
                       "Proton: Pol contribution (%)", "Iron: Pol contribution (%)"}
               + zenith(QStringLiteral("Zenith angle %1°"))
               + QStringList{"Explanation", "Explanation", "Explanation", "Proton graph", "Iron graph"};
}

void TestAccessibility::tabFollowsReadingOrder()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, order);
    std::unique_ptr<QWidget> window(makeScreen(screen));
    QVERIFY(window);
    prepareAsOpened(window.get());
    QStringList names;
    for (QWidget *stop : keyboard::tabOrder(window.get()))
        names << QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Name);
    QVERIFY2(names == order, qPrintable(names.join(QStringLiteral(" | "))));
}

void TestAccessibility::returnInAPanePressesNothing_data()
{
    QTest::addColumn<QString>("screen");
    for (const ScreenEntry &entry : allScreens()) {
        if (!entry.language.isEmpty())
            QTest::newRow(qPrintable(entry.className)) << entry.className;
    }
}

// Return or Enter in a text or picture pane neither closes the screen nor opens another one.
void TestAccessibility::returnInAPanePressesNothing()
{
    QFETCH(QString, screen);
    SoundLog quiet;
    std::unique_ptr<QDialog> dialog = newScreen(screen);
    QVERIFY(dialog);
    prepareAsOpened(dialog.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QList<QWidget *> panes;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (qobject_cast<QTextEdit *>(w) || qobject_cast<QGraphicsView *>(w) || qobject_cast<QPlainTextEdit *>(w))
            panes << w;
    }
    for (QWidget *pane : panes) {
        for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
            pane->setFocus(Qt::TabFocusReason);
            const QString opened = whileModal([pane, key] { QTest::keyClick(pane, Qt::Key(key)); }, {}, 300);
            QVERIFY2(opened.isEmpty(), qPrintable(who(pane) + QStringLiteral(" opened ") + opened));
            QVERIFY2(dialog->isVisible(), qPrintable(who(pane) + QStringLiteral(" closed the screen")));
        }
    }
}

void TestAccessibility::keysZoomTheGraph_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("Dialog9") << "Dialog9";
    QTest::newRow("Dialogr9") << "Dialogr9";
}

void TestAccessibility::keysZoomTheGraph()
{
    QFETCH(QString, screen);
    SoundLog quiet;
    std::unique_ptr<QDialog> dialog = shownScreen(screen);
    QVERIFY(dialog);
    dialog->findChild<QPushButton *>(QStringLiteral("pushButton_2"))->click();
    auto *view = dialog->findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    view->setFocus();
    const double fitted = view->transform().m11();
    QTest::keyClick(view, Qt::Key_Plus);
    QVERIFY(qFuzzyCompare(view->transform().m11(), fitted * pane::ZoomFactor));
    QTest::keyClick(view, Qt::Key_Equal);
    QTest::keyClick(view, Qt::Key_Minus);
    QVERIFY(qFuzzyCompare(view->transform().m11(), fitted * pane::ZoomFactor));
    QTest::keyClick(view, Qt::Key_0);
    QVERIFY(qFuzzyCompare(view->transform().m11(), fitted));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
