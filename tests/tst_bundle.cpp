// The resource bundle: every listed file is there and is what its name says, texts carry the
// byte-order mark of their family, every path the screens name exists, and the fonts the forms
// name resolve to text fonts, and each Romanian text fits its pane as its English twin does.
#include "common/fonts.h"
#include "common/qtcompat.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

namespace {

QStringList bundleList()
{
    QFile list(QStringLiteral(SHOWERSCOPE_SOURCE_DIR "/app/showerscope.qrc"));
    if (!list.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    const QString text = QString::fromUtf8(list.readAll());
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("<file>([^<]+)</file>")).globalMatch(text);
    while (it.hasNext())
        names << it.next().captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return names;
}

// Romanian texts are UTF-16 LE except the ro_*.txt results texts; polar1.txt and
// ro_graph2d3.txt are the two exceptions the other way round.
bool isUtf16(const QString &name)
{
    if (name == QLatin1String("polar1.txt") || name == QLatin1String("ro_graph2d3.txt"))
        return true;
    return name.startsWith(QLatin1String("filer"));
}

QByteArray head(const QString &path, int n)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(n);
}

// How far the text pane of `className` scrolls after `button` loaded its text, in pixels;
// -1 when the screen, the button or the pane is missing.
int textOverflow(const QString &className, const QString &button)
{
    std::unique_ptr<QDialog> screen = shownScreen(className);
    auto *press = screen ? screen->findChild<QPushButton *>(button) : nullptr;
    auto *pane = screen ? screen->findChild<QTextEdit *>(QStringLiteral("textEdit")) : nullptr;
    if (!press || !pane)
        return -1;
    press->click();
    QCoreApplication::processEvents();
    return pane->verticalScrollBar()->maximum();
}

} // namespace

class tst_Bundle : public QObject
{
    Q_OBJECT

private slots:
    void listHasEveryFileOnceAtTheRoot()
    {
        const QStringList names = bundleList();
        QCOMPARE(names.size(), 164);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 164);
        for (const QString &name : names)
            QVERIFY2(!name.contains(QLatin1Char('/')), qPrintable(name));
    }

    void filesAreWhatTheirNamesSay_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : bundleList())
            QTest::newRow(qPrintable(name)) << name;
    }

    void filesAreWhatTheirNamesSay()
    {
        QFETCH(QString, name);
        const QString path = QStringLiteral(":/") + name;
        QVERIFY2(QFile::exists(path), "missing from the bundle");
        const QByteArray bytes = head(path, 12);
        const QString suffix = QFileInfo(name).suffix().toLower();
        if (suffix == QLatin1String("png"))
            QCOMPARE(bytes.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
        else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
            QCOMPARE(bytes.left(3), QByteArray("\xFF\xD8\xFF"));
        else if (suffix == QLatin1String("gif"))
            QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
        else if (suffix == QLatin1String("wav")) {
            QCOMPARE(bytes.left(4), QByteArray("RIFF"));
            QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));
        } else if (suffix == QLatin1String("txt")) {
            if (isUtf16(name))
                QCOMPARE(bytes.left(2), QByteArray("\xFF\xFE"));
            else
                QCOMPARE(bytes.left(3), QByteArray("\xEF\xBB\xBF"));
        } else {
            QFAIL("unexpected kind of file");
        }
    }

    void bothPathSpellingsReachTheSameFile()
    {
        QCOMPARE(head(QStringLiteral(":/click4.wav"), 64), head(QStringLiteral(":click4.wav"), 64));
        QVERIFY(!head(QStringLiteral(":un3.png"), 8).isEmpty());
    }

    // Every ":/name" and "url(:name)" written in the screens' code and forms names a bundle file.
    void everyPathTheScreensNameExists()
    {
        const QRegularExpression codePath(QStringLiteral(":/([A-Za-z0-9_&()\\-.]+\\.[A-Za-z]{3,4})"));
        const QRegularExpression sheetPath(QStringLiteral("url\\(:([A-Za-z0-9_\\-.]+)\\)"));
        QStringList missing;
        int seen = 0;
        QDirIterator it(QStringLiteral(SHOWERSCOPE_SOURCE_DIR "/screens"),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QString source = QString::fromUtf8(f.readAll()).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            for (const QRegularExpression &re : {codePath, sheetPath}) {
                QRegularExpressionMatchIterator m = re.globalMatch(source);
                while (m.hasNext()) {
                    const QString name = m.next().captured(1);
                    ++seen;
                    if (!QFile::exists(QStringLiteral(":/") + name))
                        missing << QFileInfo(f.fileName()).fileName() + QStringLiteral(": ") + name;
                }
            }
        }
        QVERIFY2(seen > 20, qPrintable(QString::number(seen)));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    // Every family a form names, as the toolkit reads it (a quoted list is one name), has a
    // look-alike; an unlisted one would fall back to the toolkit's default font.
    void everyFamilyTheFormsNameHasALookAlike()
    {
        const QRegularExpression named(QStringLiteral("<family>([^<]+)</family>|font-family:'([^']+)'"));
        const QStringList known = fonts::formFamilies();
        QStringList missing;
        int seen = 0;
        QDirIterator it(QStringLiteral(SHOWERSCOPE_SOURCE_DIR "/screens"), {QStringLiteral("*.ui")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QRegularExpressionMatchIterator m = named.globalMatch(QString::fromUtf8(f.readAll()));
            while (m.hasNext()) {
                const QRegularExpressionMatch match = m.next();
                const QString family = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
                ++seen;
                if (!known.contains(family) && !missing.contains(family))
                    missing << family;
            }
        }
        QVERIFY2(seen > 100, qPrintable(QString::number(seen)));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void formFontsResolveToTextFonts_data()
    {
        QTest::addColumn<QString>("family");
        for (const QString &family : fonts::formFamilies())
            QTest::newRow(qPrintable(family)) << family;
    }

    void formFontsResolveToTextFonts()
    {
        QFETCH(QString, family);
        QFont font(family, 14);
        const QFontInfo info(font);
        const QString resolved = info.family();
        QVERIFY2(!resolved.contains(QLatin1String("Dingbats")) && !resolved.startsWith(QLatin1String("D050000L")),
                 qPrintable(resolved));
        QVERIFY2(qtcompat::fontFamilies().contains(resolved), qPrintable(resolved));
        // A text font draws Latin and Romanian letters with distinct glyphs of different widths.
        const QFontMetrics metrics(font);
        for (QChar c : QStringLiteral("AaăâîșțȘȚ"))
            QVERIFY2(metrics.inFont(c), qPrintable(resolved + QStringLiteral(" lacks ") + c));
        QVERIFY2(metrics.horizontalAdvance(QLatin1Char('i')) < metrics.horizontalAdvance(QLatin1Char('W')),
                 qPrintable(resolved));
    }

    // A Romanian twin says all that its English text says; it must not need more scrolling
    // in its pane than the English text needs in the English pane (one line of slack).
    void romanianTextsFitAsTheEnglishDo_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("englishButton");
        QTest::addColumn<QString>("romanian");
        QTest::addColumn<QString>("romanianButton");
        const struct { const char *text, *en, *enButton, *ro, *roButton; } twins[] = {
            {"file/filer", "Dialog1", "pushButton_2", "Dialogr1", "pushButton"},
            {"file1/filer1", "Dialog1", "pushButton_4", "Dialogr1", "pushButton_2"},
            {"file2/filer2", "Dialog1", "pushButton_5", "Dialogr1", "pushButton_3"},
            {"file3/filer3", "Dialog1", "pushButton_6", "Dialogr1", "pushButton_4"},
            {"file4/filer4", "Dialog1", "pushButton_7", "Dialogr1", "pushButton_7"},
            {"file5/filer5", "Dialog7", "pushButton", "Dialogr2", "pushButton"},
            {"file6/filer6", "Dialog7", "pushButton_2", "Dialogr2", "pushButton_2"},
            {"polar1", "Dialog9", "pushButton_2", "Dialogr9", "pushButton_2"},
            {"polar2", "Dialog9", "pushButton_3", "Dialogr9", "pushButton_3"},
            {"polar3", "Dialog9", "pushButton_4", "Dialogr9", "pushButton_4"},
            {"graph2d1", "Dialog9", "pushButton_6", "Dialogr9", "pushButton_6"},
            {"graph2d2", "Dialog9", "pushButton_7", "Dialogr9", "pushButton_7"},
            {"graph2d3", "Dialog9", "pushButton_8", "Dialogr9", "pushButton_8"},
            {"rotation", "Dialog9", "pushButton_9", "Dialogr9", "pushButton_9"},
            {"file8/filer8", "Dialog9", "pushButton_10", "Dialogr9", "pushButton_10"},
        };
        for (const auto &t : twins)
            QTest::newRow(t.text) << t.en << t.enButton << t.ro << t.roButton;
    }

    void romanianTextsFitAsTheEnglishDo()
    {
        QFETCH(QString, english);
        QFETCH(QString, englishButton);
        QFETCH(QString, romanian);
        QFETCH(QString, romanianButton);
        const int en = textOverflow(english, englishButton);
        const int ro = textOverflow(romanian, romanianButton);
        QVERIFY(en >= 0 && ro >= 0);
        const int line = QFontMetrics(QFont(QStringLiteral("MS Shell Dlg 2"), 12)).lineSpacing();
        qInfo("scrolls %d px in English, %d px in Romanian", en, ro);
        QVERIFY2(ro <= en + line, qPrintable(QStringLiteral("%1 px against %2").arg(ro).arg(en)));
    }
};

int main(int argc, char **argv)
{
    fonts::installSubstitutes();
    QApplication app(argc, argv);
    tst_Bundle test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_bundle.moc"
