#include "stylewright/css_output.h"

#include "base/text_encoding.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "startup/command_line.h"

#include <QDir>
#include <cstdio>

namespace stylewright {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What --css says when the settings reader refuses a file, and the status it ends with.
CssOutput refusal(const QString &iniPath, const Failure &failure)
{
    const QString path = shown(iniPath);
    switch (failure.file) {
    case FileError::Missing:
        return {kCssNoFile, {}, QStringLiteral("找不到设置文件“%1”。").arg(path)};
    case FileError::NotRegularFile:
        return {kCssNoFile, {}, QStringLiteral("“%1”不是一个文件。").arg(path)};
    case FileError::Unreadable:
        return {kCssNoFile, {}, QStringLiteral("无法读取设置文件“%1”：%2").arg(path, failure.reason)};
    case FileError::TooLarge:
        return {kCssNotSettings, {}, QStringLiteral("“%1”太大，不是设置文件。").arg(path)};
    case FileError::None:
        break;
    }
    return {kCssNotSettings, {}, QStringLiteral("“%1”中没有保存的设置：%2").arg(path, failure.reason)};
}

} // namespace

CssOutput cssForSettingsFile(const QString &iniPath)
{
    OptionSet options; // read exactly as "读取数据" reads it, so the two agree on every file
    if (const Result<void> loaded = readSettings(iniPath, options); !loaded)
        return refusal(iniPath, loaded.failure());
    CssOutput output;
    QStringList refusals;
    for (const TabDef &tab : tabs()) {
        const Result<QStringList> block = generateArea(tab.area, options);
        if (block)
            output.css += decodeGbk(encodeBlock(*block)).toUtf8();
        else
            refusals << block.failure().message;
    }
    if (refusals.isEmpty())
        return output;
    return {kCssNotANumber, {}, refusals.join(u'\n')};
}

int runWithoutWindow()
{
    const CommandLine line = startProgram(Program::Editor);
    if (line.exitCode)
        return *line.exitCode;
    const CssOutput output =
        cssForSettingsFile(line.cssFile.isEmpty() ? settingsPath(dataFolderInUse(line)) : line.cssFile);
    if (output.status != kCssPrinted) {
        printAll(stderr, output.error.toUtf8() + '\n');
        return output.status;
    }
    return printOrTell(output.css);
}

} // namespace stylewright
