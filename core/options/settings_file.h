#pragma once
// Saving all options to setup.ini and loading them back.

#include "base/atomic_file.h"
#include "base/result.h"

#include <QString>

namespace stylewright {

class OptionSet;

// Writes all 189 keys; the file is replaced atomically, so a failed save leaves the previous
// file as it was. false: "保存出错！！".
bool saveSettings(const QString &iniPath, const OptionSet &options);
// false: no saved data ("宠物大小" missing or empty, or no readable file); nothing changed.
bool loadSettings(const QString &iniPath, OptionSet &options);

// The bytes a save writes: `previous` (the file as it is) with every option's key set.
QByteArray settingsBytes(const OptionSet &options, const QByteArray &previous = {});

// The same, telling why. A failure's message is the one the user is shown.
Result<void> writeSettings(const QString &iniPath, const OptionSet &options, const WriteFaults &faults = {});
// What a settings file is, decided here for every reader ("读取数据", --css, the preview): a
// regular file of at most kMaxSettingsFileBytes holding a value for "宠物大小"; any bytes
// otherwise, each value read whole up to the longest text a field holds. A failure's `file`
// says why the file could not be read, and is FileError::None when it holds no saved data.
Result<void> readSettings(const QString &iniPath, OptionSet &options);
// The same for bytes already in memory (a look kept in the program's resources); `source` names
// them in the failure's reason. Nothing changes unless the bytes hold saved data.
Result<void> readSettingsBytes(const QByteArray &bytes, const QString &source, OptionSet &options);

// setup.ini in a program folder.
QString settingsPath(const QString &folder);

// A settings file is a few kilobytes, a few hundred with long values (a picture given as a data
// address); a larger file is not ours to read or rewrite, and a save that would write one fails.
inline constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

inline const QString kSaveFailedMessage = QStringLiteral("保存出错！！");
inline const QString kNoSavedDataMessage = QStringLiteral("找不到保存的数据，请确认是否保存！！");

} // namespace stylewright
