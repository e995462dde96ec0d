#include "network/hand_over.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace stylewright {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 8000;  // the holder may still be building its window
constexpr int kRequestMs = 2000; // a client writes its line as it connects
constexpr qint64 kLongestRequest = 64;
constexpr int kMostClients = 32;

void drop(QLocalSocket *client)
{
    client->abort();
    client->deleteLater();
}

} // namespace

RaiseAnswer askToRaise(const QString &server)
{
    QLocalSocket socket;
    socket.connectToServer(server);
    if (!socket.waitForConnected(kConnectMs))
        return RaiseAnswer::Absent;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kConnectMs);
    const QDeadlineTimer deadline(kAnswerMs);
    QByteArray answer;
    while (answer.size() < kRaisedAnswer.size() && !deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        answer += socket.read(kRaisedAnswer.size() - answer.size());
    }
    if (answer == kRaisedAnswer)
        return RaiseAnswer::Raised;
    // Gone without a word: it was closing, and its lock may be free by now.
    return socket.state() == QLocalSocket::UnconnectedState ? RaiseAnswer::Absent : RaiseAnswer::Silent;
}

RaiseServer::RaiseServer(const QString &server, QObject *parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The caller holds the lock, so no live editor can be on this name: it is a killed one's.
    QLocalServer::removeServer(server);
    if (m_server->listen(server))
        connect(m_server, &QLocalServer::newConnection, this, &RaiseServer::takeClients);
}

bool RaiseServer::isListening() const
{
    return m_server->isListening();
}

QString RaiseServer::errorString() const
{
    return m_server->errorString();
}

void RaiseServer::takeClients()
{
    while (QLocalSocket *client = m_server->nextPendingConnection()) {
        if (m_clients >= kMostClients) {
            drop(client);
            continue;
        }
        ++m_clients;
        connect(client, &QObject::destroyed, this, [this] { --m_clients; });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] { read(client); });
        QTimer::singleShot(kRequestMs, client, [client] { drop(client); }); // one that never finishes
        read(client);
    }
}

// Anything but the one request ends the connection unanswered.
void RaiseServer::read(QLocalSocket *client)
{
    if (!client->canReadLine()) {
        if (client->bytesAvailable() >= kLongestRequest)
            drop(client);
        return;
    }
    if (client->readLine(kLongestRequest) != kRaiseRequest) {
        drop(client);
        return;
    }
    emit raiseRequested();
    client->write(kRaisedAnswer);
    client->disconnectFromServer(); // once the answer is written
}

} // namespace stylewright
