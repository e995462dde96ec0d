// The stylewright program as it starts, reporting when its window is shown and idle.

#include "platform/colour_dialog.h"
#include "editor/main_window.h"
#include "idle_report.h"
#include "system/qt_platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    stylewright::QtPrompts prompts;
    stylewright::QtDesktop desktop;
    stylewright::QtColourDialog colourDialog;
    stylewright::MainWindow window(QCoreApplication::applicationDirPath(), prompts, desktop, colourDialog);
    window.show();
    new IdleReport(&window);
    return app.exec();
}
