#include "stylewright/preview_button.h"

#include "editor/main_window.h"

#include <QPointer>

namespace stylewright {

void installLivePreview(MainWindow &window, Prompts &prompts, const QString &program)
{
    if (!previewProgramPresent(program))
        return;
    window.setPreviewAvailable(true);
    QObject::connect(&window, &MainWindow::previewRequested, &window,
                     [&window, &prompts, program, preview = QPointer<LivePreview>()]() mutable {
                         if (!preview)
                             preview = new LivePreview(window.options(), prompts, program, &window);
                         preview->open();
                     });
}

} // namespace stylewright
