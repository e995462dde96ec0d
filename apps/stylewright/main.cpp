#include "editor/colour_dialog.h"
#include "editor/main_window.h"
#include "platform/qt_platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    stylewright::QtPrompts prompts;
    stylewright::QtDesktop desktop;
    stylewright::QtColourDialog colourDialog;
    stylewright::MainWindow window(QCoreApplication::applicationDirPath(), prompts, desktop, colourDialog);
    QObject::connect(&window, &stylewright::MainWindow::closed, &app, [] { QCoreApplication::exit(0); });
    window.show();
    return app.exec();
}
