#pragma once
// How the editor starts, in one place: the program and the start-up benchmark both use it.

#include "editor/main_window.h"
#include "options/option_set.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"
#include "stylewright/tool_windows.h"

#include <memory>

namespace stylewright {

// The editor's window with everything it uses, alive as long as the window.
class Editor {
public:
    explicit Editor(const ProgramFolders &folders);
    MainWindow &window() { return m_window; }

private:
    QtPrompts m_prompts;
    QtDesktop m_desktop;
    QtColourDialog m_colourDialog;
    OptionSet m_options;
    MainWindow m_window;
};

struct EditorStart {
    std::unique_ptr<Editor> editor; // null: the command line ended the program
    int exitCode = 0;
};

// With a QApplication running: translations, command line, data folder, then the window shown.
EditorStart startEditor();

} // namespace stylewright
