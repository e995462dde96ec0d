#include "stylewright/tool_windows.h"

#include "editor/secondary_windows.h"
#include "tools/contact_windows.h"
#include "tools/fetcher_window.h"
#include "tools/huepick_window.h"
#include "system/qt_screen_pixels.h"
#include "tools/tool_window.h"

namespace stylewright {

void installToolWindows(SecondaryWindows &windows, const QString &programFolder, Prompts &prompts, Desktop &desktop,
                        SheetSourceMaker makeSource, std::function<void(const QString &)> importIntoEditor)
{
    windows.setFactory(Secondary::Fetcher, [programFolder, &prompts, makeSource, importIntoEditor] {
        FetcherSetup setup;
        setup.makeSource = makeSource;
        setup.programFolder = programFolder;
        auto *fetcher = new FetcherWindow(setup, prompts);
        if (importIntoEditor)
            QObject::connect(fetcher, &FetcherWindow::importRequested, fetcher, importIntoEditor);
        return fetcher;
    });
    windows.setFactory(Secondary::HuePick, [&prompts] { return new HuePickWindow(makeScreenPixels(), prompts); });
    windows.setFactory(Secondary::Tool, [programFolder, &windows, &desktop] {
        return new ToolWindow(programFolder, desktop, [&windows] { windows.open(Secondary::Connect); });
    });
    windows.setFactory(Secondary::Connect, [&desktop] { return createConnectWindow(desktop); });
}

} // namespace stylewright
