#include "tools/sheet_file.h"

#include "options/text_encoding.h"

#include <QDir>
#include <QSaveFile>

namespace stylewright
{

QString sheetFilePath(const QString &programFolder, const QString &name)
{
    return QDir(programFolder).filePath(kSheetFolder + u'/' + name + u".txt");
}

bool saveSheet(const QString &programFolder, const QString &name, QStringView text)
{
    if (!QDir(programFolder).mkpath(kSheetFolder.toString())) return false;
    QSaveFile file(sheetFilePath(programFolder, name));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = encodeGbk(text) + kCrLf;
    if (file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

} // namespace stylewright
