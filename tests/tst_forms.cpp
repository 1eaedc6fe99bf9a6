// Every form follows the shared conventions: the screen's object name is its class name, image
// buttons carry the standard face rule for their own name (buttons that keep their last press
// marked add the marked face after it), a background picture is set by the ID-selector rule
// (bk13.jpg for the menus, bk1.jpg elsewhere), and a button without a caption has an accessible
// name. Screens that are still empty have no style sheets and so pass trivially.
#include "testsupport.h"

#include "chooser/mainwindow.h"
#include "common/look.h"
#include "common/stylesheets.h"
#include "common/textpane.h"
#include "registry.h"
#include "en/comparison.h"
#include "en/conex.h"
#include "en/credits.h"
#include "en/detection.h"
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
#include "ro/menu.h"
#include "ro/properties.h"
#include "ro/radio.h"
#include "ro/references.h"
#include "ro/results.h"
#include "ro/simulations.h"
#include "ro/vxb.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QRegularExpression>
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
    void romanianUsesCommaBelow_data();
    void romanianUsesCommaBelow();
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

// Romanian is written with s and t comma below (ș ț Ș Ț); the cedilla letters (ş ţ Ş Ţ) are a
// different, wrong spelling that fonts draw almost alike. Checked in what the user reads: every
// Romanian screen and the chooser as built, every text of the bundle (decoded by its mark) and
// every source of the screens.
void tst_Forms::romanianUsesCommaBelow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    for (const ScreenEntry &entry : allScreens())
        if (entry.language != QLatin1String("en"))
            QTest::newRow(qPrintable(QStringLiteral("screen ") + entry.className)) << "screen" << entry.className;
    QDirIterator texts(QStringLiteral(":/"), {QStringLiteral("*.txt")}, QDir::Files);
    while (texts.hasNext()) {
        const QString path = texts.next();
        QTest::newRow(qPrintable(QStringLiteral("text ") + path)) << "text" << path;
    }
    QDirIterator sources(QStringLiteral(SHOWERSCOPE_SOURCE_DIR "/screens"), QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        const QString path = sources.next();
        QTest::newRow(qPrintable(QStringLiteral("source ") + path.mid(path.indexOf(QLatin1String("screens/")))))
            << "source" << path;
    }
}

void tst_Forms::romanianUsesCommaBelow()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);

    QStringList texts;
    if (kind == QLatin1String("screen")) {
        std::unique_ptr<QWidget> screen(makeScreen(name));
        QVERIFY(screen);
        texts << screen->windowTitle();
        for (QWidget *w : screen->findChildren<QWidget *>()) {
            texts << w->toolTip() << w->whatsThis() << w->statusTip();
            if (auto *label = qobject_cast<QLabel *>(w))
                texts << label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                texts << button->text();
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                texts << group->title();
            else if (auto *edit = qobject_cast<QTextEdit *>(w))
                texts << edit->toPlainText();
            else if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
                texts << plain->toPlainText();
        }
    } else if (kind == QLatin1String("text")) {
        texts << text::read(name);
        QVERIFY(!texts.constFirst().isEmpty());
    } else {
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        texts << QString::fromUtf8(file.readAll());
    }

    static const QRegularExpression cedilla(QStringLiteral("[\\x{015E}\\x{015F}\\x{0162}\\x{0163}]|&#(350|351|354|355|x15[EeFf]|x16[23]);"));
    for (const QString &text : qAsConst(texts)) {
        const QRegularExpressionMatch found = cedilla.match(text);
        QVERIFY2(!found.hasMatch(), qPrintable(QStringLiteral("cedilla letter in \"%1\"")
                                                   .arg(text.mid(std::max(0, int(found.capturedStart()) - 30), 60))));
    }
}

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"
