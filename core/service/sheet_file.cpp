#include "service/sheet_file.h"

#include "base/text_encoding.h"

#include <QDir>
#include <QFileInfo>

namespace stylewright {

QString sheetFilePath(const QString &programFolder, const QString &name)
{
    return QDir(programFolder).filePath(kSheetFolder + u'/' + name + u".txt");
}

Result<void> saveSheet(const QString &programFolder, const QString &name, QStringView text, const WriteFaults &faults)
{
    const QString folder = QDir(programFolder).filePath(kSheetFolder.toString());
    // A read-only program folder cannot take the sheet folder either.
    if (!QFileInfo(folder).isDir() && (faults.folderReadOnly || !QDir(programFolder).mkpath(kSheetFolder.toString())))
        return Failure{QStringLiteral("无法创建文件夹"), u"mkpath " + folder};
    return replaceFileAtomically(sheetFilePath(programFolder, name), encodeGbk(text) + kCrLf, faults);
}

} // namespace stylewright
