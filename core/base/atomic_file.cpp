#include "base/atomic_file.h"

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

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

Failure failed(const QString &step, const QString &path, const QString &why)
{
    return {why, QStringLiteral("%1 %2: %3").arg(step, path, why)};
}

const QString kReadOnly = QStringLiteral("Permission denied");
const QString kDiskFull = QStringLiteral("No space left on device");

// Writes all bytes; with a full disk acted out, as many as it takes.
bool writeAll(QFileDevice &file, const QByteArray &bytes, const WriteFaults &faults)
{
    if (faults.diskFullAfter >= 0 && faults.diskFullAfter < bytes.size()) {
        file.write(bytes.first(faults.diskFullAfter));
        return false;
    }
    return file.write(bytes) == bytes.size();
}

} // namespace

Result<void> replaceFileAtomically(const QString &path, const QByteArray &bytes, const WriteFaults &faults)
{
    const QFileInfo target(path);
    if (target.isDir())
        return failed(QStringLiteral("replace"), path, QStringLiteral("is a folder"));
    if (faults.folderReadOnly)
        return failed(QStringLiteral("create a temporary file beside"), path, kReadOnly);
    QTemporaryFile temp(target.absolutePath() + u"/." + target.fileName() + u".XXXXXX");
    if (!temp.open())
        return failed(QStringLiteral("create a temporary file beside"), path, temp.errorString());
    // The replacement keeps the permissions of the file it replaces; a new file is readable by all.
    const QFile::Permissions permissions =
        target.exists() ? QFile(path).permissions()
                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (!writeAll(temp, bytes, faults))
        return failed(QStringLiteral("write"), temp.fileName(),
                      faults.diskFullAfter >= 0 ? kDiskFull : temp.errorString());
    if (!temp.flush() || !syncToDisk(temp.handle()) || !temp.setPermissions(permissions))
        return failed(QStringLiteral("sync"), temp.fileName(), temp.errorString());
    temp.close();
    if (temp.error() != QFileDevice::NoError)
        return failed(QStringLiteral("close"), temp.fileName(), temp.errorString());
    std::error_code error;
    std::filesystem::rename(nativePath(temp.fileName()), nativePath(target.absoluteFilePath()), error);
    if (error)
        return failed(QStringLiteral("rename onto"), path, QString::fromStdString(error.message()));
    temp.setAutoRemove(false); // it carries the target's name now
    return {};
}

Result<void> appendToFile(const QString &path, const QByteArray &bytes, const WriteFaults &faults)
{
    if (faults.folderReadOnly)
        return failed(QStringLiteral("append to"), path, kReadOnly);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failed(QStringLiteral("open"), path, file.errorString());
    const qint64 before = file.size();
    if (writeAll(file, bytes, faults) && file.flush())
        return {};
    const QString why = faults.diskFullAfter >= 0 ? kDiskFull : file.errorString();
    file.resize(before); // no half block stays behind
    return failed(QStringLiteral("append to"), path, why);
}

} // namespace stylewright
