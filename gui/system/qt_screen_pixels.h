#pragma once
// The real screen: the pointer position and one 1 x 1 grab of the screen that holds it.

#include "platform/screen_pixels.h"

#include <memory>

namespace stylewright {

std::unique_ptr<ScreenPixels> makeScreenPixels();

} // namespace stylewright
