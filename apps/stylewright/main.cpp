#include "editor/main_window.h"
#include "options/option_set.h"
#include "stylewright/network_module.h"
#include "stylewright/tool_windows.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    stylewright::QtPrompts prompts;
    stylewright::QtDesktop desktop;
    stylewright::QtColourDialog colourDialog;
    stylewright::OptionSet options;
    stylewright::MainWindow window(options, folder, prompts, desktop, colourDialog);
    stylewright::installToolWindows(window.secondaryWindows(), folder, prompts, desktop,
                                    stylewright::loadNetworkSheetSource,
                                    [&window](const QString &css) { window.importCss(css); });
    QObject::connect(&window, &stylewright::MainWindow::closed, &app, [] { QCoreApplication::exit(0); });
    window.show();
    return app.exec();
}
