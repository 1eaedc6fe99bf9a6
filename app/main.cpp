#include "chooser/mainwindow.h"
#include "common/fonts.h"
#include "common/look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The bundle is registered by its static initialiser before this line runs.
    fonts::installSubstitutes();
    QApplication app(argc, argv);
    look::install();
    MainWindow chooser(nullptr);
    chooser.setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
    chooser.show();
    return app.exec();
}
