#include "base/atomic_file.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <filesystem>
#include <optional>

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

// Writes all bytes (with a full disk acted out, as many as fit); the reason when not all went.
std::optional<QString> writeAll(QFileDevice &file, const QByteArray &bytes, const WriteFaults &faults)
{
    if (faults.diskFullAfter >= 0 && faults.diskFullAfter < bytes.size()) {
        file.write(bytes.first(faults.diskFullAfter));
        return kDiskFull;
    }
    errno = 0;
    if (file.write(bytes) == bytes.size())
        return std::nullopt;
    // A write cut short by the system leaves Qt's error unset; the system's own reason is in errno.
    const int code = errno;
    return file.error() != QFileDevice::NoError || code == 0 ? file.errorString() : qt_error_string(code);
}

// The file a path names: a symbolic link is followed, so that the file it points to is replaced
// and the link stays.
QFileInfo fileNamedBy(const QString &path)
{
    const QFileInfo named(path);
    if (!named.isSymLink())
        return named;
    const QString resolved = named.canonicalFilePath(); // empty when the link leads nowhere
    return QFileInfo(resolved.isEmpty() ? named.symLinkTarget() : resolved);
}

} // namespace

Result<void> replaceFileAtomically(const QString &path, const QByteArray &bytes, const WriteFaults &faults)
{
    const QFileInfo target = fileNamedBy(path);
    if (target.isDir())
        return failed(QStringLiteral("replace"), path, QStringLiteral("is a folder"));
    if (faults.folderReadOnly)
        return failed(QStringLiteral("create a temporary file beside"), path, kReadOnly);
    QTemporaryFile temp(target.absolutePath() + u"/." + target.fileName() + u".XXXXXX");
    if (!temp.open())
        return failed(QStringLiteral("create a temporary file beside"), path, temp.errorString());
    // The replacement keeps the permissions of the file it replaces; a new file is readable by all.
    const QFile::Permissions permissions =
        target.exists() ? QFile(target.absoluteFilePath()).permissions()
                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (const std::optional<QString> why = writeAll(temp, bytes, faults))
        return failed(QStringLiteral("write"), temp.fileName(), *why);
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
    QFile file(path);
    const bool existed = file.exists();
    // A read-only folder refuses a new file, but a file already in it can still grow.
    if (faults.folderReadOnly && !existed)
        return failed(QStringLiteral("open"), path, kReadOnly);
    // Unbuffered: a failed write leaves nothing in a buffer that would be flushed later, past the cut.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return failed(QStringLiteral("open"), path, file.errorString());
    const qint64 before = file.size();
    const std::optional<QString> why = writeAll(file, bytes, faults);
    if (!why)
        return {};
    file.close();
    // No half block stays behind, and a file this append created goes again.
    std::error_code error;
    if (existed)
        std::filesystem::resize_file(nativePath(path), std::uintmax_t(before), error);
    else
        std::filesystem::remove(nativePath(path), error);
    Failure failure = failed(QStringLiteral("append to"), path, *why);
    if (error)
        failure.reason += u"; cutting it off again: " + QString::fromStdString(error.message());
    return failure;
}

} // namespace stylewright
