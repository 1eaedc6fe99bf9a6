#include "testsupport.h"

#include "common/exportimage.h"
#include "common/sound.h"
#include "common/toolkittranslation.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

namespace {

// What happened while an export ran: the save dialog as it was offered, and every message.
struct ExportRun {
    bool dialogSeen = false;
    QString title;
    QString directory;
    QStringList filters;
    QStringList dialogTexts;
    QStringList messages;
    QString messageTitle;
    QStringList questions;
    QString questionTitle;
    QString defaultAnswer;
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

// Runs an export, answers its save dialog, answers a replace question with `replace` and
// records (then dismisses) every message. A save dialog offered again after a "No" is cancelled.
ExportRun runExport(const std::function<void()> &action, const Answer &answer, bool replace = true)
{
    ExportRun run;
    QPointer<QFileDialog> answered;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (box->standardButtons() & QMessageBox::No) {
                run.questions << box->text();
                run.questionTitle = box->windowTitle();
                run.defaultAnswer = box->defaultButton() ? box->defaultButton()->text() : QString();
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                return;
            }
            run.messages << box->text();
            run.messageTitle = box->windowTitle();
            box->close();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (dialog == answered) {
                if (dialog->isVisible())
                    dialog->reject();
                return;
            }
            answered = dialog;
            run.dialogSeen = true;
            run.title = dialog->windowTitle();
            run.directory = dialog->directory().absolutePath();
            run.filters = dialog->nameFilters();
            for (QWidget *w : dialog->findChildren<QWidget *>()) {
                if (auto *label = qobject_cast<QLabel *>(w))
                    run.dialogTexts << label->text();
                else if (auto *button = qobject_cast<QPushButton *>(w))
                    run.dialogTexts << button->text();
            }
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
                       const QString &sound = QString(), bool replace = true)
    {
        return runExport([&] { exporting::exportPane(&window, pane, language, sound); }, answer, replace);
    }
};

QByteArray head(const QString &path, int bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(bytes);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    void replaceIsAskedForTheFinalName_data();
    void replaceIsAskedForTheFinalName();
    void cancelWritesNothing();
    void failureIsToldAndLeavesNoFile_data();
    void failureIsToldAndLeavesNoFile();
    void failureOnAFullOrReadOnlyDisk_data();
    void failureOnAFullOrReadOnlyDisk();
    void existingFileSurvivesAFailedExport();
    void existingFileSurvivesAFailedWrite();
    void startFolderIsOneTheUserCanWrite();
    void romanianDialogSpeaksRomanian();
    void dialogKeepsNoStateOnDisk();
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
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("BMP") << "pane" << "BMP Files (*.bmp)" << "pane.bmp" << BmpMagic;
    QTest::newRow("JPEG") << "pane" << "JPEG (*.JPEG)" << "pane.JPEG" << JpegMagic;
    QTest::newRow("PNG") << "pane" << "PNG (*.png)" << "pane.png" << PngMagic;
    QTest::newRow("trailing dot") << "dot." << "BMP Files (*.bmp)" << "dot.bmp" << BmpMagic;
    QTest::newRow("trailing space") << "x.jpg " << "BMP Files (*.bmp)" << "x.jpg" << JpegMagic;
    QTest::newRow("dotted, BMP") << "graf.v2" << "BMP Files (*.bmp)" << "graf.v2.bmp" << BmpMagic;
    QTest::newRow("dotted, PNG") << "graf.v2" << "PNG (*.png)" << "graf.v2.png" << PngMagic;
}

void ExportTest::nameWithoutSuffixTakesTheFilters()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, magic);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Screen screen;
    const ExportRun run = screen.exportTo(typeName(folder.filePath(typed), filter));
    QCOMPARE(run.messages, QStringList());
    QCOMPARE(entries(folder.path()), QStringList{written});
    QCOMPARE(head(folder.filePath(written), magic.size()), magic);
}

// "figure" typed where "figure.bmp" exists: the question is about figure.bmp, in the screen's
// language, with No as the default; No writes nothing, Yes replaces the file.
void ExportTest::replaceIsAskedForTheFinalName_data()
{
    QTest::addColumn<bool>("romanian");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("no");
    const QString en = QStringLiteral("figure.bmp already exists. Do you want to replace it?");
    const QString ro = QStringLiteral("figure.bmp există deja. Doriți să îl înlocuiți?");
    QTest::newRow("en, No") << false << false << en << "&No";
    QTest::newRow("en, Yes") << false << true << en << "&No";
    QTest::newRow("ro, No") << true << false << ro << "&Nu";
    QTest::newRow("ro, Yes") << true << true << ro << "&Nu";
}

void ExportTest::replaceIsAskedForTheFinalName()
{
    QFETCH(bool, romanian);
    QFETCH(bool, replace);
    QFETCH(QString, question);
    QFETCH(QString, no);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("figure.bmp"));
    QVERIFY(writeFile(path, "earlier work"));

    Screen screen;
    const Language language = romanian ? Language::Romanian : Language::English;
    const ExportRun run = screen.exportTo(typeName(folder.filePath(QStringLiteral("figure"))), language,
                                          QString(), replace);
    QCOMPARE(run.questions, QStringList{question});
    QCOMPARE(run.questionTitle, QString::fromUtf8(romanian ? "Salvare imagine" : "Save image"));
    QCOMPARE(run.defaultAnswer, no);
    QCOMPARE(run.messages, QStringList());
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("figure.bmp")});
    if (replace)
        QCOMPARE(head(path, 2), BmpMagic);
    else
        QCOMPARE(head(path, 100), QByteArray("earlier work"));
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
    QTest::addColumn<QString>("reason");
    const QString tooLong = QString(130, QChar(0x0219)) + QStringLiteral(".png"); // 264 bytes
    QTest::newRow("unwritable type") << "pane.gif" << false << "This file type cannot be written. Choose BMP, JPEG or PNG.";
    QTest::newRow("unwritable type, ro") << "pane.gif" << true << "Acest tip de fișier nu poate fi scris. Alegeți BMP, JPEG sau PNG.";
    QTest::newRow("missing folder") << "missing/pane.png" << false << "The folder does not exist.";
    QTest::newRow("missing folder, ro") << "missing/pane.png" << true << "Dosarul nu există.";
    QTest::newRow("folder is a file") << "plain/pane.png" << false << "The folder does not exist.";
    QTest::newRow("name too long") << tooLong << false << "The file name is too long.";
    QTest::newRow("name too long, ro") << tooLong << true << "Numele fișierului este prea lung.";
    // "adir" with the BMP filter is adir.bmp, a folder: no replace question, a reason of its own
    QTest::newRow("name completes onto a folder") << "adir" << false << "A folder with this name already exists.";
    QTest::newRow("name completes onto a folder, ro") << "adir" << true << "Există deja un dosar cu acest nume.";
    // a link into a missing folder is no existing file: no question, and the reason names the target
    QTest::newRow("link into a missing folder") << "dangling.png" << false
                                                << "The name is a link to $D/nowhere/x.png, and that folder does not exist.";
    QTest::newRow("under a kernel file system") << "/proc/pane.png" << false
                                                << "This folder belongs to the system and cannot hold files.";
    QTest::newRow("under a kernel file system, ro") << "/proc/pane.png" << true
                                                    << "Acest dosar aparține sistemului și nu poate păstra fișiere.";
}

void ExportTest::failureIsToldAndLeavesNoFile()
{
    QFETCH(QString, name);
    QFETCH(bool, romanian);
    QFETCH(QString, reason);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeFile(folder.filePath(QStringLiteral("plain")), QByteArray()));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("adir.bmp")));
    QVERIFY(QFile::link(QStringLiteral("nowhere/x.png"), folder.filePath(QStringLiteral("dangling.png"))));
    const QStringList before = entries(folder.path());
    Screen screen;
    const QString path = QDir::isAbsolutePath(name) ? name : folder.filePath(name);
    const Language language = romanian ? Language::Romanian : Language::English;
    const ExportRun run = screen.exportTo(typeName(path), language);

    const QString written = exporting::completedName(path, exporting::Filters.section(QStringLiteral(";;"), 0, 0));
    const QString expected = exporting::failureMessage(language) + QLatin1Char('\n') +
                             QDir::toNativeSeparators(written) + QLatin1Char('\n') +
                             QString(reason).replace(QStringLiteral("$D"), folder.path());
    QCOMPARE(run.messages, QStringList{expected});
    QCOMPARE(run.messageTitle, QString::fromUtf8(romanian ? "Salvare imagine" : "Save image"));
    QCOMPARE(run.questions, QStringList());
    QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    QCOMPARE(entries(folder.path()), before);
}

// A small file system of its own (needs the right to mount, so only as root): a full disk must
// say that it is full, a read-only one that it is read-only; the earlier file stays intact and
// no temporary file is left.
void ExportTest::failureOnAFullOrReadOnlyDisk_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full") << "size=64k" << "Discul este plin.";
    QTest::newRow("read-only") << "size=64k,ro" << "Discul sau dosarul poate fi doar citit.";
}

void ExportTest::failureOnAFullOrReadOnlyDisk()
{
    QFETCH(QString, options);
    QFETCH(QString, reason);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString disk = folder.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    auto mount = [&](const QString &how) {
        return QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                           QStringLiteral("-o"), how, QStringLiteral("tmpfs"), disk});
    };
    if (getuid() != 0 || mount(QStringLiteral("size=64k")) != 0)
        QSKIP("mounting a small file system needs root");
    // unmounted however the test leaves, before the temporary folder goes
    struct Unmount {
        QString path;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), {path}); }
    } unmount{disk};
    const QString keep = disk + QStringLiteral("/keep.bmp");
    QImage earlier(80, 60, QImage::Format_RGB32); // about 19 KB as BMP
    earlier.fill(Qt::blue);
    QVERIFY(earlier.save(keep));
    const QByteArray before = head(keep, 1 << 20);
    if (options.endsWith(QLatin1String(",ro")))
        QCOMPARE(mount(QStringLiteral("remount,ro")), 0);

    QImage big(200, 120, QImage::Format_RGB32); // about 94 KB as BMP
    big.fill(Qt::red);
    QString newReason, replaceReason;
    const bool wroteNew = exporting::writeImage(big, disk + QStringLiteral("/new.bmp"), Language::Romanian, &newReason);
    const bool replaced = exporting::writeImage(big, keep, Language::Romanian, &replaceReason);
    const QByteArray after = head(keep, 1 << 20);
    const QStringList left = entries(disk);

    QVERIFY(!wroteNew);
    QVERIFY(!replaced);
    QCOMPARE(newReason, reason);
    QCOMPARE(replaceReason, reason);
    QCOMPARE(after, before);
    QCOMPARE(left, QStringList{QStringLiteral("keep.bmp")});
}

void ExportTest::existingFileSurvivesAFailedExport()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("keep.gif"));
    QVERIFY(writeFile(path, "earlier work"));

    Screen screen;
    const ExportRun run = screen.exportTo(typeName(path));
    QCOMPARE(run.messages.size(), 1);
    QCOMPARE(head(path, 100), QByteArray("earlier work"));
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("keep.gif")});
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
    QVERIFY(!exporting::writeImage(QImage(), path, Language::English, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(head(path, 1 << 20), before);
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("keep.png")});
}

// An installed program's folder is not the user's to write: the dialog then starts in the
// pictures folder or at home.
void ExportTest::startFolderIsOneTheUserCanWrite()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QCOMPARE(exporting::startFolder(folder.path()), QFileInfo(folder.path()).absoluteFilePath());
    const QString fallback = exporting::startFolder(folder.filePath(QStringLiteral("no-such-folder")));
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QVERIFY2(fallback == QFileInfo(pictures).absoluteFilePath() || fallback == QDir::homePath(),
             qPrintable(fallback));
    QVERIFY(QFileInfo(fallback).isDir());
}

// After the Romanian flag the toolkit's save dialog and buttons are Romanian, and the replace
// question is the screen's own; English again after switching back.
void ExportTest::romanianDialogSpeaksRomanian()
{
    Screen screen;
    QVERIFY(installToolkitTranslation(QStringLiteral("ro")));
    const ExportRun ro = screen.exportTo(cancel(), Language::Romanian);
    QVERIFY(installToolkitTranslation(QStringLiteral("en")));
    const ExportRun en = screen.exportTo(cancel(), Language::English);

    QCOMPARE(ro.title, QStringLiteral("Save image"));
    for (const char *text : {"Caută în:", "&Nume fișier:", "Fișiere de tipul:", "Salvează", "Anulează"})
        QVERIFY2(ro.dialogTexts.contains(QString::fromUtf8(text)), qPrintable(ro.dialogTexts.join(QLatin1Char('|'))));
    for (const char *text : {"Look in:", "File &name:", "Files of type:", "Save", "Cancel"})
        QVERIFY2(en.dialogTexts.contains(QString::fromUtf8(text)), qPrintable(en.dialogTexts.join(QLatin1Char('|'))));
}

// The toolkit's dialog would keep its history and last folder in QtProject.conf.
void ExportTest::dialogKeepsNoStateOnDisk()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString file = config + QStringLiteral("/QtProject.conf");
    QFile::remove(file);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    {
        Screen screen;
        screen.exportTo(typeName(folder.filePath(QStringLiteral("pane.png"))));
    }
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("pane.png")});
    QVERIFY2(!QFileInfo::exists(file), qPrintable(file));
}

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
