#include "stylewright/tool_windows.h"

#include "startup/data_folder_hints.h"
#include "editor/secondary_windows.h"
#include "tools/contact_windows.h"
#include "tools/fetcher_window.h"
#include "tools/huepick_window.h"
#include "system/dbus_colour_portal.h"
#include "system/qt_screen_pixels.h"
#include "tools/tool_window.h"

namespace stylewright {

void installToolWindows(SecondaryWindows &windows, const ProgramFolders &folders, Prompts &prompts, Desktop &desktop,
                        SheetSourceMaker makeSource, std::function<void(const QString &)> importIntoEditor)
{
    windows.setFactory(Secondary::Fetcher, [dataFolder = folders.data, &prompts, makeSource, importIntoEditor] {
        FetcherSetup setup;
        setup.makeSource = makeSource;
        setup.programFolder = dataFolder;
        auto *fetcher = new FetcherWindow(setup, prompts);
        showSheetFolder(*fetcher, dataFolder);
        QObject::connect(fetcher, &FetcherWindow::importRequested, fetcher, importIntoEditor);
        return fetcher;
    });
    windows.setFactory(Secondary::HuePick, [&prompts] {
        return new HuePickWindow(makeScreenPixels(), std::make_unique<DBusColourPortal>(), prompts);
    });
    windows.setFactory(Secondary::Tool, [folders, &windows, &desktop] {
        auto *tool = new ToolWindow(folders.program, desktop, [&windows] { windows.open(Secondary::Connect); });
        if (folders.data != folders.program) // a portable copy's tool window stays as it always was
            addDataFolderLine(*tool, folders.data);
        return tool;
    });
    windows.setFactory(Secondary::Connect, [&desktop] { return createConnectWindow(desktop); });
}

} // namespace stylewright
