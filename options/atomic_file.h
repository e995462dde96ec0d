#pragma once
// Replacing a file as a whole: the new bytes go to a temporary file beside it, are synced to
// disk and checked, and only then take the file's name. A failure at any step leaves the
// previous file byte for byte. (QSaveFile in Qt 6.4 can report success on a full disk while
// leaving an empty file behind, so the steps are checked here one by one.)

#include <QByteArray>
#include <QString>

namespace stylewright {

bool replaceFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace stylewright
