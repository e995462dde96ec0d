#include "options/settings_file.h"

#include "options/catalogue.h"
#include "options/ini_document.h"
#include "options/option_set.h"

#include "base/file_reading.h"

#include <array>
#include <optional>

namespace stylewright {
namespace {

// What a stored value can be: the longest text a field holds, cut between characters.
QString fieldText(QString text)
{
    if (text.size() > kMaxTextLength)
        text.truncate(text[kMaxTextLength].isLowSurrogate() ? kMaxTextLength - 1 : kMaxTextLength);
    return text;
}

// A stored flag as a check box state; nothing when the text is not a number.
std::optional<CheckState> flagState(const QString &stored)
{
    bool ok = false;
    const double number = stored.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number == 1 ? CheckState::Checked : CheckState::Unchecked;
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
        if (def.kind == OptionKind::Check) // the file knows no greyed state
            doc.setValue(def.section, def.key,
                         checkStateText(options.isChecked(option) ? CheckState::Checked : CheckState::Unchecked));
        else
            doc.setValue(def.section, def.key, options.value(option));
    }
    return doc.toBytes();
}

Result<void> writeSettings(const QString &iniPath, const OptionSet &options, const WriteFaults &faults)
{
    Result<QByteArray> previous = readFileCapped(iniPath, kMaxSettingsFileBytes);
    // An unreadable file cannot be updated without losing its other lines; a missing one is new.
    if (!previous && previous.failure().file != FileError::Missing)
        return Failure{kSaveFailedMessage, previous.failure().reason, previous.failure().file};
    const QByteArray bytes = settingsBytes(options, previous ? std::move(previous).value() : QByteArray());
    if (bytes.size() > kMaxSettingsFileBytes) // a file no load would read back
        return Failure{kSaveFailedMessage, iniPath + u": the settings take more than 1 MiB", FileError::TooLarge};
    const Result<void> written = replaceFileAtomically(iniPath, bytes, faults);
    if (!written)
        return Failure{kSaveFailedMessage, written.failure().reason};
    return {};
}

Result<void> readSettings(const QString &iniPath, OptionSet &options)
{
    const Result<QByteArray> bytes = readFileCapped(iniPath, kMaxSettingsFileBytes);
    if (!bytes)
        return Failure{kNoSavedDataMessage, bytes.failure().reason, bytes.failure().file};
    const IniDocument doc(*bytes);
    std::array<QString, kOptionCount> stored;
    for (const OptionDef &def : stylewright::options())
        stored[rowOf(def.option)] = fieldText(doc.value(def.section, def.key));
    const OptionDef &lastKey = optionDef(saveOrder().back());
    if (stored[rowOf(lastKey.option)].isEmpty()) // "宠物大小" decides whether saved data exist
        return Failure{kNoSavedDataMessage, iniPath + u" has no value for " + lastKey.key};

    for (const OptionDef &def : stylewright::options()) {
        const QString &text = stored[rowOf(def.option)];
        if (def.kind != OptionKind::Check) {
            options.setValue(def.option, text);
        } else if (const std::optional<CheckState> state = flagState(text)) {
            options.setCheckState(def.option, *state);
        }
    }
    // Transparency and a body picture exclude each other whatever order they were loaded in, and
    // loading twice gives what loading once gives even when transparency was already on.
    if (options.checkState(Option::MainTransparencyOn) != CheckState::Unchecked)
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
