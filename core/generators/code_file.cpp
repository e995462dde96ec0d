#include "generators/code_file.h"

#include "base/text_encoding.h"

#include <QDir>

namespace stylewright {

QString codeFilePath(const QString &folder)
{
    return folder + QStringLiteral("/墨檐CSS代码.txt");
}

QByteArray encodeBlock(const QStringList &writes)
{
    QByteArray bytes;
    for (const QString &w : writes) {
        bytes += encodeGbk(w);
        bytes += kCrLf;
    }
    return bytes;
}

Result<void> appendBlock(const QString &path, const QStringList &writes, const WriteFaults &faults)
{
    const Result<void> appended = appendToFile(path, encodeBlock(writes), faults);
    if (appended)
        return {};
    return Failure{QStringLiteral("无法写入CSS代码文件“%1”（%2），请检查程序所在的文件夹是否可以写入。")
                       .arg(QDir::toNativeSeparators(path), appended.failure().message),
                   appended.failure().reason};
}

} // namespace stylewright
