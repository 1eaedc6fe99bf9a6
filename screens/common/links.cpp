#include "links.h"

#include "sound.h"

#include <QDesktopServices>
#include <QUrl>

namespace links {

void open(const QString &address)
{
    sound::play(sound::Click);
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace links
