#pragma once
// One picture of the sample page with a sheet, for sharing a look or checking one in a script.

#include <QSize>
#include <QString>

namespace stylewright {

inline constexpr QSize kDefaultPictureSize(1024, 768);

// Renders the page with css at size and saves it as a PNG; the status the program ends with
// (0, or 1 with a message on standard error). Needs a running application.
int exportPicture(const QString &css, const QSize &size, const QString &path);

} // namespace stylewright
