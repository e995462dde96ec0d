#pragma once
// The looks a user can start from: the built-in ones, kept in the program's resources, and the
// user's own, one settings file each in the data folder's looks/. A look is shown by the name
// inside its file; the file's own name is derived from that name, so any name a user types
// makes a safe and distinct file name.

#include "base/atomic_file.h"
#include "base/result.h"
#include "looks/look_file.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace stylewright {

class OptionSet;

struct Look {
    LookHeader header;
    QString path; // ":/looks/…" for a built-in look, else the file in looks/
    bool builtIn = false;
    QByteArray bytes; // the file as read; empty when it cannot be used
    QString problem;  // why the look cannot be used, for the user; empty when it can
    bool usable() const { return problem.isEmpty(); }
    // The settings alone, laid out as a save lays them out: what the page looks like, whatever
    // the name or the file's comments. Empty when the look cannot be used.
    QByteArray settings;
};

// looks/ in a data folder.
QString looksFolder(const QString &dataFolder);

// The built-in looks, in the order they are shown.
QList<Look> builtInLooks();
// The files of looks/ (a missing folder holds none), usable or with their problem, by name.
QList<Look> ownLooks(const QString &dataFolder);
// A file read as a look: never applied when it cannot be used, and its problem says why.
Look lookFromFile(const QString &path);
// Bytes checked as a look; `path` says where they came from, fallbackName names a look whose
// file carries no name.
Look lookFromBytes(const QByteArray &bytes, const QString &path, const QString &fallbackName);

// Puts a usable look into options, each option through the rules as "读取数据" does.
Result<void> applyLook(const Look &look, OptionSet &options);

// Why a typed name cannot name a look, or nothing. `looks` are the looks shown; the one at
// `exceptPath` (a look being renamed) may keep its name.
std::optional<QString> nameProblem(const QString &name, const QList<Look> &looks, const QString &exceptPath = {});
inline constexpr int kLongestLookName = 40;

// The file in looks/ a name is kept in.
QString ownLookPath(const QString &dataFolder, const QString &name);

// Keeps options as an own look (replacing an own look of that name). The name must have passed
// nameProblem(). A failure's message names the folder or file.
Result<Look> saveOwnLook(const QString &dataFolder, const LookHeader &header, const OptionSet &options,
                         const WriteFaults &faults = {});
// The own look under another name: its settings and comments stay byte for byte.
Result<Look> renameOwnLook(const QString &dataFolder, const Look &look, const QString &newName,
                           const WriteFaults &faults = {});
Result<void> deleteOwnLook(const Look &look);
// A usable look's file, with its name, to share.
Result<void> exportLook(const Look &look, const QString &path, const WriteFaults &faults = {});
// A received file as an own look. A name taken already gets a number: "夜空（2）".
Result<Look> importLook(const QString &dataFolder, const QString &path, const QList<Look> &looks,
                        const WriteFaults &faults = {});

} // namespace stylewright
