#include "stylewright/editor_start.h"

#include "startup/command_line.h"
#include "startup/data_folder_hints.h"
#include "stylewright/network_module.h"

#include <QCoreApplication>

namespace stylewright {

Editor::Editor(const ProgramFolders &folders) : m_window(m_options, folders.data, m_prompts, m_desktop, m_colourDialog)
{
    installToolWindows(m_window.secondaryWindows(), folders, m_prompts, m_desktop, loadNetworkSheetSource);
    showDataFolder(m_window, folders.data);
    QObject::connect(&m_window, &MainWindow::closed, qApp, [] { QCoreApplication::exit(0); });
}

EditorStart startEditor()
{
    const CommandLine line = startProgram(Program::Editor);
    if (line.exitCode)
        return {nullptr, *line.exitCode};
    const ProgramFolders folders{QCoreApplication::applicationDirPath(), dataFolderInUse(line)};
    auto editor = std::make_unique<Editor>(folders);
    editor->window().show();
    editor->window().offerRecovery();
    return {std::move(editor), 0};
}

} // namespace stylewright
