// The stylewright program as it starts, reporting when its window is shown and idle.

#include "idle_report.h"
#include "stylewright/editor_start.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const stylewright::EditorStart start = stylewright::startEditor();
    if (!start.editor)
        return start.exitCode;
    new IdleReport(&start.editor->window());
    return app.exec();
}
