#include "chooser/mainwindow.h"
#include "commandline.h"
#include "common/fit.h"
#include "common/keyboard.h"
#include "common/links.h"
#include "common/look.h"
#include "common/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The bundle is registered by its static initialiser before this line runs.
    const commandline::Options options = commandline::parse(argc, argv);
    if (options.exitStatus >= 0)
        return options.exitStatus; // --help, --version or a usage error, already printed
    startup::beforeApplication();
    commandline::DisplayGuard display;
    QApplication app(argc, argv);
    display.opened();
    startup::afterApplication();
    look::install();
    links::reportUnopenedLinks();
    // The window's application id (and, on X11, the entry's StartupWMClass) ties it to
    // org.showerscope.Showerscope.desktop, so docks show its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.showerscope.Showerscope"));
    if (!options.chooseLanguage) {
        if (options.explore)
            openExplorerOnceRunning(options.language); // --explore: the explorer alone
        else
            openMenuOnceRunning(options.language); // --lang: the menu without the chooser
        return app.exec();
    }
    MainWindow chooser(nullptr);
    chooser.setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
    fit::toScreen(&chooser);
    keyboard::prepare(&chooser);
    chooser.show();
    return app.exec();
}
