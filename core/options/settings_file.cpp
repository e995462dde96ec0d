#include "options/settings_file.h"

#include "options/catalogue.h"
#include "options/ini_document.h"
#include "options/option_set.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <optional>

namespace stylewright {
namespace {

// The whole file; an empty text when there is none.
Result<QByteArray> readWhole(const QString &path)
{
    QFile file(path);
    if (!QFileInfo::exists(path)) // a link to nothing yet counts as no file
        return QByteArray();
    // A pipe or a device would block the reader or never end.
    if (!QFileInfo(path).isFile())
        return Failure{{}, path + u" is not a regular file"};
    if (!file.open(QIODevice::ReadOnly))
        return Failure{{}, u"open " + path + u": " + file.errorString()};
    if (file.size() > kMaxSettingsFileBytes)
        return Failure{{}, path + u" is larger than 1 MiB"};
    QByteArray bytes = file.readAll();
    if (bytes.size() > kMaxSettingsFileBytes || file.error() != QFileDevice::NoError)
        return Failure{{}, u"read " + path + u": " + file.errorString()};
    return bytes;
}

// A stored flag as a check box state; nothing when the text is not a number.
std::optional<QString> flagState(const QString &stored)
{
    bool ok = false;
    const double number = stored.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number == 1 ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString settingsPath(const QString &folder)
{
    return folder + QStringLiteral("/setup.ini");
}

QByteArray settingsBytes(const OptionSet &options, const QByteArray &previous)
{
    IniDocument doc(previous);
    for (Option option : saveOrder()) {
        const OptionDef &def = optionDef(option);
        QString value = options.value(def.option);
        if (def.kind == OptionKind::Check)
            value = value == u"1" ? QStringLiteral("1") : QStringLiteral("0");
        doc.setValue(def.section, def.key, value);
    }
    return doc.toBytes();
}

Result<void> writeSettings(const QString &iniPath, const OptionSet &options, const WriteFaults &faults)
{
    const Result<QByteArray> previous = readWhole(iniPath);
    if (!previous) // an unreadable file cannot be updated without losing its other lines
        return Failure{kSaveFailedMessage, previous.failure().reason};
    const Result<void> written = replaceFileAtomically(iniPath, settingsBytes(options, *previous), faults);
    if (!written)
        return Failure{kSaveFailedMessage, written.failure().reason};
    return {};
}

Result<void> readSettings(const QString &iniPath, OptionSet &options)
{
    const Result<QByteArray> bytes = readWhole(iniPath);
    if (!bytes)
        return Failure{kNoSavedDataMessage, bytes.failure().reason};
    if (bytes->isEmpty())
        return Failure{kNoSavedDataMessage, iniPath + u" is missing or empty"};
    const IniDocument doc(*bytes);
    std::array<QString, kOptionCount> stored;
    for (const OptionDef &def : stylewright::options())
        stored[rowOf(def.option)] = doc.value(def.section, def.key);
    const OptionDef &lastKey = optionDef(saveOrder().back());
    if (stored[rowOf(lastKey.option)].isEmpty()) // "宠物大小" decides whether saved data exist
        return Failure{kNoSavedDataMessage, iniPath + u" has no value for " + lastKey.key};

    for (const OptionDef &def : stylewright::options()) {
        const QString &text = stored[rowOf(def.option)];
        if (def.kind != OptionKind::Check) {
            options.setValue(def.option, text);
        } else if (const std::optional<QString> state = flagState(text)) {
            options.setValue(def.option, *state);
        }
    }
    // Transparency and a body picture exclude each other whatever order they were loaded in, and
    // loading twice gives what loading once gives even when transparency was already on.
    if (options.value(Option::MainTransparencyOn) != u"0")
        options.react(Option::MainTransparencyOn);
    return {};
}

bool saveSettings(const QString &iniPath, const OptionSet &options)
{
    const Result<void> saved = writeSettings(iniPath, options);
    if (!saved)
        logFailure(saved.failure());
    return saved.ok();
}

bool loadSettings(const QString &iniPath, OptionSet &options)
{
    const Result<void> loaded = readSettings(iniPath, options);
    if (!loaded)
        logFailure(loaded.failure());
    return loaded.ok();
}

} // namespace stylewright
