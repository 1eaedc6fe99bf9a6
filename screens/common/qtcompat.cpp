#include "qtcompat.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QtEndian>

namespace qtcompat {

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, int(bytes.size()) - 3);
    const bool little = bytes.startsWith("\xFF\xFE");
    if (!little && !bytes.startsWith("\xFE\xFF"))
        return QString::fromUtf8(bytes);
    // A trailing odd byte is not a whole code unit and is dropped.
    const int units = int(bytes.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    if (little)
        qFromLittleEndian<quint16>(bytes.constData() + 2, units, text.data());
    else
        qFromBigEndian<quint16>(bytes.constData() + 2, units, text.data());
    return text;
}

QPixmap labelPixmap(const QLabel *label)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return label->pixmap();
#else
    return label->pixmap(Qt::ReturnByValue);
#endif
}

QString translationsFolder()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

QStringList fontFamilies()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QFontDatabase::families();
#else
    return QFontDatabase().families();
#endif
}

void enableHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5's rounding of the factor to a whole number stays: without an Xft.dpi setting its X11
    // back end derives the factor from the screen's physical size (1.04 on a plain X server),
    // which would blur every picture; Qt 6 takes 96 dpi there.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

QPointF mousePosition(const QMouseEvent *event)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return event->localPos();
#else
    return event->position();
#endif
}

} // namespace qtcompat
