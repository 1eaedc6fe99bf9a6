#include "exportimage.h"

#include "sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <sys/vfs.h>
#include <unistd.h>

namespace exporting {
namespace {

bool romanian(Language language)
{
    return language == Language::Romanian;
}

enum class Cause {
    NoPermission,
    DiskFull,
    NameTooLong,
    FolderMissing,
    ReadOnly,
    UnknownFormat,
    IsFolder,
    SystemFolder,
    BrokenLink,
    Other
};

Cause causeOf(int error, QFileDevice::FileError fileError)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return Cause::NoPermission;
    case ENOSPC:
    case EDQUOT:
        return Cause::DiskFull;
    case ENAMETOOLONG:
        return Cause::NameTooLong;
    case ENOENT:
    case ENOTDIR:
        return Cause::FolderMissing;
    case EROFS:
        return Cause::ReadOnly;
    default:
        break;
    }
    // The file layer reports a full disk as a resource error whose text is only "Unknown error".
    if (fileError == QFileDevice::ResourceError)
        return Cause::DiskFull;
    if (fileError == QFileDevice::PermissionsError)
        return Cause::NoPermission;
    return Cause::Other;
}

QString causeText(Language language, Cause cause, const QString &systemText)
{
    const bool ro = romanian(language);
    switch (cause) {
    case Cause::NoPermission:
        return ro ? QStringLiteral("Nu aveți permisiunea de a scrie în acest dosar sau fișier.")
                  : QStringLiteral("You do not have permission to write to this folder or file.");
    case Cause::DiskFull:
        return ro ? QStringLiteral("Discul este plin.") : QStringLiteral("The disk is full.");
    case Cause::NameTooLong:
        return ro ? QStringLiteral("Numele fișierului este prea lung.") : QStringLiteral("The file name is too long.");
    case Cause::FolderMissing:
        return ro ? QStringLiteral("Dosarul nu există.") : QStringLiteral("The folder does not exist.");
    case Cause::ReadOnly:
        return ro ? QStringLiteral("Discul sau dosarul poate fi doar citit.")
                  : QStringLiteral("The disk or folder is read-only.");
    case Cause::UnknownFormat:
        return ro ? QStringLiteral("Acest tip de fișier nu poate fi scris. Alegeți BMP, JPEG sau PNG.")
                  : QStringLiteral("This file type cannot be written. Choose BMP, JPEG or PNG.");
    case Cause::IsFolder:
        return ro ? QStringLiteral("Există deja un dosar cu acest nume.")
                  : QStringLiteral("A folder with this name already exists.");
    case Cause::SystemFolder:
        return ro ? QStringLiteral("Acest dosar aparține sistemului și nu poate păstra fișiere.")
                  : QStringLiteral("This folder belongs to the system and cannot hold files.");
    case Cause::BrokenLink:
        // systemText: where the link points
        return ro ? QStringLiteral("Numele este o legătură către %1, iar acel dosar nu există.").arg(systemText)
                  : QStringLiteral("The name is a link to %1, and that folder does not exist.").arg(systemText);
    case Cause::Other:
        break;
    }
    return (ro ? QStringLiteral("Mesajul sistemului: ") : QStringLiteral("System message: ")) + systemText;
}

bool fail(QString *reason, Language language, Cause cause, const QString &systemText = QString())
{
    if (reason)
        *reason = causeText(language, cause, systemText);
    return false;
}

// Kernel file systems (process and device information, control groups, debugging) show folders
// that hold no user files: creating one fails there with "no such file" or "permission denied",
// which would name a cause the user cannot act on.
bool onSystemFileSystem(const QString &folder)
{
    struct statfs info {};
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x9fa0UL:     // proc
    case 0x62656572UL: // sysfs
    case 0x1cd1UL:     // devpts
    case 0x64626720UL: // debugfs
    case 0x74726163UL: // tracefs
    case 0x73636673UL: // securityfs
    case 0x27e0ebUL:   // cgroup
    case 0x63677270UL: // cgroup2
    case 0x62656570UL: // configfs
    case 0xcafe4a11UL: // bpf
    case 0x6165676cUL: // pstore
    case 0xde5e81e4UL: // efivarfs
    case 0xf97cff8cUL: // selinuxfs
    case 0x42494e4dUL: // binfmt_misc
    case 0x65735543UL: // fusectl
        return true;
    default:
        return false;
    }
}

// The file a write to `fileName` lands in: a symbolic link is followed, as the atomic writer
// follows it, so the link stays and its target is written.
QFileInfo finalTarget(const QString &fileName)
{
    QFileInfo target(fileName);
    for (int depth = 0; depth < 40 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    return target;
}

bool writableFormat(const QString &suffix)
{
    return !suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix.toLower().toLatin1());
}

// Qt's widget file dialog keeps its history and last folder in the user's QtProject settings.
// The program keeps no state between runs, so those settings point at a path that can never be
// created: the dialog finds nothing to restore and its save fails silently.
void keepNoDialogState()
{
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

bool askToReplace(QWidget *screen, const QString &fileName, Language language)
{
    QMessageBox box(QMessageBox::Warning, messageTitle(language), replaceQuestion(language, fileName),
                    QMessageBox::Yes | QMessageBox::No, screen);
    box.button(QMessageBox::Yes)->setText(romanian(language) ? QStringLiteral("&Da") : QStringLiteral("&Yes"));
    box.button(QMessageBox::No)->setText(romanian(language) ? QStringLiteral("&Nu") : QStringLiteral("&No"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

QString messageTitle(Language language)
{
    return romanian(language) ? QStringLiteral("Salvare imagine") : DialogTitle;
}

QString completedName(const QString &fileName, const QString &selectedFilter)
{
    if (fileName.isEmpty())
        return fileName;
    const int slash = fileName.lastIndexOf(QLatin1Char('/')) + 1;
    QString name = fileName.mid(slash);
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (name.isEmpty())
        return fileName;
    if (writableFormat(QFileInfo(name).suffix()))
        return fileName.left(slash) + name;
    // A known picture type that cannot be written (GIF, SVG) stays as typed and is refused.
    if (QImageReader::supportedImageFormats().contains(QFileInfo(name).suffix().toLower().toLatin1()))
        return fileName.left(slash) + name;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(selectedFilter);
    if (!match.hasMatch())
        return fileName.left(slash) + name;
    return fileName.left(slash) + name + QLatin1Char('.') + match.captured(1);
}

QString startFolder(const QString &programFolder)
{
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return program.absoluteFilePath();
    const QFileInfo pictures(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    if (pictures.isDir() && pictures.isWritable())
        return pictures.absoluteFilePath();
    return QDir::homePath();
}

bool writeImage(const QImage &image, const QString &fileName, Language language, QString *reason)
{
    const QFileInfo named(fileName);
    if (!writableFormat(named.suffix()))
        return fail(reason, language, Cause::UnknownFormat);
    if (!named.absoluteDir().exists())
        return fail(reason, language, Cause::FolderMissing);
    const QFileInfo target = finalTarget(fileName);
    if (named.isSymLink() && !target.absoluteDir().exists())
        return fail(reason, language, Cause::BrokenLink, QDir::toNativeSeparators(target.absoluteFilePath()));
    if (target.isDir())
        return fail(reason, language, Cause::IsFolder);
    if (onSystemFileSystem(target.absolutePath()))
        return fail(reason, language, Cause::SystemFolder);
    errno = 0;
    if (target.exists() && ::access(QFile::encodeName(target.absoluteFilePath()).constData(), W_OK) != 0) {
        const int error = errno;
        return fail(reason, language, error == EROFS ? Cause::ReadOnly : Cause::NoPermission);
    }

    QSaveFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return fail(reason, language, causeOf(error, file.error()), file.errorString());
    }
    QImageWriter writer(&file, target.suffix().toLower().toLatin1());
    errno = 0;
    if (!writer.write(image)) {
        const int error = errno;
        const QFileDevice::FileError fileError = file.error();
        const QString text = fileError != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return fail(reason, language, causeOf(error, fileError), text);
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return fail(reason, language, causeOf(error, file.error()), file.errorString());
    }
    return true;
}

QString failureMessage(Language language)
{
    return romanian(language) ? QStringLiteral("Imaginea nu a putut fi salvată.")
                              : QStringLiteral("The image could not be saved.");
}

QString replaceQuestion(Language language, const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    return romanian(language) ? QStringLiteral("%1 există deja. Doriți să îl înlocuiți?").arg(name)
                              : QStringLiteral("%1 already exists. Do you want to replace it?").arg(name);
}

QString askSaveName(QWidget *screen, const QString &title, const QString &filters, Language language,
                    const std::function<QString(const QString &, const QString &)> &complete)
{
    keepNoDialogState();
    // The dialog's own replace question would only see the name as typed, before the suffix is
    // completed, so the question is asked here about the name that will really be written.
    QFileDialog dialog(screen, title, startFolder(QCoreApplication::applicationDirPath()), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString fileName = complete(dialog.selectedFiles().constFirst(), dialog.selectedNameFilter());
        // Only a file that is there can be replaced: a folder of that name, or a link that
        // leads nowhere, is refused or written below without a question.
        const QFileInfo target(fileName);
        if (!target.exists() || target.isDir() || askToReplace(screen, fileName, language))
            return fileName;
    }
}

void exportPane(QWidget *screen, QWidget *pane, Language language, const QString &clickSound)
{
    if (!clickSound.isEmpty())
        sound::play(clickSound);
    const QString fileName = askSaveName(screen, DialogTitle, Filters, language, completedName);
    if (fileName.isEmpty())
        return;
    const QImage image = pane->grab().toImage();
    QString reason;
    if (!writeImage(image, fileName, language, &reason)) {
        QMessageBox::warning(screen, messageTitle(language),
                             failureMessage(language) + QStringLiteral("\n") +
                                 QDir::toNativeSeparators(fileName) + QStringLiteral("\n") + reason);
    }
}

} // namespace exporting
