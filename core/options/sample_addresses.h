#pragma once
// Sample addresses the picture fields start with. They live on the space service's own hosts;
// the user replaces them with pictures uploaded to their space.

#include <QStringView>

namespace stylewright {

inline constexpr QStringView kSamplePictureA = u"http://photo.moyan.test/sample/divider.gif";
inline constexpr QStringView kSamplePictureB = u"http://photo.moyan.test/sample/background.jpg";
inline constexpr QStringView kSamplePictureC = u"http://img2.moyan.test/sample/tab-hover.gif";
inline constexpr QStringView kSampleCursor = u"http://img2.moyan.test/sample/cursor.ani";
inline constexpr QStringView kExampleAddress = u"http://photo.moyan.test/1.jpg|gif|bmp";

} // namespace stylewright
