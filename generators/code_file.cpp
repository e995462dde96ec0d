#include "generators/code_file.h"

#include "generators/generators.h"
#include "options/text_encoding.h"
#include "platform/desktop.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace stylewright {

QString codeFilePath(const QString &folder) { return folder + QStringLiteral("/墨檐CSS代码.txt"); }

QByteArray encodeBlock(const QStringList &writes)
{
    QByteArray bytes;
    for (const QString &w : writes) {
        bytes += encodeGbk(w);
        bytes += kCrLf;
    }
    return bytes;
}

bool appendBlock(const QString &path, const QStringList &writes, QString *error)
{
    const QByteArray bytes = encodeBlock(writes);
    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(bytes) == bytes.size() &&
                    file.flush();
    if (!ok && error) {
        *error = QStringLiteral("无法写入CSS代码文件“%1”（%2），请检查程序所在的文件夹是否可以写入。")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return ok;
}

void runAreaButton(QStringView areaButton, const OptionSet &options, const QString &folder, Prompts &prompts,
                   Desktop &desktop)
{
    const GeneratedBlock block = generate(areaButton, options);
    if (!block.error.isEmpty()) {
        prompts.inform(kErrorTitle, block.error);
        return;
    }
    const QString path = codeFilePath(folder);
    QString error;
    if (!appendBlock(path, block.writes, &error)) {
        prompts.inform(kErrorTitle, error);
        return;
    }
    if (!QFileInfo::exists(path)) {
        prompts.inform(kErrorTitle, kNoCodeMessage);
        return;
    }
    if (prompts.askYesNo(kConfirmTitle, kOpenCodeQuestion))
        desktop.openTextFile(path);
}

void lookAtCode(const QString &folder, Prompts &prompts, Desktop &desktop)
{
    const QString path = codeFilePath(folder);
    if (QFileInfo::exists(path))
        desktop.openTextFile(path);
    else
        prompts.inform(kErrorTitle, kNoCodeMessage);
}

} // namespace stylewright
