#pragma once
// Reading a sheet into the editor's options (a fetched sheet, the code file or a file the user
// picks) and telling the user what was read.

#include "import/css_import.h"

#include <QString>

namespace stylewright {

class OptionSet;
class Prompts;

// A larger file is no style sheet: it is refused before it is read.
inline constexpr qint64 kLargestImportFile = 16 * 1024 * 1024;

inline const QString kImportCssCaption = QStringLiteral("导入CSS…");
inline const QString kImportCodeFileCaption = QStringLiteral("导入“墨檐CSS代码.txt”");
inline const QString kImportStepText = QStringLiteral("导入CSS"); // an import is one undo step

// Imports `css` into the options and shows the report.
CssImport importIntoEditor(const QString &css, OptionSet &options, Prompts &prompts);
// Reads a file as GB18030 and imports it; a file that cannot be read, or is too large, changes
// nothing and says why.
void importFileIntoEditor(const QString &path, OptionSet &options, Prompts &prompts);
// Imports the code file of the program folder, or says that there is none yet.
void importCodeFileIntoEditor(const QString &folder, OptionSet &options, Prompts &prompts);

// The report shown after an import, in the user's language.
QString importReportText(const CssImport &report);

} // namespace stylewright
