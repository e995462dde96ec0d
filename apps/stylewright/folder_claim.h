#pragma once
// One editor per data folder. The first editor on a folder holds a lock file in it and, once its
// window is up, listens on a local socket named after the folder; a later start on that folder
// asks it to come to the front and ends. A lock whose program has died is taken over at once.
// Nothing here waits long: a holder that does not answer leaves the new editor to run without
// the folder's claim.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

namespace stylewright {

// How long a later start keeps asking a holder that is still starting up or closing down.
inline constexpr int kClaimRetryForMs = 3000;
// How long after its window is shown an editor starts answering later starts: well inside that.
inline constexpr int kListenAfterMs = 250;
static_assert(4 * kListenAfterMs < kClaimRetryForMs);

class FolderClaim : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Ours,       // this editor holds the folder
        HandedOver, // the editor already on the folder has come to the front: this start ends
        Shared,     // another program holds the folder and does not answer
        Unlockable, // no lock can be made there, as in a read-only folder
    };

    // Claims `folder`, making it when missing; takes a few seconds at most. The hand-over goes
    // through the network module found in moduleFolders.
    FolderClaim(const QString &folder, const QStringList &moduleFolders, QObject *parent = nullptr);
    ~FolderClaim() override;

    Outcome outcome() const { return m_outcome; }
    // While the folder is ours: answers later starts from now on.
    void listen();

signals:
    void raiseRequested();

private:
    QLockFile m_lock;
    const QString m_server;
    const QStringList m_moduleFolders;
    Outcome m_outcome = Outcome::Unlockable;
    bool m_listening = false;
};

// The lock file an editor holds in its data folder.
QString folderLockPath(const QString &folder);
// The local socket the editor holding `folder` listens on: one per folder and user.
QString editorServerName(const QString &folder);

} // namespace stylewright
