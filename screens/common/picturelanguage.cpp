#include "picturelanguage.h"

#include <QLocale>
#include <QPixmapCache>

void usePictureLanguage(const QString &lang)
{
    QLocale locale = lang == QLatin1String("ro") ? QLocale(QLocale::Romanian, QLocale::Romania)
                                                 : QLocale(QLocale::English, QLocale::UnitedStates);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
    // The pixmap cache keys a file by its path, size and time: a picture loaded in the other
    // language could otherwise come back from it.
    QPixmapCache::clear();
}
