#pragma once
// How the editor starts, in one place: the program and the start-up benchmark both use it.

#include "editor/main_window.h"
#include "options/option_set.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"
#include "stylewright/folder_claim.h"
#include "stylewright/tool_windows.h"

#include <memory>

namespace stylewright {

// The editor's window with everything it uses, alive as long as the window.
class Editor {
public:
    explicit Editor(const ProgramFolders &folders);
    // The folder's claim, before the window is shown. An editor without the claim autosaves
    // nothing and says so once, quietly.
    void hold(std::unique_ptr<FolderClaim> claim);
    MainWindow &window() { return m_window; }
    bool holdsFolder() const { return m_claim && m_claim->outcome() == FolderClaim::Outcome::Ours; }

private:
    std::unique_ptr<FolderClaim> m_claim; // first: released after everything else has closed
    QtPrompts m_prompts;
    QtDesktop m_desktop;
    QtColourDialog m_colourDialog;
    OptionSet m_options;
    MainWindow m_window;
};

struct EditorStart {
    std::unique_ptr<Editor> editor; // null: the program ends now, with exitCode
    int exitCode = 0;
};

// With a QApplication running: translations, command line, data folder, then openEditor().
EditorStart startEditor();
// Claims the data folder while the window is made, then shows the window and offers back what a
// crash left there; when an editor already has the folder, brings that one to the front instead.
EditorStart openEditor(const ProgramFolders &folders);

// The status line of an editor that runs without autosave, for each reason.
inline const QString kFolderReadOnlyNotice = QStringLiteral("数据文件夹“%1”无法写入，自动保存已关闭。");
inline const QString kFolderSharedNotice =
    QStringLiteral("另一个程序正在使用数据文件夹“%1”，但没有回应；这个窗口不自动保存。");

} // namespace stylewright
