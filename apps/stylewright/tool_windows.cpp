#include "stylewright/tool_windows.h"

#include "editor/secondary_windows.h"
#include "tools/contact_windows.h"
#include "tools/fetcher_window.h"
#include "tools/huepick_window.h"
#include "system/dbus_colour_portal.h"
#include "system/qt_screen_pixels.h"
#include "tools/tool_window.h"

namespace stylewright {

void installToolWindows(SecondaryWindows &windows, const QString &programFolder, Prompts &prompts, Desktop &desktop,
                        SheetSourceMaker makeSource)
{
    windows.setFactory(Secondary::Fetcher, [programFolder, &prompts, makeSource] {
        FetcherSetup setup;
        setup.makeSource = makeSource;
        setup.programFolder = programFolder;
        return new FetcherWindow(setup, prompts);
    });
    windows.setFactory(Secondary::HuePick, [&prompts] {
        return new HuePickWindow(makeScreenPixels(), std::make_unique<DBusColourPortal>(), prompts);
    });
    windows.setFactory(Secondary::Tool, [programFolder, &windows, &desktop] {
        return new ToolWindow(programFolder, desktop, [&windows] { windows.open(Secondary::Connect); });
    });
    windows.setFactory(Secondary::Connect, [&desktop] { return createConnectWindow(desktop); });
}

} // namespace stylewright
