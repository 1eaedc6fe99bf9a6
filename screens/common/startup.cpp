#include "startup.h"

#include "fonts.h"
#include "qtcompat.h"

#include <QString>
#include <QtGlobal>

#include <cmath>

namespace startup {
namespace {

// A scale factor of zero, below zero or not a number cannot draw a window: Qt 6 then opens
// none and waits for ever, Qt 5 ignores it. The program ignores it on both.
void dropUnusableScaleFactor()
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    bool number = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&number);
    if (!number || !std::isfinite(factor) || factor <= 0)
        qunsetenv("QT_SCALE_FACTOR");
}

QtMessageHandler nextHandler = nullptr;

// Closing a modal window with the pointer over it makes the toolkit's X11 back end look for the
// window now under the pointer, to give it the enter event the X server does not send, by
// walking the window tree step by step. A window manager destroys the frame it had put around
// the closed window at that moment, and the step into the frame fails with BadWindow on
// TranslateCoords. The back end copes with the missing answer (there is simply no enter event
// to emulate); only its report of the failed step is dropped here, no other message.
void dropFrameRaceReport(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && context.category && qstrcmp(context.category, "qt.qpa.xcb") == 0 &&
        text.contains(QLatin1String("(BadWindow)")) && text.contains(QLatin1String("(TranslateCoords)")))
        return;
    if (nextHandler)
        nextHandler(type, context, text);
}

// Windows open through X11 wherever an X display is offered (an X11 desktop, or a Wayland
// desktop's X11 support), unless QT_QPA_PLATFORM or -platform names another window system:
// screens are centred on their opener and fitted into the free area of its screen, and under
// Wayland a program cannot place its windows. Qt 6 would otherwise try Wayland first and warn
// at every start where its Wayland plugin is not installed.
bool platformSetHere = false;

void preferX11()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        platformSetHere = true;
    }
}

} // namespace

void beforeApplication()
{
    if (!nextHandler)
        nextHandler = qInstallMessageHandler(dropFrameRaceReport);
    dropUnusableScaleFactor();
    preferX11();
    qtcompat::enableHighDpiScaling();
    fonts::installSubstitutes();
}

void afterApplication()
{
    // Programs the user opens from here (a browser) choose their own window system.
    if (platformSetHere) {
        qunsetenv("QT_QPA_PLATFORM");
        platformSetHere = false;
    }
    qtcompat::forgetOwnScaling();
}

} // namespace startup
