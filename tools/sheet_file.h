#pragma once
// Storing a fetched style sheet in the "csscode" folder next to the program.

#include <QString>
#include <QStringView>

namespace stylewright {

inline constexpr QStringView kSheetFolder = u"csscode";

// Path of the file a sheet saved under this name goes to.
QString sheetFilePath(const QString &programFolder, const QString &name);
// Writes text + CR LF as GBK to sheetFilePath(), replacing an existing file and creating the
// folder when missing. Returns false when the folder or the file cannot be written; a failed
// write leaves any earlier file untouched.
bool saveSheet(const QString &programFolder, const QString &name, QStringView text);

} // namespace stylewright
