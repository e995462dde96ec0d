#pragma once
// Reading a whole file under a size cap, the one way the programs read a file of their own or
// one the user names. Only a regular file is read (a symbolic link is followed to one): a pipe or
// a device is refused before it is opened, so no reader ever blocks, and the cap holds whatever
// size the file reports.

#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace stylewright {

// The file's bytes, at most maxBytes of them. A failure says in its `file` field whether the file
// is missing, not a regular file, too large or unreadable; its reason names the path, and its
// message is left to the caller, who knows what the file was for.
Result<QByteArray> readFileCapped(const QString &path, qint64 maxBytes);

} // namespace stylewright
