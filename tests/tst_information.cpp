// Credits, resources and detection screens in both languages: their links open in the desktop's
// browser and leave the page as it was, the reference list resolves every marker the texts cite,
// and each window keeps the size limits and the sounds it should have.
#include "testsupport.h"

#include "common/fonts.h"
#include "common/links.h"
#include "common/stylesheets.h"
#include "common/toolkittranslation.h"
#include "en/credits.h"
#include "en/detection.h"
#include "en/references.h"
#include "ro/credits.h"
#include "ro/detection.h"
#include "ro/references.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// One link: the run of adjacent anchor fragments of a paragraph that share a target.
struct Link
{
    QString href;
    QString text;
    QVector<QTextFragment> fragments;
};

QVector<Link> linksOf(const QTextDocument *document)
{
    QVector<Link> links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QString open;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString href = format.isAnchor() ? format.anchorHref() : QString();
            if (href.isEmpty()) {
                open.clear();
                continue;
            }
            if (href != open)
                links.append({href, QString(), {}});
            links.last().text += fragment.text();
            links.last().fragments.append(fragment);
            open = href;
        }
    }
    return links;
}

// A point on the middle of a fragment, after scrolling it into view.
QPoint pointOn(QTextBrowser *browser, const QTextFragment &fragment)
{
    QTextCursor cursor(browser->document());
    cursor.setPosition(fragment.position() + (fragment.length() - 1) / 2);
    browser->setTextCursor(cursor);
    browser->ensureCursorVisible();
    const QRect before = browser->cursorRect(cursor);
    cursor.movePosition(QTextCursor::NextCharacter);
    const QRect after = browser->cursorRect(cursor);
    if (after.center().y() == before.center().y())
        return QPoint((before.center().x() + after.center().x()) / 2, before.center().y());
    return before.center() + QPoint(2, 0);
}

QTextBrowser *browserOf(QDialog *screen, const QString &name)
{
    return screen->findChild<QTextBrowser *>(name);
}

} // namespace

class tst_Information : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void linksOpenInTheDesktopBrowser_data();
    void linksOpenInTheDesktopBrowser();
    void linkWithoutABrowserIsTold_data();
    void linkWithoutABrowserIsTold();
    void englishAsterisksShareTheirPhraseTarget();
    void romanianAsterisksBelongToTheirLink();
    void referenceListResolvesEveryMarker_data();
    void referenceListResolvesEveryMarker();
    void equationsPictureIsShown_data();
    void equationsPictureIsShown();
    void creditsTextHasNoLinkOrAddress_data();
    void creditsTextHasNoLinkOrAddress();
    void sizeLimits_data();
    void sizeLimits();
    void closeButton_data();
    void closeButton();
};

void tst_Information::initTestCase()
{
    fonts::installSubstitutes();
}

void tst_Information::cleanup()
{
    const int left = closeStrayWindows();
    QCOMPARE(left, 0);
}

void tst_Information::linksOpenInTheDesktopBrowser_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("browser");
    QTest::addColumn<int>("count");

    QTest::newRow("Dialog6 references") << "Dialog6" << "textBrowser_2" << 18;
    QTest::newRow("Dialogr7 references") << "Dialogr7" << "textBrowser_2" << 18;
    QTest::newRow("Dialog4 detection") << "Dialog4" << "textBrowser" << 6;
    QTest::newRow("Dialogr4 detection") << "Dialogr4" << "textBrowser" << 6;
}

void tst_Information::linksOpenInTheDesktopBrowser()
{
    QFETCH(QString, screen);
    QFETCH(QString, browser);
    QFETCH(int, count);

    auto dialog = newScreen(screen);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QTextBrowser *pane = browserOf(dialog.get(), browser);
    QVERIFY2(pane, qPrintable(browser));
    QVERIFY(pane->openExternalLinks());

    const QVector<Link> links = linksOf(pane->document());
    QCOMPARE(links.size(), count);

    const QString html = pane->toHtml();
    UrlCatcher catcher;
    for (const Link &link : links) {
        const QUrl url(link.href, QUrl::StrictMode);
        QVERIFY2(url.isValid() && url.scheme() == QLatin1String("https") && url.host().contains(QLatin1Char('.')),
                 qPrintable(link.href));
        QCOMPARE(url.toString(QUrl::FullyEncoded), link.href);
        QVERIFY2(!link.text.trimmed().isEmpty(), qPrintable(link.href));

        // Every piece of the link (a phrase and its asterisk) opens the same address.
        for (const QTextFragment &fragment : link.fragments) {
            const QPoint point = pointOn(pane, fragment);
            QCOMPARE(pane->anchorAt(point), link.href);
            catcher.urls.clear();
            QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, point);
            QCOMPARE(catcher.urls, QList<QUrl>({url}));
            QVERIFY2(dialog->isVisible(), qPrintable(link.href));
            QVERIFY(pane->source().isEmpty());
            QCOMPARE(pane->toHtml(), html);
        }
    }
}

void tst_Information::linkWithoutABrowserIsTold_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("lang");
    QTest::newRow("Dialog4") << "Dialog4" << "en";
    QTest::newRow("Dialogr4") << "Dialogr4" << "ro";
}

// With no browser to be found (nothing on the search path, no BROWSER), a link tells the user
// so in the screen's language and names the address; the screen stays open.
void tst_Information::linkWithoutABrowserIsTold()
{
    QFETCH(QString, screen);
    QFETCH(QString, lang);
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    const QByteArray path = qgetenv("PATH");
    const QByteArray browser = qgetenv("BROWSER");
    struct Restore {
        QByteArray path, browser;
        ~Restore()
        {
            qputenv("PATH", path);
            if (!browser.isNull())
                qputenv("BROWSER", browser);
            installToolkitTranslation(QStringLiteral("en"));
        }
    } restore{path, browser};
    qputenv("PATH", empty.path().toLocal8Bit());
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
    links::reportUnopenedLinks();
    QVERIFY(installToolkitTranslation(lang));

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    QTextBrowser *pane = browserOf(dialog.get(), QStringLiteral("textBrowser"));
    const Link link = linksOf(pane->document()).constFirst();
    const QPoint point = pointOn(pane, link.fragments.constFirst());
    QString told;
    whileModal([&] { QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, point); },
               [&](QWidget *modal) {
                   if (auto *box = qobject_cast<QMessageBox *>(modal))
                       told = box->windowTitle() + QLatin1Char('|') + box->text();
               });
    const Language language = lang == QLatin1String("ro") ? Language::Romanian : Language::English;
    QCOMPARE(told, links::messageTitle(language) + QLatin1Char('|') +
                       links::unopenedMessage(language, QUrl(link.href).toDisplayString()));
    QVERIFY(dialog->isVisible());
}

void tst_Information::englishAsterisksShareTheirPhraseTarget()
{
    Dialog4 dialog(nullptr);
    const QVector<Link> links = linksOf(browserOf(&dialog, QStringLiteral("textBrowser"))->document());
    QCOMPARE(links.size(), 6);
    for (const Link &link : links) {
        // The phrase, then a superscript asterisk: two anchors, one target.
        QCOMPARE(link.fragments.size(), 2);
        const QTextFragment star = link.fragments.last();
        QCOMPARE(star.text(), QStringLiteral("*"));
        QCOMPARE(star.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QVERIFY2(!link.fragments.first().text().contains(QLatin1Char('*')), qPrintable(link.text));
        QVERIFY(link.fragments.first().charFormat().fontUnderline());
    }
}

void tst_Information::romanianAsterisksBelongToTheirLink()
{
    Dialogr4 dialog(nullptr);
    const QVector<Link> links = linksOf(browserOf(&dialog, QStringLiteral("textBrowser"))->document());
    QCOMPARE(links.size(), 6);
    for (const Link &link : links) {
        QCOMPARE(link.fragments.size(), 1);
        QVERIFY2(link.text.endsWith(QLatin1Char('*')) && link.text.count(QLatin1Char('*')) == 1, qPrintable(link.text));
        QVERIFY(link.fragments.first().charFormat().fontUnderline());
    }
}

void tst_Information::referenceListResolvesEveryMarker_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("headings");

    QTest::newRow("English") << "Dialog6" << QStringList({"Books:", "Articles:", "Sites:", "Programs:"});
    QTest::newRow("Romanian") << "Dialogr7" << QStringList({"Cărți:", "Articole:", "Site-uri:", "Programe:"});
}

// The entries run B.1-B.4, A.1-A.10, S.1-S.4, P.1-P.3 under their four headings, and each number
// the explanatory texts cite ([1] ... [13]) stands beside the one entry it refers to.
void tst_Information::referenceListResolvesEveryMarker()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, headings);

    QStringList expected;
    const QVector<QPair<QString, int>> groups = {{"B", 4}, {"A", 10}, {"S", 4}, {"P", 3}};
    for (int g = 0; g < groups.size(); ++g) {
        expected << headings.at(g);
        for (int i = 1; i <= groups.at(g).second; ++i)
            expected << QStringLiteral("%1.%2").arg(groups.at(g).first).arg(i);
    }
    const QHash<QString, QString> numbers = {{"B.1", "1"}, {"B.2", "2"}, {"B.4", "3"},  {"A.9", "4"},  {"A.8", "5"},
                                            {"A.6", "8"}, {"A.7", "9"}, {"A.10", "12"}, {"A.1", "13"}};

    auto dialog = newScreen(screen);
    const QTextDocument *document = browserOf(dialog.get(), QStringLiteral("textBrowser_2"))->document();
    static const QRegularExpression entry(QStringLiteral("^([BASP]\\.\\d+)(?: \\[(\\d+)\\])? \\S"));
    QStringList found;
    QHash<QString, QString> foundNumbers;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (headings.contains(text.trimmed())) {
            found << text.trimmed();
            continue;
        }
        const QRegularExpressionMatch match = entry.match(text);
        if (!match.hasMatch())
            continue;
        found << match.captured(1);
        if (!match.captured(2).isEmpty())
            foundNumbers.insert(match.captured(1), match.captured(2));
    }
    QCOMPARE(found, expected);
    QCOMPARE(foundNumbers, numbers);
}

void tst_Information::equationsPictureIsShown_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("Dialog6") << "Dialog6";
    QTest::newRow("Dialogr7") << "Dialogr7";
}

void tst_Information::equationsPictureIsShown()
{
    QFETCH(QString, screen);
    auto dialog = newScreen(screen);
    QTextBrowser *pane = browserOf(dialog.get(), QStringLiteral("textBrowser"));
    QVERIFY(pane);
    QVERIFY2(pane->toHtml().contains(QLatin1String("<img src=\":/eq.JPG\"")), qPrintable(pane->toHtml()));
    const QVariant data = pane->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral(":/eq.JPG")));
    const QImage picture = data.userType() == QMetaType::QByteArray ? QImage::fromData(data.toByteArray()) : data.value<QImage>();
    QVERIFY2(!picture.isNull(), "eq.JPG does not load");
    QVERIFY(linksOf(pane->document()).isEmpty());

    // Shown, the 960-pixel picture fits the pane's width whatever the screen's resolution (the
    // test platform has 100 dpi): it scrolls only downwards.
    auto shown = shownScreen(screen);
    QVERIFY(shown);
    pane = browserOf(shown.get(), QStringLiteral("textBrowser"));
    QVERIFY(pane->verticalScrollBar()->maximum() > 0);
    QCOMPARE(pane->horizontalScrollBar()->maximum(), 0);
}

void tst_Information::creditsTextHasNoLinkOrAddress_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("heading");
    QTest::newRow("Dialog5") << "Dialog5" << "Rights, terms and conditions of use";
    QTest::newRow("Dialogr6") << "Dialogr6" << "Drepturi, termeni și condiții de utilizare";
}

void tst_Information::creditsTextHasNoLinkOrAddress()
{
    QFETCH(QString, screen);
    QFETCH(QString, heading);
    auto dialog = newScreen(screen);
    QTextDocument document;
    if (auto *browser = browserOf(dialog.get(), QStringLiteral("textBrowser")))
        document.setHtml(browser->toHtml());
    else
        document.setHtml(dialog->findChild<QLabel *>(QStringLiteral("label"))->text());
    const QString text = document.toPlainText();
    QVERIFY2(text.startsWith(heading), qPrintable(text.left(80)));
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("(^|\\n)- "))), 5);
    QVERIFY(text.contains(QLatin1String("Showerscope")));
    QVERIFY(linksOf(&document).isEmpty());
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("https?:|www\\.|@"))), qPrintable(text));
}

void tst_Information::sizeLimits_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QSize>("design");
    QTest::addColumn<bool>("canShrink");
    QTest::addColumn<bool>("canGrow");

    QTest::newRow("Dialog5 fixed") << "Dialog5" << QSize(1152, 648) << false << false;
    QTest::newRow("Dialogr6 fixed") << "Dialogr6" << QSize(1156, 648) << false << false;
    QTest::newRow("Dialog6 fixed") << "Dialog6" << QSize(1024, 768) << false << false;
    QTest::newRow("Dialogr7 fixed") << "Dialogr7" << QSize(1024, 768) << false << false;
    QTest::newRow("Dialog4 shrinks only") << "Dialog4" << QSize(951, 628) << true << false;
    QTest::newRow("Dialogr4 grows only") << "Dialogr4" << QSize(951, 628) << false << true;
}

void tst_Information::sizeLimits()
{
    QFETCH(QString, screen);
    QFETCH(QSize, design);
    QFETCH(bool, canShrink);
    QFETCH(bool, canGrow);

    auto dialog = newScreen(screen);
    QCOMPARE(dialog->size(), design);
    // The English screens show the same background as their twins.
    QCOMPARE(stylesheets::normalised(dialog->styleSheet()),
             stylesheets::normalised(stylesheets::background(screen)));

    const QSize smaller(600, 400);
    const QSize larger(1400, 900);
    dialog->resize(smaller);
    QCOMPARE(dialog->size(), canShrink ? smaller : design);
    dialog->resize(larger);
    QCOMPARE(dialog->size(), canGrow ? larger : design);

    // Widgets without a layout keep their places whatever the window size.
    if (!dialog->layout()) {
        auto *close = dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
        const QRect before = close->geometry();
        dialog->resize(canGrow ? larger : smaller);
        QCOMPARE(close->geometry(), before);
    }
}

void tst_Information::closeButton_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("sounds");

    const QStringList click6 = {QStringLiteral("sound::/click6.wav")};
    QTest::newRow("Dialog5 closes silently") << "Dialog5" << "CLOSE" << QStringList();
    QTest::newRow("Dialogr6") << "Dialogr6" << "Închide" << click6;
    QTest::newRow("Dialog6") << "Dialog6" << "CLOSE" << click6;
    QTest::newRow("Dialogr7") << "Dialogr7" << "Închide" << click6;
    QTest::newRow("Dialog4") << "Dialog4" << "CLOSE" << click6;
    QTest::newRow("Dialogr4") << "Dialogr4" << "Închide" << click6;
}

void tst_Information::closeButton()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QStringList, sounds);

    auto dialog = newScreen(screen);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto *close = dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
    QVERIFY(close);
    QCOMPARE(close->text(), caption);
    SoundLog log;
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(log.events(), sounds);
}

QTEST_MAIN(tst_Information)
#include "tst_information.moc"
