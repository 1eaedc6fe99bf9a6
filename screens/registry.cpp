#include "registry.h"

#include "chooser/mainwindow.h"
#include "en/comparison.h"
#include "en/conex.h"
#include "en/credits.h"
#include "en/detection.h"
#include "en/explorer.h"
#include "en/intro.h"
#include "en/media.h"
#include "en/menu.h"
#include "en/properties.h"
#include "en/radio.h"
#include "en/references.h"
#include "en/results.h"
#include "en/simulations.h"
#include "en/vxb.h"
#include "ro/comparison.h"
#include "ro/conex.h"
#include "ro/credits.h"
#include "ro/detection.h"
#include "ro/explorer.h"
#include "ro/intro.h"
#include "ro/media.h"
#include "ro/menu.h"
#include "ro/properties.h"
#include "ro/radio.h"
#include "ro/references.h"
#include "ro/results.h"
#include "ro/simulations.h"
#include "ro/vxb.h"

namespace {

template <class T>
ScreenEntry entry(const char *className, const char *language)
{
    return {QString::fromLatin1(className), QString::fromLatin1(language),
            [] { return static_cast<QWidget *>(new T(nullptr)); }};
}

} // namespace

const QVector<ScreenEntry> &allScreens()
{
    static const QVector<ScreenEntry> screens = {
        entry<MainWindow>("MainWindow", ""),
        entry<Dialog>("Dialog", "en"),         entry<Dialogr>("Dialogr", "ro"),
        entry<Dialog8>("Dialog8", "en"),       entry<Dialogr5>("Dialogr5", "ro"),
        entry<Dialog1>("Dialog1", "en"),       entry<Dialogr1>("Dialogr1", "ro"),
        entry<Dialog13>("Dialog13", "en"),     entry<Dialogr13>("Dialogr13", "ro"),
        entry<Dialog7>("Dialog7", "en"),       entry<Dialogr2>("Dialogr2", "ro"),
        entry<Dialog10>("Dialog10", "en"),     entry<Dialogr10>("Dialogr10", "ro"),
        entry<Dialog9>("Dialog9", "en"),       entry<Dialogr9>("Dialogr9", "ro"),
        entry<Dialog11>("Dialog11", "en"),     entry<Dialogr11>("Dialogr11", "ro"),
        entry<Dialog12>("Dialog12", "en"),     entry<Dialogr12r>("Dialogr12r", "ro"),
        entry<Dialog4>("Dialog4", "en"),       entry<Dialogr4>("Dialogr4", "ro"),
        entry<Dialog5>("Dialog5", "en"),       entry<Dialogr6>("Dialogr6", "ro"),
        entry<Dialog6>("Dialog6", "en"),       entry<Dialogr7>("Dialogr7", "ro"),
        entry<Dialog2>("Dialog2", "en"),       entry<Dialogr3>("Dialogr3", "ro"),
        entry<Dialog14>("Dialog14", "en"),     entry<Dialogr14>("Dialogr14", "ro"),
    };
    return screens;
}

QWidget *makeScreen(const QString &className)
{
    for (const ScreenEntry &e : allScreens()) {
        if (e.className == className)
            return e.make();
    }
    return nullptr;
}
