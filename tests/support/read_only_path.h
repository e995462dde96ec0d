#pragma once
// Makes a folder refuse new files, or a file refuse writes, for the lifetime of the object: a
// mode without write permission for a normal user, the immutable attribute for root (which
// ignores modes). isReadOnly() tells whether it worked.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <unistd.h>

namespace stylewright::testing {

class ReadOnlyPath {
public:
    explicit ReadOnlyPath(QString path) : m_path(std::move(path))
    {
        if (geteuid() == 0) {
            m_immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
        } else {
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
        }
        if (QFileInfo(m_path).isDir()) {
            QFile probe(m_path + QStringLiteral("/.probe"));
            m_readOnly = !probe.open(QIODevice::WriteOnly);
            if (!m_readOnly)
                probe.remove();
        } else {
            m_readOnly = !QFile(m_path).open(QIODevice::Append);
        }
    }
    ~ReadOnlyPath()
    {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyPath(const ReadOnlyPath &) = delete;
    ReadOnlyPath &operator=(const ReadOnlyPath &) = delete;

    bool isReadOnly() const { return m_readOnly; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_readOnly = false;
};

} // namespace stylewright::testing
