#include "system/qt_platform.h"
#include "tools/fetcher_window.h"
#include "tools/sheetfetch_app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    stylewright::QtPrompts prompts;
    const auto window = stylewright::createSheetfetchWindow(QCoreApplication::applicationDirPath(), prompts, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    window->show();
    return app.exec();
}
