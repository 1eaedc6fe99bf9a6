#include "exportimage.h"

#include "sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QMessageBox>
#include <QPixmap>
#include <QRegularExpression>
#include <QSaveFile>

namespace exporting {

QString completedName(const QString &fileName, const QString &selectedFilter)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(selectedFilter);
    if (!match.hasMatch())
        return fileName;
    return fileName + QLatin1Char('.') + match.captured(1);
}

bool writeImage(const QImage &image, const QString &fileName, QString *error, Language language)
{
    const QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format)) {
        if (error)
            *error = language == Language::Romanian ? QStringLiteral("Format de imagine neacceptat")
                                                    : QStringLiteral("Unsupported image format");
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        if (error)
            *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString failureMessage(Language language)
{
    return language == Language::Romanian ? QStringLiteral("Imaginea nu a putut fi salvată.")
                                          : QStringLiteral("The image could not be saved.");
}

void exportPane(QWidget *screen, QWidget *pane, Language language, const QString &clickSound)
{
    if (!clickSound.isEmpty())
        sound::play(clickSound);
    QString selectedFilter;
    const QString chosen = QFileDialog::getSaveFileName(
        screen, DialogTitle, QCoreApplication::applicationDirPath(), Filters, &selectedFilter);
    if (chosen.isNull())
        return;
    const QString fileName = completedName(chosen, selectedFilter);
    const QImage image = pane->grab().toImage();
    QString error;
    if (!writeImage(image, fileName, &error, language)) {
        QMessageBox::warning(screen, DialogTitle,
                             failureMessage(language) + QStringLiteral("\n") +
                                 QDir::toNativeSeparators(fileName) + QStringLiteral("\n") + error);
    }
}

} // namespace exporting
