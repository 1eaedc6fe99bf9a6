#pragma once

#include "sound.h"

// Modal opening: the target screen is built on the stack without a parent, runs its own event
// loop until the user closes it, and is destroyed with everything it owns when this returns.
namespace modal {

template <class Screen>
void open()
{
    Screen screen(nullptr);
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
