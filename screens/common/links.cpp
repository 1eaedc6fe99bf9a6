#include "links.h"

#include "fit.h"
#include "sound.h"
#include "toolkittranslation.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>

namespace links {
namespace {

// Receives every http and https address the program opens. Called from inside the desktop
// services, its own openUrl() call goes to the platform's browser detection, not back here.
class Opener : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    void open(const QUrl &url)
    {
        if (QDesktopServices::openUrl(url))
            return;
        const Language language = toolkitTranslationLanguage() == QLatin1String("ro") ? Language::Romanian
                                                                                       : Language::English;
        QMessageBox box(QMessageBox::Information, messageTitle(language),
                        unopenedMessage(language, url.toDisplayString()), QMessageBox::Ok,
                        fit::currentOpener());
        box.setTextInteractionFlags(Qt::TextSelectableByMouse); // the address can be copied
        box.exec();
    }
};

} // namespace

void open(const QString &address)
{
    sound::play(sound::Click);
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void reportUnopenedLinks()
{
    static QPointer<Opener> opener;
    if (!QCoreApplication::instance())
        return;
    if (!opener)
        opener = new Opener(QCoreApplication::instance());
    for (const char *scheme : {"https", "http"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), opener, "open");
}

QString messageTitle(Language language)
{
    return language == Language::Romanian ? QStringLiteral("Deschidere legătură") : QStringLiteral("Open link");
}

QString unopenedMessage(Language language, const QString &address)
{
    return language == Language::Romanian
               ? QStringLiteral("Legătura nu a putut fi deschisă.\n%1\nPe acest calculator nu a fost găsit "
                                "niciun navigator web care să o deschidă.").arg(address)
               : QStringLiteral("The link could not be opened.\n%1\nNo web browser that could open it was "
                                "found on this computer.").arg(address);
}

} // namespace links

#include "links.moc"
