#include "base/file_reading.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace stylewright {
namespace {

Failure refused(FileError error, const QString &path, const QString &why)
{
    return Failure{{}, path + u": " + why, error};
}

Failure tooLarge(const QString &path, qint64 maxBytes)
{
    return refused(FileError::TooLarge, path, QStringLiteral("larger than %1 bytes").arg(maxBytes));
}

#ifndef Q_OS_WIN

// What a failed stat() or open() means; a path that names nothing, or goes through something
// that is not a folder, names no file.
Failure systemRefusal(const QString &path, const char *step)
{
    const int code = errno;
    const FileError error = code == ENOENT || code == ENOTDIR ? FileError::Missing : FileError::Unreadable;
    return refused(error, path, QString::fromLatin1(step) + u": " + qt_error_string(code));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Reads to the end in chunks, never more than one byte past the cap.
Result<QByteArray> readToEnd(int fd, const QString &path, qint64 maxBytes, qint64 reported)
{
    constexpr qint64 kChunk = 64 * 1024;
    QByteArray bytes;
    bytes.reserve(qsizetype(std::clamp<qint64>(reported, 0, maxBytes) + 1)); // a hint, not a promise
    while (bytes.size() <= maxBytes) {
        const qsizetype before = bytes.size();
        const qint64 want = std::min(kChunk, maxBytes + 1 - before);
        bytes.resize(before + qsizetype(want));
        const ssize_t got = ::read(fd, bytes.data() + before, size_t(want));
        bytes.resize(before + std::max<qsizetype>(got, 0));
        if (got == 0)
            return bytes;
        if (got < 0 && errno != EINTR)
            return systemRefusal(path, "read");
    }
    return tooLarge(path, maxBytes);
}

#endif

} // namespace

Result<QByteArray> readFileCapped(const QString &path, qint64 maxBytes)
{
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists())
        return refused(FileError::Missing, path, QStringLiteral("no such file"));
    if (!info.isFile())
        return refused(FileError::NotRegularFile, path, QStringLiteral("not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(FileError::Unreadable, path, u"open: " + file.errorString());
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(FileError::Unreadable, path, u"read: " + file.errorString());
    if (bytes.size() > maxBytes)
        return tooLarge(path, maxBytes);
    return bytes;
#else
    const QByteArray name = QFile::encodeName(path);
    struct stat named {};
    if (::stat(name.constData(), &named) != 0) // follows links: a link is what it points to
        return systemRefusal(path, "stat");
    if (!S_ISREG(named.st_mode)) // a pipe would block open() itself, a device may never end
        return refused(FileError::NotRegularFile, path, QStringLiteral("not a regular file"));
    if (named.st_size > maxBytes)
        return tooLarge(path, maxBytes);
    // Not blocking, and checked again once open: the path may have been swapped for a pipe.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        return systemRefusal(path, "open");
    struct stat opened {};
    if (::fstat(file.fd(), &opened) != 0)
        return systemRefusal(path, "stat");
    if (!S_ISREG(opened.st_mode))
        return refused(FileError::NotRegularFile, path, QStringLiteral("not a regular file"));
    return readToEnd(file.fd(), path, maxBytes, opened.st_size);
#endif
}

} // namespace stylewright
