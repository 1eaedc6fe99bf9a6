#pragma once

#include <QStringList>

// The forms name Windows font families. Each is mapped to a free look-alike installed with the
// program, so captions keep a similar character instead of falling back to whatever the font
// configuration picks (which for "Impact" is a dingbat font). The forms' default dialog font,
// "MS Shell Dlg 2" at 8 points, becomes the application font.
namespace fonts {

void installSubstitutes();

// Every family the forms name, for tests and tools.
QStringList formFamilies();

} // namespace fonts
