#pragma once
// Registers the companion tool windows (fetcher, colour picker, tool window, contact window)
// with the editor's secondary-window manager.

#include <QString>

namespace stylewright {

class SecondaryWindows;
class Prompts;
class Desktop;

void installToolWindows(SecondaryWindows &windows, const QString &programFolder, Prompts &prompts, Desktop &desktop);

} // namespace stylewright
