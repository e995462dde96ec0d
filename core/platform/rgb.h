#pragma once
// Colours cross the platform interfaces as 0xRRGGBB: a QtCore value (QColor belongs to QtGui).

#include <QtGlobal>

namespace stylewright {

using Rgb = quint32;

constexpr Rgb rgb(int red, int green, int blue)
{
    return Rgb((red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF));
}
constexpr int redOf(Rgb colour)
{
    return int(colour >> 16 & 0xFF);
}
constexpr int greenOf(Rgb colour)
{
    return int(colour >> 8 & 0xFF);
}
constexpr int blueOf(Rgb colour)
{
    return int(colour & 0xFF);
}

} // namespace stylewright
