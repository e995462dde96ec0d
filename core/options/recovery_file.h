#pragma once
// The recovery file: the option record as the editor last autosaved it, so that edits a crash
// would lose can be brought back. It is a settings file (the settings reader reads it as one)
// followed by a section of its own that the settings reader passes over: the format, every
// enabled flag, the values a settings line cannot hold exactly, and last a checksum of all the
// bytes before it, so that a cut or damaged file is never taken for a whole one.

#include "base/atomic_file.h"
#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace stylewright {

class OptionSet;

// "setup.recovery.ini" beside setup.ini in a program folder.
QString recoveryPath(const QString &folder);

QByteArray recoveryBytes(const OptionSet &options);
// Replaces the file atomically: a failed write leaves the previous one whole.
Result<void> writeRecovery(const QString &path, const OptionSet &options, const WriteFaults &faults = {});

// The record exactly as it was written. A file that is cut short, damaged, unreadable, not a
// regular file, over the size cap, or of another version gives a failure whose message is the
// user's notice, and nothing half-read.
Result<OptionSet> readRecovery(const QString &path);

// Renames a file that cannot be used, so that it is kept but not offered again; its new path.
Result<QString> keepRecoveryAside(const QString &path);

// 2: the checksum is SHA-256 (1 had CRC-32); a file of another format is kept aside, not read.
inline constexpr int kRecoveryFormat = 2;
// A real one is under 200 KiB; 4 MiB holds a record at the settings file's own 1 MiB limit and
// its exact lines besides.
inline constexpr qint64 kMaxRecoveryBytes = 4 * 1024 * 1024;
inline const QString kRecoveryDamagedMessage = QStringLiteral("上次自动保存的选项已损坏");
inline const QString kRecoveryNewerMessage = QStringLiteral("上次自动保存的选项来自更新版本的程序");
inline const QString kRecoveryOlderMessage = QStringLiteral("上次自动保存的选项来自旧版本的程序");

} // namespace stylewright
