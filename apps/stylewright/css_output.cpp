#include "stylewright/css_output.h"

#include "base/text_encoding.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "startup/command_line.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace stylewright {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Text the settings reader can take: GB18030 (GBK's superset) without a NUL, and without a broken
// sequence, which would not survive decoding and encoding again.
bool isGbkText(const QByteArray &bytes)
{
    return !bytes.contains('\0') && encodeGbk(decodeGbk(bytes)) == bytes;
}

// Why the file cannot be given to the settings reader; nothing when it can.
std::optional<CssOutput> refuseFile(const QString &iniPath)
{
    const QFileInfo info(iniPath);
    if (!info.exists())
        return CssOutput{kCssNoFile, {}, QStringLiteral("找不到设置文件“%1”。").arg(shown(iniPath))};
    if (!info.isFile())
        return CssOutput{kCssNoFile, {}, QStringLiteral("“%1”不是一个文件。").arg(shown(iniPath))};
    if (info.size() > kMaxSettingsFileBytes)
        return CssOutput{kCssNotSettings, {}, QStringLiteral("“%1”太大，不是设置文件。").arg(shown(iniPath))};
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return CssOutput{
            kCssNoFile, {}, QStringLiteral("无法读取设置文件“%1”：%2").arg(shown(iniPath), file.errorString())};
    if (!isGbkText(file.read(kMaxSettingsFileBytes + 1)))
        return CssOutput{kCssNotSettings, {}, QStringLiteral("“%1”不是 GBK 文本，不是设置文件。").arg(shown(iniPath))};
    return std::nullopt;
}

} // namespace

CssOutput cssForSettingsFile(const QString &iniPath)
{
    if (std::optional<CssOutput> refused = refuseFile(iniPath))
        return *refused;
    OptionSet options;
    if (const Result<void> loaded = readSettings(iniPath, options); !loaded)
        return {kCssNotSettings,
                {},
                QStringLiteral("“%1”中没有保存的设置：%2").arg(shown(iniPath), loaded.failure().reason)};
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
