#pragma once
// Later starts of the editor on one data folder reach the editor that holds it over a local
// socket: one line asks it to come to the front, one line answers once it has. Neither side
// ever waits long, and the holder takes nothing else from the socket.

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace stylewright {

inline const QByteArray kRaiseRequest = "raise\n";
inline const QByteArray kRaisedAnswer = "raised\n";

enum class RaiseAnswer : int {
    Raised, // the holder's window is in front
    Absent, // nobody listens there, or it went away without a word
    Silent, // connected, but no answer in time
};

// Asks the editor listening on `server` to come to the front.
RaiseAnswer askToRaise(const QString &server);

class RaiseServer : public QObject {
    Q_OBJECT
public:
    // Listens on `server`, taking the name over from a killed editor; isListening() says whether
    // it worked. Only the holder of the folder's lock may do this.
    explicit RaiseServer(const QString &server, QObject *parent = nullptr);
    bool isListening() const;
    QString errorString() const;

signals:
    void raiseRequested();

private:
    void takeClients();
    void read(QLocalSocket *client);

    QLocalServer *m_server;
    int m_clients = 0;
};

} // namespace stylewright
