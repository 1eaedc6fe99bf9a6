#include "chooser/mainwindow.h"
#include "common/fit.h"
#include "common/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The bundle is registered by its static initialiser before this line runs.
    fit::enableHighDpiScaling();
    fonts::installSubstitutes();
    QApplication app(argc, argv);
    MainWindow chooser(nullptr);
    chooser.setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
    fit::toScreen(&chooser);
    chooser.show();
    return app.exec();
}
