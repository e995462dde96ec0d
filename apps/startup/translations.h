#pragma once
// Qt's own Simplified Chinese translations, so the standard dialogs (message-box buttons, the
// colour dialog, context menus) speak the language of every other text in the programs.

#include <QString>

namespace stylewright {

// Installs qtbase_zh_CN.qm from Qt's translations folder, whatever the system locale. false when
// the file is missing or unreadable; the programs then start in Qt's English.
bool loadQtTranslations();
// The same, from another folder.
bool loadQtTranslationsFrom(const QString &folder);

} // namespace stylewright
