#include "network/sheet_fetcher.h"
#include "sheetfetch/sheetfetch_app.h"
#include "startup/command_line.h"
#include "startup/data_folder_hints.h"
#include "system/qt_platform.h"
#include "tools/fetcher_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using stylewright::Program;
    // --help and --version run without a display.
    if (!stylewright::needsWindow(argc, argv, Program::Fetcher)) {
        QCoreApplication app(argc, argv);
        return stylewright::startProgram(Program::Fetcher).exitCode.value_or(0);
    }
    QApplication app(argc, argv);
    const stylewright::CommandLine line = stylewright::startProgram(Program::Fetcher);
    if (line.exitCode)
        return *line.exitCode;
    stylewright::QtPrompts prompts;
    const auto makeSource = [](const QString &prefix) { return std::make_unique<stylewright::SheetFetcher>(prefix); };
    const QString dataFolder = stylewright::dataFolderInUse(line);
    const auto window = stylewright::createSheetfetchWindow(makeSource, dataFolder, prompts, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    stylewright::showSheetFolder(*window, dataFolder);
    window->show();
    return app.exec();
}
