#pragma once
// A look is a settings file like setup.ini with one more section naming it. Every reader of
// settings files ignores the section, so a look loads through "读取数据" as it is, and setup.ini
// saved by any version serves as a look.

#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace stylewright {

class OptionSet;

struct LookHeader {
    QString name;
    QString description;
};

inline const QString kLookSection = QStringLiteral("外观");
inline const QString kLookNameKey = QStringLiteral("名称");
inline const QString kLookDescriptionKey = QStringLiteral("说明");

// The name and description the bytes carry; empty when they carry none.
LookHeader lookHeaderOf(const QByteArray &bytes);
// The settings bytes of options (laid out over `previous`, as a save would) with the header set.
QByteArray lookBytes(const OptionSet &options, const LookHeader &header, const QByteArray &previous = {});
// The same bytes with another header, every other line kept byte for byte.
QByteArray withLookHeader(const QByteArray &bytes, const LookHeader &header);

} // namespace stylewright
