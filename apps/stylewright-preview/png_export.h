#pragma once
// One picture of the sample page with a sheet, for sharing a look or checking one in a script.

#include <QList>
#include <QSize>
#include <QString>
#include <functional>

namespace stylewright {

inline constexpr QSize kDefaultPictureSize(1024, 768);

struct PictureOrder {
    QString css, path;
};
// Renders the page with each css in turn at size and saves it as a PNG at its path; saved(path)
// follows each picture saved. The status the program ends with: 0, or 1 with a message on
// standard error when any picture failed. Needs a running application.
int exportPictures(const QList<PictureOrder> &orders, const QSize &size,
                   const std::function<void(const QString &path)> &saved);

} // namespace stylewright
