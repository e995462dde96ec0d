#pragma once
// The CSS code file next to the program: blocks are appended to it, never rewritten.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace stylewright {

class OptionSet;
class Prompts;
class Desktop;

// "墨檐CSS代码.txt" in a program folder.
QString codeFilePath(const QString &folder);

// The bytes a block adds to the file: every write in GBK followed by CR LF.
QByteArray encodeBlock(const QStringList &writes);

// Appends the block in one write, creating the file when missing. On failure returns false and
// sets `error` to a message that names the file.
bool appendBlock(const QString &path, const QStringList &writes, QString *error = nullptr);

// A "显示代码" button: generate, append, then offer to open the file.
void runAreaButton(QStringView areaButton, const OptionSet &options, const QString &folder, Prompts &prompts,
                   Desktop &desktop);

// "查看CSS代码": opens the file when it exists.
void lookAtCode(const QString &folder, Prompts &prompts, Desktop &desktop);

inline const QString kNoCodeMessage = QStringLiteral("没有找到CSS代码，请确认是否生成");
inline const QString kOpenCodeQuestion = QStringLiteral("是否打开“墨檐CSS代码.txt”，点击是为打开，否则不打开");

} // namespace stylewright
