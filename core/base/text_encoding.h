#pragma once
// Every file the programs write is GBK text. A character GBK cannot hold is written in GB18030,
// GBK's superset (byte-identical for every GBK character), so nothing is silently lost.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace stylewright {

QByteArray encodeGbk(QStringView text);
inline QByteArray encodeGbk(const QString &text)
{
    return encodeGbk(QStringView(text));
}
QString decodeGbk(QByteArrayView bytes);

inline constexpr QByteArrayView kCrLf = "\r\n";

} // namespace stylewright
