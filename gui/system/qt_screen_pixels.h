#pragma once
// The real screen: the pointer position and one 1 x 1 grab of the screen that holds it.

#include "platform/screen_pixels.h"

#include <QByteArrayView>
#include <QStringView>
#include <memory>

namespace stylewright {

std::unique_ptr<ScreenPixels> makeScreenPixels();

// Whether a program may read other programs' pixels: not in a Wayland session, whether Qt talks
// Wayland itself (platform "wayland…") or goes through the X server a Wayland desktop runs for
// older programs, whose grabs show only X windows.
bool isScreenReadable(QStringView platform, QByteArrayView sessionType, QByteArrayView waylandDisplay);

} // namespace stylewright
