#pragma once
// A main window over a temporary program folder, wired like the program, with scripted message
// boxes, a recording desktop and a colour dialog that answers without opening.

#include "editor/main_window.h"
#include "editor/option_form.h"
#include "options/catalogue.h"
#include "options/option_set.h"
#include "platform/colour_dialog.h"
#include "stylewright/network_module.h"
#include "stylewright/tool_windows.h"
#include "support/fakes.h"

#include <QColor>
#include <QList>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace stylewright::testing {

class FakeColourDialog final : public ColourDialog {
public:
    QList<std::optional<QColor>> answers; // next choices; nothing = cancel (also when none is left)
    QList<QColor> offered;                // the colour each opening started at

    std::optional<Rgb> choose(Rgb current, QWidget *) override
    {
        offered.append(QColor::fromRgb(current));
        const std::optional<QColor> answer = answers.isEmpty() ? std::nullopt : answers.takeFirst();
        if (!answer)
            return std::nullopt;
        return Rgb(answer->rgb() & 0xFFFFFF);
    }
};

struct Editor {
    explicit Editor(const QString &folder = {})
        : window(record, folder.isEmpty() ? dir.path() : folder, prompts, desktop, colours)
    {
        installToolWindows(window.secondaryWindows(), folder.isEmpty() ? dir.path() : folder, prompts, desktop,
                           loadNetworkSheetSource, [this](const QString &css) { window.importCss(css); });
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the editor window was never shown");
    }

    QString folder() const { return dir.path(); }

    // An option's field, its tab built when needed.
    template <typename T = QWidget> T *field(Option option) { return qobject_cast<T *>(form()->builtField(option)); }

    OptionForm *form() { return &window.form(); }

    // Brings the option's tab forward, as a click on the tab does.
    void showTabOf(Option option) { showTab(optionDef(option).area); }

    void showTab(Area area)
    {
        QTabBar *bar = window.tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(area)).center());
        QCOMPARE(window.tabs()->currentIndex(), int(area));
    }

    QTemporaryDir dir;
    FakePrompts prompts;
    FakeDesktop desktop;
    FakeColourDialog colours;
    OptionSet record;
    MainWindow window;
};

} // namespace stylewright::testing
