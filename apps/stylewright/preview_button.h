#pragma once
// Wires the "实时预览" button: shown only when the preview program is there; its first press
// makes the live preview, which then lives as long as the main window.

#include "preview/live_preview.h"

#include <QString>

namespace stylewright {

class MainWindow;
class Prompts;

// One file check at start-up; nothing of the preview is made before the button is pressed.
void installLivePreview(MainWindow &window, Prompts &prompts, const QString &program = previewProgramPath());

} // namespace stylewright
