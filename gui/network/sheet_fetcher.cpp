#include "network/sheet_fetcher.h"

#include "service/sheet_text.h"
#include "service/space_address.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <utility>

namespace stylewright {

namespace {

Failure tooLarge(qint64 limit)
{
    return {QStringLiteral("内容超过%1 MiB").arg(limit / (1024 * 1024)),
            QStringLiteral("the response is larger than %1 bytes").arg(limit)};
}

// What went wrong with a finished reply, in the user's words and in the network's.
Failure replyFailure(QNetworkReply *reply, int status)
{
    switch (reply->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::HostNotFoundError:
        return {QStringLiteral("找不到服务器"), reply->errorString()};
    case QNetworkReply::TimeoutError:
        return {QStringLiteral("连接超时"), reply->errorString()};
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
        return {QStringLiteral("服务器拒绝连接"), reply->errorString()};
    default:
        if (status == 0)
            return {QStringLiteral("网络错误"), reply->errorString()};
        break;
    }
    return {QStringLiteral("HTTP %1").arg(status), reply->url().toString() + u" answered " + QString::number(status)};
}

} // namespace

SheetFetcher::SheetFetcher(const QString &prefix, QObject *parent) : QObject(parent), m_prefix(prefix)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        fail({QStringLiteral("连接超时"), QStringLiteral("no answer within %1 ms").arg(m_timeout.count())});
    });
}

SheetFetcher::~SheetFetcher()
{
    dropReply();
}

bool SheetFetcher::start(const QString &address)
{
    if (isBusy())
        return false;
    m_stage = Stage::Page;
    ++m_fetch;
    m_userPart = userPart(address, m_prefix);
    request(spacePageAddress(address));
    return true;
}

void SheetFetcher::request(const QString &address)
{
    const QUrl url(address);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https")) {
        // Reported after the caller has seen start() succeed, as for any other failure.
        failLater({QStringLiteral("地址无效"), u"not a web address: " + address});
        return;
    }
    m_body.clear();
    QNetworkRequest get(url);
    // Qt 6 follows a redirect to the same or a safer scheme by default; a space page or sheet that
    // moved elsewhere is not the one asked for, so a 3xx answer fails like any other.
    get.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_network.get(get);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_sizeLimit)
            failLater(tooLarge(m_sizeLimit));
    });
    connect(m_reply, &QNetworkReply::readyRead, this, [this] {
        if (!receive())
            failLater(tooLarge(m_sizeLimit));
    });
    connect(m_reply, &QNetworkReply::finished, this, &SheetFetcher::finish);
    m_deadline.start(m_timeout);
}

bool SheetFetcher::receive()
{
    m_body += m_reply->readAll();
    return m_body.size() <= m_sizeLimit;
}

void SheetFetcher::finish()
{
    m_deadline.stop();
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!receive()) {
        fail(tooLarge(m_sizeLimit));
        return;
    }
    if (m_reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        fail(replyFailure(m_reply, status));
        return;
    }
    const QByteArray contentType = m_reply->rawHeader("Content-Type");
    dropReply();
    if (m_stage == Stage::Page) {
        const std::optional<QString> id = sheetId(decodePage(m_body, contentType), m_userPart);
        if (!id) {
            fail({QStringLiteral("没有找到样式表地址"), u"the page names no " + sheetMarker(m_userPart) + u"….css"});
            return;
        }
        m_stage = Stage::Sheet;
        request(sheetAddress(m_prefix, m_userPart, *id));
        return;
    }
    m_stage = Stage::Idle;
    const QByteArray sheet = std::exchange(m_body, {});
    if (m_listener.fetched)
        m_listener.fetched(sheet);
}

void SheetFetcher::cancel()
{
    if (!isBusy())
        return;
    m_deadline.stop();
    dropReply();
    m_body.clear();
    m_stage = Stage::Idle;
}

void SheetFetcher::fail(const Failure &why)
{
    if (!isBusy())
        return;
    cancel();
    if (m_listener.failed)
        m_listener.failed(why);
}

void SheetFetcher::failLater(const Failure &why)
{
    // Aborting a reply from inside one of its own signals confuses it: stop listening, abort later.
    if (m_reply)
        m_reply->disconnect(this);
    QMetaObject::invokeMethod(
        this,
        [this, why, fetch = m_fetch] {
            if (fetch == m_fetch)
                fail(why);
        },
        Qt::QueuedConnection);
}

void SheetFetcher::dropReply()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

} // namespace stylewright
