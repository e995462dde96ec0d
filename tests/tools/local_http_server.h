#pragma once
// A small HTTP server on 127.0.0.1 for fetcher tests: canned responses by path, recorded requests.

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

namespace stylewright::testing {

struct CannedResponse {
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/html";
    int delayMs = 0;          // wait this long before answering
    bool silent = false;      // read the request and never answer
    bool sendLength = true;   // false: no Content-Length, the end of the body is the closed connection
    QByteArray location = {}; // a Location header, for redirects
};

class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    LocalHttpServer();

    // "http://127.0.0.1:<port>"
    QString origin() const;
    // Answers requests for path (decoded, e.g. u"/中文/css/item/1.css"); others get 404.
    void route(const QString &path, const CannedResponse &response);
    // Paths of the requests received, in order, decoded from percent-encoded GBK.
    QStringList requests;
    // The same as they came.
    QList<QByteArray> rawRequests;

private:
    void serve(class QTcpSocket *socket);
    QTcpServer m_server;
    QHash<QString, CannedResponse> m_routes;
};

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort();

} // namespace stylewright::testing
