#pragma once
// Where the colour picker gets the pointer position and the colour under it; tests feed both.

#include <QColor>
#include <QPoint>
#include <memory>
#include <optional>

namespace stylewright {

class ScreenPixels {
public:
    virtual ~ScreenPixels() = default;
    // The pointer's position in screen pixels.
    virtual QPoint pointerPosition() = 0;
    // The colour of the one screen pixel at position, or nothing when the platform will not give it.
    virtual std::optional<QColor> pixelAt(QPoint position) = 0;
};

// Reads the real screen: one 1 x 1 grab of the screen that holds the position.
std::unique_ptr<ScreenPixels> makeScreenPixels();

} // namespace stylewright
