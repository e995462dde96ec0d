#pragma once
// Writing files so that a failure never leaves half a file behind. A replacement goes to a
// temporary file beside the target, is synced to disk and checked, and only then takes the
// target's name; any failed step leaves the previous file byte for byte. (QSaveFile in Qt 6.4
// can report success on a full disk while leaving an empty file, so each step is checked here.)

#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace stylewright {

// Faults the writers act out on request, so tests reach the error paths without a full disk or
// a read-only folder (neither of which an ordinary user can make on demand).
struct WriteFaults {
    qint64 diskFullAfter = -1;   // the disk takes this many more bytes, then is full; -1: no limit
    bool folderReadOnly = false; // the folder refuses new files; files already in it can still grow
};

// A failure's message is the system's short error text ("Permission denied"); callers wrap it
// in a message of their own.
Result<void> replaceFileAtomically(const QString &path, const QByteArray &bytes, const WriteFaults &faults = {});
// Appends in one write, creating the file when missing; a failed append is cut off again (and a
// file it created is removed).
Result<void> appendToFile(const QString &path, const QByteArray &bytes, const WriteFaults &faults = {});

} // namespace stylewright
