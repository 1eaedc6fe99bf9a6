#pragma once

#include "fit.h"
#include "keyboard.h"
#include "sound.h"

// Modal opening: the target screen is built on the stack without a parent, runs its own event
// loop until the user closes it, and is destroyed with everything it owns when this returns.
// It opens centred on its opener's screen, fitted into it, and usable from the keyboard.
namespace modal {

template <class Screen>
void open()
{
    QWidget *opener = fit::currentOpener();
    Screen screen(nullptr);
    fit::toScreen(&screen, opener);
    keyboard::prepare(&screen);
    screen.setModal(true);
    screen.exec();
}

template <class Screen>
void open(const QString &clickSound)
{
    sound::play(clickSound);
    open<Screen>();
}

} // namespace modal
