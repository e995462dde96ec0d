#pragma once
// Saving all options to setup.ini and loading them back.

#include <QString>

namespace stylewright {

class OptionSet;
class Prompts;

// Writes all 189 keys; the file is replaced atomically, so a failed save leaves the previous
// file as it was. false: "保存出错！！".
bool saveSettings(const QString &iniPath, const OptionSet &options);
// false: no saved data ("宠物大小" missing or empty, or no readable file); nothing changed.
bool loadSettings(const QString &iniPath, OptionSet &options);

// setup.ini in a program folder.
QString settingsPath(const QString &folder);

// The window buttons: save or load, telling the user about a failure.
void saveSettingsAction(const QString &folder, const OptionSet &options, Prompts &prompts);
void loadSettingsAction(const QString &folder, OptionSet &options, Prompts &prompts);

inline const QString kSaveFailedMessage = QStringLiteral("保存出错！！");
inline const QString kNoSavedDataMessage = QStringLiteral("找不到保存的数据，请确认是否保存！！");

} // namespace stylewright
