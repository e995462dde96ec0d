#include "sheetfetch/sheetfetch_app.h"

#include "tools/fetcher_window.h"

namespace stylewright {

std::unique_ptr<FetcherWindow> createSheetfetchWindow(SheetSourceMaker makeSource, const QString &programFolder,
                                                      Prompts &prompts, std::function<void()> endProgram)
{
    FetcherSetup setup;
    setup.makeSource = std::move(makeSource);
    setup.programFolder = programFolder;
    setup.cornerEllipse = 24;
    setup.standalone = true;
    auto window = std::make_unique<FetcherWindow>(setup, prompts);
    QObject::connect(window.get(), &FetcherWindow::endRequested, window.get(), std::move(endProgram));
    return window;
}

} // namespace stylewright
