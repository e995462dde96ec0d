#pragma once
// Downloads a space's style sheet without blocking: the space page first, then the sheet it names.
// Each request has a time limit and a size limit; any failure ends the fetch with failed(), whose
// message names the reason in a few words ("HTTP 404", "连接超时"). Redirects are not followed:
// a 3xx answer is a failure.

#include "platform/sheet_source.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>

class QNetworkReply;

namespace stylewright {

class SheetFetcher final : public QObject, public SheetSource {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{20'000};
    static constexpr qint64 kDefaultSizeLimit = 8 * 1024 * 1024;

    // prefix: scheme and host of the space server, without a trailing slash.
    explicit SheetFetcher(const QString &prefix, QObject *parent = nullptr);
    ~SheetFetcher() override;

    void setListener(Listener listener) override { m_listener = std::move(listener); }
    bool start(const QString &address) override;
    bool isBusy() const override { return m_stage != Stage::Idle; }
    void cancel() override;
    void setTimeout(std::chrono::milliseconds timeout) override { m_timeout = timeout; }
    void setSizeLimit(qint64 bytes) override { m_sizeLimit = bytes; }

private:
    enum class Stage { Idle, Page, Sheet };

    void request(const QString &address);
    bool receive(); // false once the body is over the size limit
    void finish();
    void fail(const Failure &why);
    void failLater(const Failure &why);
    void dropReply();

    Listener m_listener;
    QString m_prefix;
    QString m_userPart;
    std::chrono::milliseconds m_timeout = kDefaultTimeout;
    qint64 m_sizeLimit = kDefaultSizeLimit;
    Stage m_stage = Stage::Idle;
    quint64 m_fetch = 0; // counts starts, so a failure queued by an earlier fetch is not told for a later one
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QTimer m_deadline;
};

} // namespace stylewright
