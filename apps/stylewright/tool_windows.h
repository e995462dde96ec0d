#pragma once
// Registers the companion tool windows (fetcher, colour picker, tool window, contact window)
// with the editor's secondary-window manager.

#include "platform/sheet_source.h"

#include <QString>

namespace stylewright {

class SecondaryWindows;
class Prompts;
class Desktop;

// The fetcher window gets its sheets from makeSource.
void installToolWindows(SecondaryWindows &windows, const QString &programFolder, Prompts &prompts, Desktop &desktop,
                        SheetSourceMaker makeSource);

} // namespace stylewright
