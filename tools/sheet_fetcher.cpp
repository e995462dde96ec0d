#include "tools/sheet_fetcher.h"

#include "options/text_encoding.h"
#include "tools/sheet_text.h"
#include "tools/space_address.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace stylewright {

SheetFetcher::SheetFetcher(const QString &prefix, QObject *parent) : QObject(parent), m_prefix(prefix)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &SheetFetcher::fail);
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
    m_userPart = userPart(address, m_prefix);
    request(address);
    return true;
}

void SheetFetcher::request(const QString &address)
{
    const QUrl url(address);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https")) {
        // Reported after the caller has seen start() succeed, as for any other failure.
        QTimer::singleShot(0, this, &SheetFetcher::fail);
        return;
    }
    m_body.clear();
    m_reply = m_network.get(QNetworkRequest(url));
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_sizeLimit)
            failAfterSignal();
    });
    connect(m_reply, &QNetworkReply::readyRead, this, [this] {
        if (!receive())
            failAfterSignal();
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
    if (!receive() || m_reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        fail();
        return;
    }
    const QByteArray contentType = m_reply->rawHeader("Content-Type");
    dropReply();
    if (m_stage == Stage::Page) {
        const std::optional<QString> id = sheetId(decodePage(m_body, contentType), m_userPart);
        if (!id) {
            fail();
            return;
        }
        m_stage = Stage::Sheet;
        request(sheetAddress(m_prefix, m_userPart, *id));
        return;
    }
    m_stage = Stage::Idle;
    const QString sheet = decodeGbk(m_body);
    m_body.clear();
    emit fetched(sheet);
}

void SheetFetcher::fail()
{
    if (!isBusy())
        return;
    m_deadline.stop();
    dropReply();
    m_body.clear();
    m_stage = Stage::Idle;
    emit failed();
}

void SheetFetcher::failAfterSignal()
{
    // Aborting a reply from inside one of its own signals confuses it: stop listening, abort later.
    m_reply->disconnect(this);
    QMetaObject::invokeMethod(this, &SheetFetcher::fail, Qt::QueuedConnection);
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
