#pragma once
// The text steps of fetching a space's style sheet: finding the sheet in the space page, building
// its address and breaking the sheet into lines.

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace stylewright {

// What the space page holds before a sheet id: the user part and "/css/item/".
QString sheetMarker(QStringView userPart);
// The sheet id: the characters between the end of the first marker and the first ".css" after
// it; nothing when the marker or a following ".css" is missing.
std::optional<QString> sheetId(QStringView page, QStringView userPart);
// prefix + user part + "/css/item/" + id + ".css", characters outside ASCII percent-encoded as GBK
QString sheetAddress(QStringView prefix, QStringView userPart, QStringView id);
// Every "*/" ends a line, every "/*" starts one and every "}" ends one (CR LF), in that order.
QString splitSheetLines(QString sheet);
// The page as text: the charset its Content-Type header or its own meta tag names, else GBK.
QString decodePage(QByteArrayView body, QByteArrayView contentType);

} // namespace stylewright
