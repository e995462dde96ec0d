#include "options/recovery_file.h"

#include "base/text_encoding.h"
#include "options/catalogue.h"
#include "options/ini_document.h"
#include "options/option_set.h"
#include "options/settings_file.h"

#include <QFile>
#include <array>
#include <optional>

namespace stylewright {
namespace {

constexpr QStringView kSection = u"autosave";
constexpr QByteArrayView kCheckKey = "check=";
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// CRC-32 (ISO 3309, as zip and png use it), eight bytes a step: a large file is checked in a
// fraction of the time a byte at a time takes.
using CrcTables = std::array<std::array<quint32, 256>, 8>;

constexpr CrcTables crcTables()
{
    CrcTables t{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (quint32 n = 0; n < 256; ++n) {
        for (int k = 1; k < 8; ++k)
            t[k][n] = t[0][t[k - 1][n] & 0xFF] ^ (t[k - 1][n] >> 8);
    }
    return t;
}

quint32 crc32(QByteArrayView bytes)
{
    static constexpr CrcTables kT = crcTables();
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    qsizetype left = bytes.size();
    quint32 c = 0xFFFFFFFFu;
    for (; left >= 8; left -= 8, p += 8) {
        const quint32 low = c ^ (quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
        c = kT[7][low & 0xFF] ^ kT[6][(low >> 8) & 0xFF] ^ kT[5][(low >> 16) & 0xFF] ^ kT[4][low >> 24] ^ kT[3][p[4]] ^
            kT[2][p[5]] ^ kT[1][p[6]] ^ kT[0][p[7]];
    }
    for (; left > 0; --left, ++p)
        c = kT[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray checkLine(QByteArrayView before)
{
    return kCheckKey.toByteArray() + QByteArray::number(crc32(before), 16).rightJustified(8, '0') + "\r\n";
}

bool isBlankOrQuote(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'"' || c == u'\'';
}

// Whether the settings line of a value gives back exactly that value.
bool settingsLineHolds(OptionKind kind, const QString &value)
{
    if (kind == OptionKind::Check)
        return value == u"0" || value == u"1"; // the settings file knows no greyed state
    if (value.contains(u'\r') || value.contains(u'\n'))
        return false;
    return value.isEmpty() || (!isBlankOrQuote(value.front()) && !isBlankOrQuote(value.back()));
}

// Line breaks, "%", and blanks or quotes at either end (which a settings line loses) as %XX.
QString escaped(const QString &value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const bool atEnd = i == 0 || i == value.size() - 1;
        if (c == u'%' || c == u'\r' || c == u'\n' || (atEnd && isBlankOrQuote(c)))
            out += u'%' + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            out += text[i];
            continue;
        }
        bool ok = false;
        const uint code = i + 2 < text.size() ? text.sliced(i + 1, 2).toUInt(&ok, 16) : 0;
        if (!ok)
            return std::nullopt;
        out += QChar(char16_t(code));
        i += 2;
    }
    return out;
}

QByteArray exactKey(const OptionDef &def)
{
    return "exact." + def.id.toLatin1();
}

Failure damaged(const QString &path, const QString &why)
{
    return Failure{kRecoveryDamagedMessage, path + u": " + why};
}

Result<QByteArray> readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return damaged(path, u"open: " + file.errorString());
    if (file.size() > kMaxFileBytes)
        return damaged(path, QStringLiteral("larger than 64 MiB"));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return damaged(path, u"read: " + file.errorString());
    return bytes;
}

// The file ends with the check line of everything before it.
bool checksumMatches(const QByteArray &bytes)
{
    if (!bytes.endsWith("\r\n"))
        return false;
    const qsizetype lineStart = bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2;
    if (lineStart < 2)
        return false;
    const QByteArrayView before = QByteArrayView(bytes).first(lineStart);
    return QByteArrayView(bytes).sliced(lineStart) == checkLine(before);
}

// The values as written, then the enabled flags as they were.
Result<OptionSet> recordFrom(const IniDocument &doc, const QString &path)
{
    const QString enabled = doc.value(kSection, u"enabled");
    if (enabled.size() != kOptionCount)
        return damaged(path, QStringLiteral("no enabled flag for every option"));
    OptionSet record;
    for (const OptionDef &def : options()) {
        const QString exact = doc.value(kSection, QString::fromLatin1(exactKey(def)));
        std::optional<QString> value = exact.isEmpty() ? doc.value(def.section, def.key) : unescaped(exact);
        if (!value)
            return damaged(path, u"a broken escape in " + def.id);
        if (def.kind == OptionKind::Check && *value != u"0" && *value != u"1" && *value != u"2")
            return damaged(path, u"no check state for " + def.id);
        record.setValue(def.option, *value);
    }
    for (int row = 0; row < kOptionCount; ++row)
        record.setEnabled(optionAt(row), enabled[row] == u'1');
    return record;
}

} // namespace

QString recoveryPath(const QString &folder)
{
    return folder + QStringLiteral("/setup.recovery.ini");
}

QByteArray recoveryBytes(const OptionSet &options)
{
    QByteArray bytes = settingsBytes(options);
    bytes += "\r\n[" + kSection.toLatin1() + "]\r\nformat=" + QByteArray::number(kRecoveryFormat) + "\r\nenabled=";
    for (int row = 0; row < kOptionCount; ++row)
        bytes += options.isEnabled(optionAt(row)) ? '1' : '0';
    bytes += "\r\n";
    for (const OptionDef &def : stylewright::options()) {
        const QString &value = options.value(def.option);
        if (!settingsLineHolds(def.kind, value))
            bytes += exactKey(def) + '=' + encodeGbk(escaped(value)) + "\r\n";
    }
    bytes += checkLine(bytes);
    return bytes;
}

Result<void> writeRecovery(const QString &path, const OptionSet &options, const WriteFaults &faults)
{
    const Result<void> written = replaceFileAtomically(path, recoveryBytes(options), faults);
    if (!written)
        return Failure{written.failure().message, u"autosave: " + written.failure().reason};
    return {};
}

Result<OptionSet> readRecovery(const QString &path)
{
    const Result<QByteArray> bytes = readWhole(path);
    if (!bytes)
        return bytes.failure();
    const IniDocument doc(*bytes);
    bool numbered = false;
    const int format = doc.value(kSection, u"format").toInt(&numbered);
    // A newer program may lay out even the closing lines otherwise; its format line says so.
    if (numbered && format > kRecoveryFormat)
        return Failure{kRecoveryNewerMessage, path + u": format " + QString::number(format)};
    if (!checksumMatches(*bytes))
        return damaged(path, QStringLiteral("cut short or changed (its checksum does not match)"));
    if (!numbered || format != kRecoveryFormat)
        return damaged(path, QStringLiteral("no known format"));
    return recordFrom(doc, path);
}

Result<QString> keepRecoveryAside(const QString &path)
{
    for (int n = 1; n <= 99; ++n) {
        const QString aside = path + (n == 1 ? QStringLiteral(".bad") : u".bad" + QString::number(n));
        if (QFile::exists(aside))
            continue;
        QFile file(path);
        if (file.rename(aside))
            return aside;
        return Failure{file.errorString(), u"rename " + path + u" to " + aside + u": " + file.errorString()};
    }
    return Failure{QStringLiteral("too many"), path + u": 99 files kept aside already"};
}

} // namespace stylewright
