#include "options/settings_file.h"

#include "options/atomic_file.h"
#include "options/catalogue.h"
#include "options/ini_document.h"
#include "options/option_set.h"
#include "platform/prompts.h"

#include <QFile>
#include <array>
#include <optional>

namespace stylewright {
namespace {

// A settings file is a few kilobytes; anything far larger is not ours to rewrite.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// The whole file, an empty text when there is none, nothing when it cannot be read.
std::optional<QByteArray> readWhole(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.size() > kMaxFileBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
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

QString settingsPath(const QString &folder) { return folder + QStringLiteral("/setup.ini"); }

bool saveSettings(const QString &iniPath, const OptionSet &options)
{
    const std::optional<QByteArray> previous = readWhole(iniPath);
    if (!previous)
        return false; // an unreadable file cannot be updated without losing its other lines
    IniDocument doc(*previous);
    for (int row : saveOrder()) {
        const OptionDef &def = stylewright::options()[row];
        QString value = options.value(row);
        if (def.kind == OptionKind::Check)
            value = value == u"1" ? QStringLiteral("1") : QStringLiteral("0");
        doc.setValue(def.section, def.key, value);
    }
    return replaceFileAtomically(iniPath, doc.toBytes());
}

bool loadSettings(const QString &iniPath, OptionSet &options)
{
    const std::optional<QByteArray> bytes = readWhole(iniPath);
    if (!bytes || bytes->isEmpty())
        return false;
    const IniDocument doc(*bytes);
    std::array<QString, kOptionCount> stored;
    for (int row = 0; row < kOptionCount; ++row) {
        const OptionDef &def = stylewright::options()[row];
        stored[row] = doc.value(def.section, def.key);
    }
    if (stored[saveOrder().back()].isEmpty())
        return false; // "宠物大小" decides whether saved data exist

    const int picture = optionIndex(u"chcdaob");
    const int transparency = optionIndex(u"chcbgst");
    auto apply = [&](int row) {
        if (stylewright::options()[row].kind != OptionKind::Check) {
            options.setValue(row, stored[row]);
        } else if (const std::optional<QString> state = flagState(stored[row])) {
            options.setValue(row, *state);
        }
    };
    // The body picture first, so a stored transparency wins over it.
    apply(picture);
    apply(transparency);
    for (int row = 0; row < kOptionCount; ++row) {
        if (row != picture && row != transparency)
            apply(row);
    }
    // Loading twice gives what loading once gives, even when transparency was already on.
    if (options.value(transparency) != u"0")
        options.react(transparency);
    return true;
}

void saveSettingsAction(const QString &folder, const OptionSet &options, Prompts &prompts)
{
    if (!saveSettings(settingsPath(folder), options))
        prompts.inform(kProgramTitle, kSaveFailedMessage);
}

void loadSettingsAction(const QString &folder, OptionSet &options, Prompts &prompts)
{
    if (!loadSettings(settingsPath(folder), options))
        prompts.inform(kProgramTitle, kNoSavedDataMessage);
}

} // namespace stylewright
