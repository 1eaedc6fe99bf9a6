#include "startup.h"

#include "fonts.h"
#include "qtcompat.h"

namespace startup {

void beforeApplication()
{
    qtcompat::enableHighDpiScaling();
    fonts::installSubstitutes();
}

} // namespace startup
