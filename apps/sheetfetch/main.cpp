#include "network/sheet_fetcher.h"
#include "system/qt_platform.h"
#include "tools/fetcher_window.h"
#include "tools/sheetfetch_app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    stylewright::QtPrompts prompts;
    const auto makeSource = [](const QString &prefix) { return std::make_unique<stylewright::SheetFetcher>(prefix); };
    const auto window =
        stylewright::createSheetfetchWindow(makeSource, QCoreApplication::applicationDirPath(), prompts, [] {
            QApplication::closeAllWindows();
            QCoreApplication::quit();
        });
    window->show();
    return app.exec();
}
