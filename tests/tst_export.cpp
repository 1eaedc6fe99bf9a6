#include "testsupport.h"

#include "common/exportimage.h"
#include "common/sound.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// What happened while an export ran: the save dialog as it was offered, and every message.
struct ExportRun {
    bool dialogSeen = false;
    QString title;
    QString directory;
    QStringList filters;
    QStringList messages;
};

using Answer = std::function<void(QFileDialog *)>;

Answer typeName(const QString &path, const QString &filter = QString())
{
    return [path, filter](QFileDialog *dialog) {
        if (!filter.isEmpty())
            dialog->selectNameFilter(filter);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        // Pressed once the poll has returned: the dialog may ask about replacing a file, and
        // only the poll can answer that question.
        QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
    };
}

Answer cancel()
{
    return [](QFileDialog *dialog) { dialog->reject(); };
}

// Runs an export, answers its save dialog, agrees to replace an existing file and records
// (then dismisses) any other message box.
ExportRun runExport(const std::function<void()> &action, const Answer &answer)
{
    ExportRun run;
    QPointer<QFileDialog> answered;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (box->text().contains(QLatin1String("already exists"))) {
                box->button(QMessageBox::Yes)->click();
                return;
            }
            run.messages << box->text();
            box->close();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (dialog == answered)
                return;
            answered = dialog;
            run.dialogSeen = true;
            run.title = dialog->windowTitle();
            run.directory = dialog->directory().absolutePath();
            run.filters = dialog->nameFilters();
            answer(dialog);
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    poll.start();
    deadline.start(10000);
    action();
    return run;
}

// A screen with a small, plainly coloured pane to export.
struct Screen {
    QDialog window;
    QLabel *pane;
    Screen() : pane(new QLabel(QStringLiteral("pane"), &window))
    {
        window.resize(200, 150);
        pane->setGeometry(10, 10, 120, 80);
        pane->setAutoFillBackground(true);
        QPalette palette = pane->palette();
        palette.setColor(QPalette::Window, QColor(200, 40, 30));
        pane->setPalette(palette);
        window.show();
    }
    ExportRun exportTo(const Answer &answer, Language language = Language::English,
                       const QString &sound = QString())
    {
        return runExport([&] { exporting::exportPane(&window, pane, language, sound); }, answer);
    }
};

QByteArray head(const QString &path, int bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(bytes);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

const QByteArray PngMagic("\x89PNG\r\n\x1a\n", 8);
const QByteArray BmpMagic("BM");
const QByteArray JpegMagic("\xff\xd8\xff", 3);

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void dialogOffersTheThreeFormats();
    void suffixChoosesTheFormat_data();
    void suffixChoosesTheFormat();
    void nameWithoutSuffixTakesTheFilters_data();
    void nameWithoutSuffixTakesTheFilters();
    void cancelWritesNothing();
    void failureIsToldAndLeavesNoFile_data();
    void failureIsToldAndLeavesNoFile();
    void existingFileSurvivesAFailedExport();
    void existingFileSurvivesAFailedWrite();
};

void ExportTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void ExportTest::cleanup()
{
    QCOMPARE(closeStrayWindows(), 0);
}

void ExportTest::dialogOffersTheThreeFormats()
{
    Screen screen;
    SoundLog log;
    const ExportRun run = screen.exportTo(cancel(), Language::English, sound::Click);
    QVERIFY(run.dialogSeen);
    QCOMPARE(run.title, QStringLiteral("Save image"));
    QCOMPARE(run.directory, QDir(QCoreApplication::applicationDirPath()).absolutePath());
    QCOMPARE(run.filters, (QStringList{QStringLiteral("BMP Files (*.bmp)"), QStringLiteral("JPEG (*.JPEG)"),
                                      QStringLiteral("PNG (*.png)")}));
    QCOMPARE(log.events(), QStringList{QStringLiteral("sound::/click4.wav")});
}

void ExportTest::suffixChoosesTheFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<bool>("lossless");
    QTest::newRow("png") << "pane.png" << PngMagic << true;
    QTest::newRow("bmp") << "pane.bmp" << BmpMagic << true;
    QTest::newRow("jpeg") << "pane.jpeg" << JpegMagic << false;
    QTest::newRow("JPEG") << "pane.JPEG" << JpegMagic << false;
    QTest::newRow("jpg") << "pane.jpg" << JpegMagic << false;
    QTest::newRow("upper-case PNG") << "pane.PNG" << PngMagic << true;
}

void ExportTest::suffixChoosesTheFormat()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    QFETCH(bool, lossless);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Screen screen;
    const QString path = folder.filePath(name);
    const ExportRun run = screen.exportTo(typeName(path));
    QVERIFY(run.dialogSeen);
    QCOMPARE(run.messages, QStringList());
    QCOMPARE(entries(folder.path()), QStringList{name});
    QCOMPARE(head(path, magic.size()), magic);
    const QImage written(path);
    QCOMPARE(written.size(), screen.pane->size());
    if (lossless) {
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
                 screen.pane->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
}

void ExportTest::nameWithoutSuffixTakesTheFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("BMP") << "BMP Files (*.bmp)" << "pane.bmp" << BmpMagic;
    QTest::newRow("JPEG") << "JPEG (*.JPEG)" << "pane.JPEG" << JpegMagic;
    QTest::newRow("PNG") << "PNG (*.png)" << "pane.png" << PngMagic;
}

void ExportTest::nameWithoutSuffixTakesTheFilters()
{
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, magic);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Screen screen;
    const ExportRun run = screen.exportTo(typeName(folder.filePath(QStringLiteral("pane")), filter));
    QCOMPARE(run.messages, QStringList());
    QCOMPARE(entries(folder.path()), QStringList{written});
    QCOMPARE(head(folder.filePath(written), magic.size()), magic);
}

void ExportTest::cancelWritesNothing()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Screen screen;
    const ExportRun run = runExport(
        [&] { exporting::exportPane(&screen.window, screen.pane, Language::Romanian); },
        [&](QFileDialog *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                ->setText(folder.filePath(QStringLiteral("pane.png")));
            dialog->reject();
        });
    QVERIFY(run.dialogSeen);
    QCOMPARE(run.messages, QStringList());
    QCOMPARE(entries(folder.path()), QStringList());
}

void ExportTest::failureIsToldAndLeavesNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("romanian");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason"); // the program's own reason, in the screen's language
    QTest::newRow("unknown suffix") << "pane.xyz" << false << "The image could not be saved."
                                    << "Unsupported image format";
    QTest::newRow("unknown suffix, ro") << "pane.xyz" << true << "Imaginea nu a putut fi salvată."
                                        << "Format de imagine neacceptat";
    QTest::newRow("missing folder") << "missing/pane.png" << false << "The image could not be saved." << "";
    QTest::newRow("missing folder, ro") << "missing/pane.png" << true << "Imaginea nu a putut fi salvată."
                                        << "";
    QTest::newRow("folder is a file") << "plain/pane.png" << false << "The image could not be saved." << "";
}

void ExportTest::failureIsToldAndLeavesNoFile()
{
    QFETCH(QString, name);
    QFETCH(bool, romanian);
    QFETCH(QString, message);
    QFETCH(QString, reason);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile plain(folder.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    Screen screen;
    const QString path = folder.filePath(name);
    const ExportRun run = screen.exportTo(typeName(path), romanian ? Language::Romanian : Language::English);

    QCOMPARE(run.messages.size(), 1);
    QVERIFY2(run.messages.first().startsWith(message), qPrintable(run.messages.first()));
    QVERIFY2(run.messages.first().contains(QDir::toNativeSeparators(path)), qPrintable(run.messages.first()));
    QVERIFY2(run.messages.first().endsWith(reason), qPrintable(run.messages.first()));
    QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("plain")});
}

void ExportTest::existingFileSurvivesAFailedExport()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("keep.xyz"));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("earlier work");
    existing.close();

    Screen screen;
    const ExportRun run = screen.exportTo(typeName(path));
    QCOMPARE(run.messages.size(), 1);
    QCOMPARE(head(path, 100), QByteArray("earlier work"));
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("keep.xyz")});
}

// A write that fails after the target was opened (here: an image the writer refuses) must not
// have replaced or truncated the file that was there, nor leave a temporary file behind.
void ExportTest::existingFileSurvivesAFailedWrite()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("keep.png"));
    QImage earlier(16, 16, QImage::Format_RGB32);
    earlier.fill(Qt::blue);
    QVERIFY(earlier.save(path));
    const QByteArray before = head(path, 1 << 20);

    QString error;
    QVERIFY(!exporting::writeImage(QImage(), path, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(head(path, 1 << 20), before);
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("keep.png")});
}

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
