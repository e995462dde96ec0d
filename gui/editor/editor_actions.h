#pragma once
// What the editor's buttons do beyond the option record: generate and append a block, open the
// code file, save and load the settings, telling the user about every failure.

#include "options/catalogue.h"

#include <QString>

namespace stylewright {

class Desktop;
class OptionSet;
class Prompts;

// A "显示代码" button: generate, append, then offer to open the code file.
void runAreaButton(Area area, const OptionSet &options, const QString &folder, Prompts &prompts, Desktop &desktop);
// "查看CSS代码": opens the code file when it exists.
void lookAtCode(const QString &folder, Prompts &prompts, Desktop &desktop);
// "保存设置" and "读取数据"; saving tells whether setup.ini now holds the options.
bool saveSettingsAction(const QString &folder, const OptionSet &options, Prompts &prompts);
void loadSettingsAction(const QString &folder, OptionSet &options, Prompts &prompts);

} // namespace stylewright
