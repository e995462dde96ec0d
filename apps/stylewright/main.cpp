#include "startup/command_line.h"
#include "stylewright/css_output.h"
#include "stylewright/editor_start.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // --help, --version and --css run without a display.
    if (!stylewright::needsWindow(argc, argv, stylewright::Program::Editor)) {
        QCoreApplication app(argc, argv);
        return stylewright::runWithoutWindow();
    }
    QApplication app(argc, argv);
    const stylewright::EditorStart start = stylewright::startEditor();
    return start.editor ? app.exec() : start.exitCode;
}
