#include "startup.h"

#include "fonts.h"
#include "qtcompat.h"

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

} // namespace

void beforeApplication()
{
    dropUnusableScaleFactor();
    qtcompat::enableHighDpiScaling();
    fonts::installSubstitutes();
}

} // namespace startup
