#pragma once
// The folder the programs keep their files in (setup.ini, the CSS code file, csscode/): the
// program's own folder when it can be written, as a portable copy always had it; otherwise the
// user's data folder, so an installed program can save too.

#include "base/result.h"

#include <QString>

namespace stylewright {

struct DataFolderPlaces {
    QString chosen;        // given on the command line; wins when set
    QString programFolder; // used when writable
    QString userFolder;    // the per-user data folder
};

// The folder in use for these places, as an absolute, clean path.
QString chooseDataFolder(const DataFolderPlaces &places);
// This program's folder and the user's data folder ("~/.local/share/stylewright"), shared by both
// programs so that the fetcher's saves land in one csscode/.
DataFolderPlaces standardDataFolderPlaces(const QString &chosen);

// Creates the folder when missing. The failure's message names the folder.
Result<void> makeDataFolder(const QString &folder);

} // namespace stylewright
