#include "local_http_server.h"

#include "base/text_encoding.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace stylewright::testing {

LocalHttpServer::LocalHttpServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection())
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
    });
}

QString LocalHttpServer::origin() const
{
    return QStringLiteral("http://127.0.0.1:") + QString::number(m_server.serverPort());
}

void LocalHttpServer::route(const QString &path, const CannedResponse &response)
{
    m_routes.insert(path, response);
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    if (socket->property("seen").toBool() || !socket->canReadLine())
        return;
    socket->setProperty("seen", true);
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    const QByteArray target = requestLine.size() > 1 ? requestLine[1] : QByteArray();
    // The space service reads addresses in GBK.
    const QString path = decodeGbk(QByteArray::fromPercentEncoding(target));
    requests.append(path);
    rawRequests.append(target);
    const CannedResponse response = m_routes.value(path, CannedResponse{404, "not here", "text/plain"});
    if (response.silent)
        return;
    QPointer<QTcpSocket> guarded(socket);
    auto answer = [guarded, response] {
        if (!guarded)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) +
                          " Canned\r\nContent-Type: " + response.contentType + "\r\nConnection: close\r\n";
        if (!response.location.isEmpty())
            head += "Location: " + response.location + "\r\n";
        if (response.sendLength)
            head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        guarded->write(head + "\r\n" + response.body);
        guarded->disconnectFromHost();
    };
    QTimer::singleShot(response.delayMs, this, answer);
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace stylewright::testing
