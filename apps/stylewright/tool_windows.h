#pragma once
// Registers the companion tool windows (fetcher, colour picker, tool window, contact window)
// with the editor's secondary-window manager.

#include "platform/sheet_source.h"

#include <QString>

namespace stylewright {

class SecondaryWindows;
class Prompts;
class Desktop;

struct ProgramFolders {
    QString program; // the update notes are read from here
    QString data;    // the fetcher saves into csscode/ here
};

// The fetcher window gets its sheets from makeSource.
void installToolWindows(SecondaryWindows &windows, const ProgramFolders &folders, Prompts &prompts, Desktop &desktop,
                        SheetSourceMaker makeSource);
// A portable copy: one folder for both.
inline void installToolWindows(SecondaryWindows &windows, const QString &programFolder, Prompts &prompts,
                               Desktop &desktop, SheetSourceMaker makeSource)
{
    installToolWindows(windows, ProgramFolders{programFolder, programFolder}, prompts, desktop, std::move(makeSource));
}

} // namespace stylewright
