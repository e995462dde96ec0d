#include "editor/editor_actions.h"

#include "base/data_folder.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/settings_file.h"
#include "platform/desktop.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace stylewright {
namespace {

// Opens the code file in the desktop's program for text; when none could be started, says where
// the file is, so that the user can open it by hand.
void openCodeFile(const QString &path, Prompts &prompts, Desktop &desktop)
{
    if (!desktop.openTextFile(path))
        prompts.inform(kErrorTitle,
                       QStringLiteral("无法打开“%1”，请用文本编辑器打开它。").arg(QDir::toNativeSeparators(path)));
}

} // namespace

void runAreaButton(Area area, const OptionSet &options, const QString &folder, Prompts &prompts, Desktop &desktop)
{
    const Result<QStringList> block = generateArea(area, options);
    if (!block) {
        prompts.inform(kErrorTitle, block.failure().message);
        return;
    }
    if (const Result<void> made = makeDataFolder(folder); !made) {
        logFailure(made.failure());
        prompts.inform(kErrorTitle, made.failure().message);
        return;
    }
    const QString path = codeFilePath(folder);
    if (const Result<void> appended = appendBlock(path, *block); !appended) {
        logFailure(appended.failure());
        prompts.inform(kErrorTitle, appended.failure().message);
        return;
    }
    if (!QFileInfo::exists(path)) {
        prompts.inform(kErrorTitle, kNoCodeMessage);
        return;
    }
    if (prompts.askYesNo(kConfirmTitle, kOpenCodeQuestion))
        openCodeFile(path, prompts, desktop);
}

void lookAtCode(const QString &folder, Prompts &prompts, Desktop &desktop)
{
    const QString path = codeFilePath(folder);
    if (QFileInfo::exists(path))
        openCodeFile(path, prompts, desktop);
    else
        prompts.inform(kErrorTitle, kNoCodeMessage);
}

bool saveSettingsAction(const QString &folder, const OptionSet &options, Prompts &prompts)
{
    if (const Result<void> made = makeDataFolder(folder); !made) {
        logFailure(made.failure());
        prompts.inform(kProgramTitle, made.failure().message);
        return false;
    }
    const Result<void> saved = writeSettings(settingsPath(folder), options);
    if (!saved) {
        logFailure(saved.failure());
        prompts.inform(kProgramTitle, saved.failure().message);
    }
    return saved.ok();
}

void loadSettingsAction(const QString &folder, OptionSet &options, Prompts &prompts)
{
    if (const Result<void> loaded = readSettings(settingsPath(folder), options); !loaded) {
        logFailure(loaded.failure());
        prompts.inform(kProgramTitle, loaded.failure().message);
    }
}

} // namespace stylewright
