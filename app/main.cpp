#include "chooser/mainwindow.h"
#include "common/fonts.h"
#include "common/qtcompat.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The bundle is registered by its static initialiser before this line runs.
    qtcompat::enableHighDpiScaling();
    fonts::installSubstitutes();
    QApplication app(argc, argv);
    MainWindow chooser(nullptr);
    chooser.setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
    chooser.show();
    return app.exec();
}
