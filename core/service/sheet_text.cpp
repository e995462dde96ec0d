#include "service/sheet_text.h"

#include "base/text_encoding.h"
#include "service/search_word.h"

#include <QByteArray>
#include <QStringDecoder>
#include <cctype>

namespace stylewright {
namespace {

constexpr QStringView kItemPath = u"/css/item/";

// The value after "charset=" in a header or the head of a page, lower case.
QByteArray charsetIn(QByteArrayView text)
{
    const QByteArray lower = text.toByteArray().toLower();
    const qsizetype at = lower.indexOf("charset=");
    if (at < 0)
        return {};
    qsizetype begin = at + 8;
    while (begin < lower.size() && (lower[begin] == '"' || lower[begin] == '\'' || lower[begin] == ' '))
        ++begin;
    qsizetype end = begin;
    while (end < lower.size() &&
           (std::isalnum(static_cast<unsigned char>(lower[end])) || lower[end] == '-' || lower[end] == '_'))
        ++end;
    return lower.mid(begin, end - begin);
}

} // namespace

QString sheetMarker(QStringView userPart)
{
    return userPart + kItemPath;
}

std::optional<QString> sheetId(QStringView page, QStringView userPart)
{
    const QString marker = sheetMarker(userPart);
    const qsizetype at = page.indexOf(marker);
    if (at < 0)
        return std::nullopt;
    const qsizetype idStart = at + marker.size();
    const qsizetype end = page.indexOf(u".css", idStart);
    if (end < 0)
        return std::nullopt;
    return page.sliced(idStart, end - idStart).toString();
}

QString sheetAddress(QStringView prefix, QStringView userPart, QStringView id)
{
    return encodeAddressGbk(QString(prefix + userPart + kItemPath + id + u".css"));
}

QString splitSheetLines(QString sheet)
{
    sheet.replace(QStringLiteral("*/"), QStringLiteral("*/\r\n"));
    sheet.replace(QStringLiteral("/*"), QStringLiteral("\r\n/*"));
    sheet.replace(u'}', QStringLiteral("}\r\n"));
    return sheet;
}

QString decodePage(QByteArrayView body, QByteArrayView contentType)
{
    QByteArray charset = charsetIn(contentType);
    if (charset.isEmpty())
        charset = charsetIn(body.first(qMin<qsizetype>(body.size(), 2048)));
    if (!charset.isEmpty() && charset != "gbk" && charset != "gb2312" && charset != "gb18030") {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid())
            return decoder.decode(body);
    }
    return decodeGbk(body);
}

} // namespace stylewright
