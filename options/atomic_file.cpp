#include "options/atomic_file.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace stylewright {
namespace {

bool syncToDisk(int handle)
{
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

std::filesystem::path nativePath(const QString &path) { return std::filesystem::path(path.toStdU16String()); }

} // namespace

bool replaceFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return false;
    QTemporaryFile temp(target.absolutePath() + u"/." + target.fileName() + u".XXXXXX");
    if (!temp.open())
        return false;
    // The replacement keeps the permissions of the file it replaces; a new file is readable by all.
    const QFile::Permissions permissions =
        target.exists() ? QFile(path).permissions()
                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (temp.write(bytes) != bytes.size() || !temp.flush() || !syncToDisk(temp.handle()) ||
        !temp.setPermissions(permissions))
        return false;
    temp.close();
    if (temp.error() != QFileDevice::NoError)
        return false;
    std::error_code error;
    std::filesystem::rename(nativePath(temp.fileName()), nativePath(target.absoluteFilePath()), error);
    if (error)
        return false;
    temp.setAutoRemove(false); // it carries the target's name now
    return true;
}

} // namespace stylewright
