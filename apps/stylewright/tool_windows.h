#pragma once
// Registers the companion tool windows (fetcher, colour picker, tool window, contact window)
// with the editor's secondary-window manager.

#include "platform/sheet_source.h"

#include <QString>
#include <functional>

namespace stylewright {

class SecondaryWindows;
class Prompts;
class Desktop;

struct ProgramFolders {
    QString program; // the update notes are read from here
    QString data;    // the fetcher saves into csscode/ here
};

// The fetcher window gets its sheets from makeSource, and hands a fetched sheet to importIntoEditor
// when the user asks for it.
void installToolWindows(SecondaryWindows &windows, const ProgramFolders &folders, Prompts &prompts, Desktop &desktop,
                        SheetSourceMaker makeSource, std::function<void(const QString &)> importIntoEditor);
// A portable copy: one folder for both.
inline void installToolWindows(SecondaryWindows &windows, const QString &programFolder, Prompts &prompts,
                               Desktop &desktop, SheetSourceMaker makeSource,
                               std::function<void(const QString &)> importIntoEditor)
{
    installToolWindows(windows, ProgramFolders{programFolder, programFolder}, prompts, desktop, std::move(makeSource),
                       std::move(importIntoEditor));
}

} // namespace stylewright
