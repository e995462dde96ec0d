#include "options/recovery_file.h"

#include "base/file_reading.h"
#include "base/text_encoding.h"
#include "options/catalogue.h"
#include "options/ini_document.h"
#include "options/option_set.h"
#include "options/settings_file.h"

#include <QCryptographicHash>
#include <filesystem>
#include <optional>

namespace stylewright {
namespace {

constexpr QStringView kSection = u"autosave";
constexpr QByteArrayView kFormatLine = "\r\n[autosave]\r\nformat=";
constexpr QByteArrayView kCheckKey = "sha256=";

QByteArray checkLine(QByteArrayView before)
{
    return kCheckKey.toByteArray() + QCryptographicHash::hash(before, QCryptographicHash::Sha256).toHex() + "\r\n";
}

bool isBlankOrQuote(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'"' || c == u'\'';
}

// Whether the settings line of a value gives back exactly that value.
bool settingsLineHolds(OptionKind kind, const QString &value)
{
    if (kind == OptionKind::Check) { // the settings file knows no greyed state
        const std::optional<CheckState> state = checkStateNamed(value);
        return state && *state != CheckState::Greyed;
    }
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

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

Failure damaged(const QString &path, const QString &why)
{
    return Failure{kRecoveryDamagedMessage, path + u": " + why};
}

// The number on the format line, found without reading the file as lines: every format opens its
// own section with that line.
std::optional<int> formatOf(QByteArrayView bytes)
{
    const qsizetype at = bytes.lastIndexOf(kFormatLine);
    if (at < 0)
        return std::nullopt;
    const QByteArrayView rest = bytes.sliced(at + kFormatLine.size());
    const qsizetype end = rest.indexOf("\r\n");
    if (end < 1 || end > 9)
        return std::nullopt;
    for (char c : rest.first(end)) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    return rest.first(end).toInt();
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
        if (def.kind == OptionKind::Check && !checkStateNamed(*value))
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
    const QByteArray bytes = recoveryBytes(options);
    if (bytes.size() > kMaxRecoveryBytes) // the reader would take it for a damaged one
        return Failure{QStringLiteral("选项超过 4 MiB"), u"autosave: " + path + u" would be larger than 4 MiB"};
    const Result<void> written = replaceFileAtomically(path, bytes, faults);
    if (!written)
        return Failure{written.failure().message, u"autosave: " + written.failure().reason};
    return {};
}

// Everything about the bytes is checked before they are read as lines: the size while reading,
// then the format, then the checksum.
Result<OptionSet> readRecovery(const QString &path)
{
    const Result<QByteArray> bytes = readFileCapped(path, kMaxRecoveryBytes);
    if (!bytes)
        return Failure{kRecoveryDamagedMessage, bytes.failure().reason, bytes.failure().file};
    const std::optional<int> format = formatOf(*bytes);
    // Another version may lay out even the closing lines otherwise; its format line says so.
    if (format > kRecoveryFormat)
        return Failure{kRecoveryNewerMessage, path + u": format " + QString::number(*format)};
    if (format >= 1 && format < kRecoveryFormat)
        return Failure{kRecoveryOlderMessage, path + u": format " + QString::number(*format)};
    if (format != kRecoveryFormat)
        return damaged(path, QStringLiteral("no known format"));
    if (!checksumMatches(*bytes))
        return damaged(path, QStringLiteral("cut short or changed (its checksum does not match)"));
    return recordFrom(IniDocument(*bytes), path);
}

Result<QString> keepRecoveryAside(const QString &path)
{
    for (int n = 1; n <= 99; ++n) {
        const QString aside = path + (n == 1 ? QStringLiteral(".bad") : u".bad" + QString::number(n));
        std::error_code error;
        if (std::filesystem::symlink_status(nativePath(aside), error).type() != std::filesystem::file_type::not_found)
            continue; // a link kept aside counts even when it points nowhere
        // Never QFile::rename: where renaming fails it copies, and copying a pipe never ends.
        std::filesystem::rename(nativePath(path), nativePath(aside), error);
        if (!error)
            return aside;
        const QString why = QString::fromLocal8Bit(error.message());
        return Failure{why, u"rename " + path + u" to " + aside + u": " + why};
    }
    return Failure{QStringLiteral("too many"), path + u": 99 files kept aside already"};
}

} // namespace stylewright
