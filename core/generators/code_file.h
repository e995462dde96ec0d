#pragma once
// The CSS code file in the program folder: blocks are appended to it, never rewritten.

#include "base/atomic_file.h"
#include "base/result.h"

#include <QString>
#include <QStringList>

namespace stylewright {

// "墨檐CSS代码.txt" in a program folder.
QString codeFilePath(const QString &folder);

// The bytes a block adds to the file: every write in GBK followed by CR LF.
QByteArray encodeBlock(const QStringList &writes);

// Appends the block in one write, creating the file when missing. A failure's message names the
// file and says what to check.
Result<void> appendBlock(const QString &path, const QStringList &writes, const WriteFaults &faults = {});

inline const QString kNoCodeMessage = QStringLiteral("没有找到CSS代码，请确认是否生成");
inline const QString kOpenCodeQuestion = QStringLiteral("是否打开“墨檐CSS代码.txt”，点击是为打开，否则不打开");

} // namespace stylewright
