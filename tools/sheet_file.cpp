#include "tools/sheet_file.h"

#include "options/atomic_file.h"
#include "options/text_encoding.h"

#include <QDir>

namespace stylewright {

QString sheetFilePath(const QString &programFolder, const QString &name)
{
    return QDir(programFolder).filePath(kSheetFolder + u'/' + name + u".txt");
}

bool saveSheet(const QString &programFolder, const QString &name, QStringView text)
{
    if (!QDir(programFolder).mkpath(kSheetFolder.toString()))
        return false;
    return replaceFileAtomically(sheetFilePath(programFolder, name), encodeGbk(text) + kCrLf);
}

} // namespace stylewright
