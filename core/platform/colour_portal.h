#pragma once
// The desktop's own colour picker, for sessions where no program may read the screen (Wayland):
// the user clicks any pixel and the desktop hands back its colour. Behind an interface so tests
// script the desktop.

#include "base/result.h"
#include "platform/rgb.h"

#include <functional>

class QWidget;

namespace stylewright {

class ColourPortal {
public:
    // Told once per pick, always after start() has returned; never after abandon().
    struct Listener {
        std::function<void(Rgb colour)> picked;
        std::function<void()> cancelled;                // the user closed the picker without a colour
        std::function<void(const Failure &why)> failed; // the message is a sentence for the user
    };

    virtual ~ColourPortal() = default;
    virtual void setListener(Listener listener) = 0;
    // Asks the desktop to let the user pick a colour, above parent; false (and nothing starts)
    // while a pick is running.
    virtual bool start(QWidget *parent) = 0;
    virtual bool isBusy() const = 0;
    // Stops waiting for the running pick and closes the desktop's picker; nothing is told.
    virtual void abandon() = 0;
};

} // namespace stylewright
