#pragma once

#include "chooser/mainwindow.h"

#include <QByteArray>
#include <QStringList>
#include <QtMessageHandler>

// The program's command line, read before any window exists: --help, --version,
// --lang en|ro (start in that language's menu instead of the chooser), --explore (start in the
// shower explorer, in English unless --lang ro) and --shower (print one shower's numbers as
// CSV, no display needed).
namespace commandline {

struct Options {
    // Set when the program is to stop at once with this exit status: 0 after --help,
    // --version or --shower, 2 after a usage error (message already printed).
    int exitStatus = -1;
    bool chooseLanguage = true;        // false: start in the menu of `language`
    MenuLanguage language = MenuLanguage::English;
    bool explore = false;              // --explore: the explorer of `language` instead of the menu
};

// Parses the arguments, prints help, version or the error, and says how to go on.
Options parse(int argc, char *argv[]);
// The same on a ready list (first entry: the program's name); output goes to the given text.
Options parse(const QStringList &arguments, QString *out, QString *err);

// Without a usable display the toolkit's start-up ends in qFatal and abort(). While an
// object of this class lives, that turns into one line on stderr and exit status 1; the other
// messages of the start-up are held back and passed on by opened().
class DisplayGuard
{
public:
    DisplayGuard();
    ~DisplayGuard();
    void opened();

private:
    QtMessageHandler previous;
    bool active = true;
};

} // namespace commandline
