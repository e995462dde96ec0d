#pragma once
// Where the colour picker gets the pointer position and the colour under it; tests feed both.

#include "platform/rgb.h"

#include <QPoint>
#include <optional>

namespace stylewright {

class ScreenPixels {
public:
    virtual ~ScreenPixels() = default;
    // False where the session lets no program read the screen (Wayland); the picker then asks the
    // desktop for a colour instead of sampling.
    virtual bool canReadScreen() = 0;
    // The pointer's position in screen pixels.
    virtual QPoint pointerPosition() = 0;
    // The colour of the one screen pixel at position, or nothing when the platform will not give it.
    virtual std::optional<Rgb> pixelAt(QPoint position) = 0;
};

} // namespace stylewright
