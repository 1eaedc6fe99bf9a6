#include "qtcompat.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QtEndian>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#ifdef SHOWERSCOPE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif
#endif

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

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) && defined(SHOWERSCOPE_HAVE_XCB)
namespace {

// The whole factor by which Qt 5 scales on the X display (the density the X server reports
// for its screen, in steps of 96 dpi), or 0 when the display's desktop set Xft.dpi, which Qt 6
// follows itself, or when there is no display to ask.
int x11WholeScale()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    int scale = 0;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber && screens.rem; ++i)
            xcb_screen_next(&screens);
        if (screens.rem) {
            const xcb_screen_t *screen = screens.data;
            bool xftDpi = false;
            const xcb_get_property_cookie_t cookie =
                xcb_get_property(connection, 0, screen->root, XCB_ATOM_RESOURCE_MANAGER,
                                 XCB_ATOM_STRING, 0, 1 << 20);
            if (xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr)) {
                const QByteArray resources(static_cast<const char *>(xcb_get_property_value(reply)),
                                           xcb_get_property_value_length(reply));
                xftDpi = resources.startsWith("Xft.dpi:") || resources.contains("\nXft.dpi:");
                std::free(reply);
            }
            if (!xftDpi && screen->width_in_millimeters > 0 && screen->height_in_millimeters > 0) {
                const double dpi = (screen->width_in_pixels * 25.4 / screen->width_in_millimeters +
                                    screen->height_in_pixels * 25.4 / screen->height_in_millimeters) / 2;
                scale = qMax(1, qRound(dpi / 96));
            }
        }
    }
    xcb_disconnect(connection);
    return scale;
}

bool &scaleSetHere()
{
    static bool set = false;
    return set;
}

} // namespace
#endif

void enableHighDpiScaling()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) && defined(SHOWERSCOPE_HAVE_XCB)
    // Qt 6 on X11 takes its scale from Xft.dpi and, where the desktop set none, uses 1: on a
    // bare X server of a high-density screen every window would come out at a quarter of its
    // size. There the X server's own density decides, rounded to a whole factor, as in Qt 5
    // (a plain screen of about 96 dpi stays at 1 and its pictures sharp). A scale the user
    // chose with the toolkit's variables is left alone.
    for (const char *chosen : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_USE_PHYSICAL_DPI",
                               "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY"}) {
        if (qEnvironmentVariableIsSet(chosen))
            return;
    }
    if (qgetenv("QT_QPA_PLATFORM") != "xcb")
        return;
    const int scale = x11WholeScale();
    if (scale > 1) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
        scaleSetHere() = true;
    }
#endif
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5's rounding of the factor to a whole number stays: without an Xft.dpi setting its X11
    // back end derives the factor from the screen's physical size (1.04 on a plain X server),
    // which would blur every picture; Qt 6 takes 96 dpi there.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

void forgetOwnScaling()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) && defined(SHOWERSCOPE_HAVE_XCB)
    // The toolkit has read it; programs the user opens from here (a browser) must not inherit it.
    if (scaleSetHere()) {
        qunsetenv("QT_SCALE_FACTOR");
        scaleSetHere() = false;
    }
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
