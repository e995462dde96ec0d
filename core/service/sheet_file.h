#pragma once
// Storing a fetched style sheet in the "csscode" folder of the program folder.

#include "base/atomic_file.h"
#include "base/result.h"

#include <QString>
#include <QStringView>

namespace stylewright {

inline constexpr QStringView kSheetFolder = u"csscode";

// Path of the file a sheet saved under this name goes to.
QString sheetFilePath(const QString &programFolder, const QString &name);
// Writes text + CR LF as GBK to sheetFilePath(), replacing an existing file and creating the
// folder when missing. Fails when the folder or the file cannot be written; a failed write
// leaves any earlier file untouched.
Result<void> saveSheet(const QString &programFolder, const QString &name, QStringView text,
                       const WriteFaults &faults = {});

} // namespace stylewright
