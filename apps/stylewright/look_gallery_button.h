#pragma once
// Wires "外观库…": the first press makes the gallery, which then lives as long as the main
// window; a look used from it is one undo step of the editor.

#include "looks/look_gallery.h"
#include "preview/live_preview.h"

namespace stylewright {

class MainWindow;
class Prompts;

// Nothing of the gallery is made before the button is pressed.
void installLookGallery(MainWindow &window, Prompts &prompts, const QString &previewProgram = previewProgramPath(),
                        LookQuestions questions = standardLookQuestions());
// The look in the editor as one undo step, named for the look.
void useLook(MainWindow &window, const Look &look);

} // namespace stylewright
