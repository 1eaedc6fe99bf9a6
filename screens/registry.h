#pragma once

#include <QString>
#include <QVector>
#include <functional>

class QWidget;

// Every window of the program by class name, with a factory, for tools, benchmarks and tests
// that walk all screens.
struct ScreenEntry {
    QString className;
    QString language; // "en", "ro" or "" for the chooser
    std::function<QWidget *()> make; // a new parentless instance, owned by the caller
};

const QVector<ScreenEntry> &allScreens();

// A new instance of the named class, or nullptr.
QWidget *makeScreen(const QString &className);
