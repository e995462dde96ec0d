#include "base/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace stylewright {

QString chooseDataFolder(const DataFolderPlaces &places)
{
    if (!places.chosen.isEmpty())
        return QDir::cleanPath(QDir(places.chosen).absolutePath());
    const QFileInfo program(places.programFolder);
    if (!places.programFolder.isEmpty() && program.isDir() && program.isWritable())
        return QDir::cleanPath(program.absoluteFilePath());
    if (places.userFolder.isEmpty()) // no home folder: saves fail there with a message naming it
        return QDir::cleanPath(program.absoluteFilePath());
    return QDir::cleanPath(QDir(places.userFolder).absolutePath());
}

DataFolderPlaces standardDataFolderPlaces(const QString &chosen)
{
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return {chosen, QCoreApplication::applicationDirPath(), QDir(shared).filePath(QStringLiteral("stylewright"))};
}

Result<void> makeDataFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return {};
    return Failure{
        QStringLiteral("无法创建数据文件夹“%1”，请检查它的上级文件夹是否可以写入，或用 --data-dir 指定另一个文件夹。")
            .arg(QDir::toNativeSeparators(folder)),
        u"mkpath " + folder};
}

} // namespace stylewright
