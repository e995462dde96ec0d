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
#include <QThread>
#include <QTimer>
#include <future>

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

Editor::Editor(const ProgramFolders &folders) : m_window(m_options, folders.data, m_prompts, m_desktop, m_colourDialog)
{
    installToolWindows(m_window.secondaryWindows(), folders, m_prompts, m_desktop, loadNetworkSheetSource,
                       [this](const QString &css) { m_window.importCss(css); });
    installLivePreview(m_window, m_prompts);
    installLookGallery(m_window, m_prompts);
    showDataFolder(m_window, folders.data);
    QObject::connect(&m_window, &MainWindow::closed, qApp, [] { QCoreApplication::exit(0); });
}

void Editor::hold(std::unique_ptr<FolderClaim> claim)
{
    m_claim = std::move(claim);
    if (holdsFolder()) {
        QObject::connect(m_claim.get(), &FolderClaim::raiseRequested, &m_window, [this] { bringToFront(m_window); });
        return;
    }
    m_window.editSafety().stopAutosave();
    const QString notice =
        m_claim->outcome() == FolderClaim::Outcome::Shared ? kFolderSharedNotice : kFolderReadOnlyNotice;
    m_window.statusBar()->showMessage(notice.arg(QDir::toNativeSeparators(m_window.folder())));
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
    // Taking the lock writes it through to the disk, and a folder held by another editor means
    // asking that one: both go on beside the making of the window, which touches no file.
    QThread *const gui = QThread::currentThread();
    std::future<std::unique_ptr<FolderClaim>> claiming = std::async(std::launch::async, [folders, gui] {
        auto claim = std::make_unique<FolderClaim>(folders.data, networkModuleFolders(folders.program));
        claim->moveToThread(gui);
        return claim;
    });
    auto editor = std::make_unique<Editor>(folders);
    std::unique_ptr<FolderClaim> claim = claiming.get();
    if (claim->outcome() == FolderClaim::Outcome::HandedOver)
        return {nullptr, 0};
    FolderClaim *held = claim.get();
    editor->hold(std::move(claim));
    editor->window().show();
    // Later starts are answered once the window is up: listening loads the network module, which
    // would hold up the first paint. A later start meanwhile waits for the answer.
    QTimer::singleShot(kListenAfterMs, held, &FolderClaim::listen);
    // Without the claim the recovery file may be a running editor's own autosave.
    if (editor->holdsFolder())
        editor->window().offerRecovery();
    return {std::move(editor), 0};
}

} // namespace stylewright
