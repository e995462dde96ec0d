#include "stylewright/look_gallery_button.h"

#include "editor/edit_history.h"
#include "editor/main_window.h"

#include <QPointer>

namespace stylewright {

void useLook(MainWindow &window, const Look &look)
{
    // The same path as "读取数据": every option through the rules, the marks and preview follow.
    window.history().step(QStringLiteral("使用外观“%1”").arg(look.header.name), [&] {
        if (const Result<void> applied = applyLook(look, window.options()); !applied)
            logFailure(applied.failure());
    });
}

void installLookGallery(MainWindow &window, Prompts &prompts, const QString &previewProgram, LookQuestions questions)
{
    QObject::connect(&window, &MainWindow::looksRequested, &window,
                     [&window, &prompts, previewProgram, questions, gallery = QPointer<LookGallery>()]() mutable {
                         if (!gallery) {
                             gallery = new LookGallery(
                                 window.options(), window.folder(), previewProgram, prompts,
                                 [&window](const Look &look) { useLook(window, look); }, questions, &window);
                         }
                         gallery->show();
                         gallery->raise();
                         gallery->activateWindow();
                     });
}

} // namespace stylewright
