#include "stylewright/preview_button.h"

#include "editor/field_jump.h"
#include "editor/main_window.h"
#include "editor/option_form.h"
#include "options/option_set.h"

#include <QApplication>
#include <QPointer>

namespace stylewright {
namespace {

// A part of the page was picked: the editor comes to the front on its tab, the first of its
// options that can be edited focused and all of them ringed.
void showPicked(MainWindow &window, const QList<Option> &options)
{
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
    std::optional<Option> focus;
    for (Option option : options) {
        if (window.options().isEnabled(option)) {
            focus = option;
            break;
        }
    }
    showFields(window.form(), window.tabs(), options, focus);
}

LivePreview *makePreview(MainWindow &window, Prompts &prompts, const QString &program)
{
    auto *preview = new LivePreview(window.options(), prompts, program, &window);
    QObject::connect(preview, &LivePreview::picked, &window,
                     [&window](Area, const QList<Option> &options) { showPicked(window, options); });
    // The page outlines what the focused field styles; focus outside the editor changes nothing.
    QObject::connect(qApp, &QApplication::focusChanged, preview, [&window, preview](QWidget *, QWidget *now) {
        if (now && now->window() == &window)
            preview->showField(window.form().optionOf(now));
    });
    return preview;
}

} // namespace

void installLivePreview(MainWindow &window, Prompts &prompts, const QString &program)
{
    if (!previewProgramPresent(program))
        return;
    window.setPreviewAvailable(true);
    QObject::connect(&window, &MainWindow::previewRequested, &window,
                     [&window, &prompts, program, preview = QPointer<LivePreview>()]() mutable {
                         if (!preview)
                             preview = makePreview(window, prompts, program);
                         preview->open();
                     });
}

} // namespace stylewright
