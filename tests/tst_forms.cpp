// Every form follows the shared conventions: the screen's object name is its class name, image
// buttons carry the standard face rule for their own name (buttons that keep their last press
// marked add the marked face after it), a background picture is set by the ID-selector rule
// (bk13.jpg for the menus, bk1.jpg elsewhere), and a button without a caption has an accessible
// name. Screens that are still empty have no style sheets and so pass trivially.
#include "testsupport.h"

#include "chooser/mainwindow.h"
#include "common/look.h"
#include "common/stylesheets.h"
#include "en/comparison.h"
#include "en/conex.h"
#include "en/credits.h"
#include "en/detection.h"
#include "en/explorer.h"
#include "en/intro.h"
#include "en/media.h"
#include "en/menu.h"
#include "en/properties.h"
#include "en/radio.h"
#include "en/references.h"
#include "en/results.h"
#include "en/simulations.h"
#include "en/vxb.h"
#include "ro/comparison.h"
#include "ro/conex.h"
#include "ro/credits.h"
#include "ro/detection.h"
#include "ro/intro.h"
#include "ro/media.h"
#include "ro/explorer.h"
#include "ro/menu.h"
#include "ro/properties.h"
#include "ro/radio.h"
#include "ro/references.h"
#include "ro/results.h"
#include "ro/simulations.h"
#include "ro/vxb.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

template <class Screen>
std::function<QWidget *()> make()
{
    return [] { return new Screen(nullptr); };
}

const QHash<QString, std::function<QWidget *()>> &factories()
{
    static const QHash<QString, std::function<QWidget *()>> table = {
        {"MainWindow", make<MainWindow>()},
        {"Dialog", make<Dialog>()},       {"Dialogr", make<Dialogr>()},
        {"Dialog8", make<Dialog8>()},     {"Dialogr5", make<Dialogr5>()},
        {"Dialog1", make<Dialog1>()},     {"Dialogr1", make<Dialogr1>()},
        {"Dialog13", make<Dialog13>()},   {"Dialogr13", make<Dialogr13>()},
        {"Dialog7", make<Dialog7>()},     {"Dialogr2", make<Dialogr2>()},
        {"Dialog10", make<Dialog10>()},   {"Dialogr10", make<Dialogr10>()},
        {"Dialog9", make<Dialog9>()},     {"Dialogr9", make<Dialogr9>()},
        {"Dialog11", make<Dialog11>()},   {"Dialogr11", make<Dialogr11>()},
        {"Dialog12", make<Dialog12>()},   {"Dialogr12r", make<Dialogr12r>()},
        {"Dialog4", make<Dialog4>()},     {"Dialogr4", make<Dialogr4>()},
        {"Dialog5", make<Dialog5>()},     {"Dialogr6", make<Dialogr6>()},
        {"Dialog6", make<Dialog6>()},     {"Dialogr7", make<Dialogr7>()},
        {"Dialog2", make<Dialog2>()},     {"Dialogr3", make<Dialogr3>()},
        {"Dialog14", make<Dialog14>()},   {"Dialogr14", make<Dialogr14>()},
    };
    return table;
}

} // namespace

class tst_Forms : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void formFollowsConventions_data();
    void formFollowsConventions();
};

void tst_Forms::cleanup()
{
    QCOMPARE(closeStrayWindows(), 0);
}

void tst_Forms::formFollowsConventions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("picture");

    QStringList names = factories().keys();
    names.sort();
    for (const QString &name : names) {
        const bool menu = name == QLatin1String("Dialog") || name == QLatin1String("Dialogr");
        QTest::newRow(qPrintable(name)) << name << (menu ? "bk13.jpg" : "bk1.jpg");
    }
}

void tst_Forms::formFollowsConventions()
{
    QFETCH(QString, screen);
    QFETCH(QString, picture);
    using stylesheets::normalised;

    std::unique_ptr<QWidget> widget(factories().value(screen)());
    QCOMPARE(widget->objectName(), screen);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), screen);

    // Every push button is an image button, CLOSE buttons included: a button whose rule went
    // missing would show the platform's grey face on the night sky. The chooser's flags are the
    // one other face (eng/rou, no hover).
    const bool chooser = screen == QLatin1String("MainWindow");
    for (QPushButton *button : widget->findChildren<QPushButton *>()) {
        const QString name = button->objectName();
        if (chooser && (name == QLatin1String("pushButton") || name == QLatin1String("pushButton_2"))) {
            QVERIFY2(button->styleSheet().contains(QLatin1String("border-image")), qPrintable(name));
            continue;
        }
        // A button that keeps its last press marked adds the marked face after the form's rule.
        const QString standard = stylesheets::imageButton(name);
        const QString expected = button->isCheckable() ? standard + look::markedButton(name) : standard;
        QVERIFY2(normalised(button->styleSheet()) == normalised(expected),
                 qPrintable(name + QLatin1String(" \"") + button->text() + QLatin1String("\": ") + button->styleSheet()));
    }

    // A button that shows only a picture is named for screen readers.
    for (QAbstractButton *button : widget->findChildren<QAbstractButton *>()) {
        if (button->text().trimmed().isEmpty())
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
    }

    // The chooser's background is given by the program's entry, not by its form.
    if (!chooser && widget->styleSheet().contains(QLatin1String("border-image")))
        QCOMPARE(normalised(widget->styleSheet()), normalised(stylesheets::background(screen, picture)));
}

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"
