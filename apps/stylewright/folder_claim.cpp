#include "stylewright/folder_claim.h"

#include "base/data_folder.h"
#include "stylewright/network_module.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace stylewright {
namespace {

constexpr int kRetryPauseMs = 50;

} // namespace

QString folderLockPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral(".stylewright.lock"));
}

QString editorServerName(const QString &folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    const QByteArray key = (path + u'\n' + QDir::homePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(20);
    const QString name = u"stylewright-" + QString::fromLatin1(hash);
    // The user's own run-time folder keeps other users away from the socket.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? QDir(runtime).filePath(name) : name;
}

FolderClaim::FolderClaim(const QString &folder, const QStringList &moduleFolders, QObject *parent)
    : QObject(parent), m_lock(folderLockPath(folder)), m_server(editorServerName(folder)),
      m_moduleFolders(moduleFolders)
{
    m_lock.setStaleLockTime(0); // held as long as the editor runs: only a dead program's is stale
    if (!makeDataFolder(folder))
        return;
    const QDeadlineTimer retry(kClaimRetryForMs);
    for (;;) {
        if (m_lock.tryLock(0)) {
            m_outcome = Outcome::Ours;
            return;
        }
        if (m_lock.error() != QLockFile::LockFailedError)
            return; // Unlockable
        const std::optional<RaiseAnswer> answer = askEditorToRaise(m_server, m_moduleFolders);
        if (answer == RaiseAnswer::Raised) {
            m_outcome = Outcome::HandedOver;
            return;
        }
        if (answer != RaiseAnswer::Absent || retry.hasExpired()) {
            m_outcome = Outcome::Shared;
            return;
        }
        QThread::msleep(kRetryPauseMs);
    }
}

FolderClaim::~FolderClaim()
{
    // The listener goes first: closing removes the socket's name, which must not be a successor's.
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
    m_lock.unlock();
}

void FolderClaim::listen()
{
    if (m_outcome != Outcome::Ours || m_listening)
        return;
    m_listening = listenForLaterStarts(
                      m_server, this, [this] { emit raiseRequested(); }, m_moduleFolders) != nullptr;
}

} // namespace stylewright
