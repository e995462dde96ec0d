#pragma once
// Downloads a space's style sheet without blocking: the space page first, then the sheet it names.
// Each request has a time limit and a size limit; any failure ends the fetch with failed(), whose
// message names the reason in a few words ("HTTP 404", "连接超时"). Redirects are not followed:
// a 3xx answer is a failure.

#include "base/result.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>

class QNetworkReply;

namespace stylewright {

class SheetFetcher : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{20'000};
    static constexpr qint64 kDefaultSizeLimit = 8 * 1024 * 1024;

    // prefix: scheme and host of the space server, without a trailing slash.
    explicit SheetFetcher(const QString &prefix, QObject *parent = nullptr);
    ~SheetFetcher() override;

    // Longest wait for each of the two responses.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    // Largest body accepted for each of the two responses, in bytes.
    void setSizeLimit(qint64 bytes) { m_sizeLimit = bytes; }
    bool isBusy() const { return m_stage != Stage::Idle; }

    // Starts fetching the sheet of the space at address; false (and nothing starts) while a
    // fetch is running.
    bool start(const QString &address);

signals:
    // The sheet decoded from GBK, as the server sent it.
    void fetched(const QString &sheet);
    void failed(const stylewright::Failure &why);

private:
    enum class Stage { Idle, Page, Sheet };

    void request(const QString &address);
    bool receive(); // false once the body is over the size limit
    void finish();
    void fail(const Failure &why);
    void failAfterSignal(const Failure &why);
    void dropReply();

    QString m_prefix;
    QString m_userPart;
    std::chrono::milliseconds m_timeout = kDefaultTimeout;
    qint64 m_sizeLimit = kDefaultSizeLimit;
    Stage m_stage = Stage::Idle;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QTimer m_deadline;
};

} // namespace stylewright
