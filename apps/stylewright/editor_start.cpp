#include "stylewright/editor_start.h"

#include "editor/edit_safety.h"
#include "startup/command_line.h"
#include "startup/data_folder_hints.h"
#include "stylewright/network_module.h"
#include "stylewright/look_gallery_button.h"
#include "stylewright/preview_button.h"

#include <QCoreApplication>
#include <QDir>
#include <QStatusBar>
#include <QTimer>

namespace stylewright {
namespace {

void bringToFront(QWidget &window)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

Editor::Editor(const ProgramFolders &folders, std::unique_ptr<FolderClaim> claim)
    : m_claim(std::move(claim)), m_window(m_options, folders.data, m_prompts, m_desktop, m_colourDialog)
{
    installToolWindows(m_window.secondaryWindows(), folders, m_prompts, m_desktop, loadNetworkSheetSource,
                       [this](const QString &css) { m_window.importCss(css); });
    installLivePreview(m_window, m_prompts);
    installLookGallery(m_window, m_prompts);
    showDataFolder(m_window, folders.data);
    QObject::connect(&m_window, &MainWindow::closed, qApp, [] { QCoreApplication::exit(0); });
    if (holdsFolder()) {
        QObject::connect(m_claim.get(), &FolderClaim::raiseRequested, &m_window, [this] { bringToFront(m_window); });
        return;
    }
    m_window.editSafety().stopAutosave();
    const QString notice =
        m_claim->outcome() == FolderClaim::Outcome::Shared ? kFolderSharedNotice : kFolderReadOnlyNotice;
    m_window.statusBar()->showMessage(notice.arg(QDir::toNativeSeparators(folders.data)));
}

EditorStart startEditor()
{
    const CommandLine line = startProgram(Program::Editor);
    if (line.exitCode)
        return {nullptr, *line.exitCode};
    return openEditor({QCoreApplication::applicationDirPath(), dataFolderInUse(line)});
}

EditorStart openEditor(const ProgramFolders &folders)
{
    auto claim = std::make_unique<FolderClaim>(folders.data, networkModuleFolders(folders.program));
    if (claim->outcome() == FolderClaim::Outcome::HandedOver)
        return {nullptr, 0};
    FolderClaim *held = claim.get();
    auto editor = std::make_unique<Editor>(folders, std::move(claim));
    editor->window().show();
    // Later starts are answered from the first turn of the event loop, with the window on its way.
    QTimer::singleShot(0, held, &FolderClaim::listen);
    // Without the claim the recovery file may be a running editor's own autosave.
    if (editor->holdsFolder())
        editor->window().offerRecovery();
    return {std::move(editor), 0};
}

} // namespace stylewright
