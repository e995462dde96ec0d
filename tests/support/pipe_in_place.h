#pragma once
// A named pipe where a file is expected, with a writer standing by: any reader that opens it is
// let go at once (it reads nothing), so a test of code that must refuse a pipe ends even when the
// code under test does open it. The pipe is reached through a handle of its own, so renaming it
// (as a file is moved aside) changes nothing.

#include <QFile>
#include <QString>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace stylewright::testing {

class PipeInPlace {
public:
    explicit PipeInPlace(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        if (::mkfifo(name.constData(), 0600) != 0)
            return;
        m_handle = ::open(name.constData(), O_PATH | O_CLOEXEC); // neither reads nor writes
        if (m_handle < 0)
            return;
        m_reopen = "/proc/self/fd/" + QByteArray::number(m_handle);
        m_writer = std::thread([this] {
            while (!m_done) {
                const int fd = ::open(m_reopen.constData(), O_WRONLY | O_CLOEXEC); // waits for a reader
                if (fd < 0)
                    return;
                ::close(fd);
            }
        });
    }
    ~PipeInPlace()
    {
        if (m_writer.joinable()) {
            m_done = true;
            const int fd = ::open(m_reopen.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); // wakes the writer
            m_writer.join();
            if (fd >= 0)
                ::close(fd);
        }
        if (m_handle >= 0)
            ::close(m_handle);
    }
    PipeInPlace(const PipeInPlace &) = delete;
    PipeInPlace &operator=(const PipeInPlace &) = delete;

    bool made() const { return m_writer.joinable(); }

private:
    int m_handle = -1;
    QByteArray m_reopen;
    std::atomic<bool> m_done = false;
    std::thread m_writer;
};

} // namespace stylewright::testing
