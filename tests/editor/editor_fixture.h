#pragma once
// A main window over a temporary program folder, with scripted message boxes, a recording
// desktop and a colour dialog that answers without opening.

#include "editor/colour_dialog.h"
#include "editor/main_window.h"
#include "options/catalogue.h"
#include "support/fakes.h"

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

    std::optional<QColor> choose(const QColor &current, QWidget *) override
    {
        offered.append(current);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

struct Editor {
    explicit Editor(const QString &folder = {})
        : window(folder.isEmpty() ? dir.path() : folder, prompts, desktop, colours)
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the editor window was never shown");
    }

    QString folder() const { return dir.path(); }

    template <typename T = QWidget> T *find(QStringView name)
    {
        return window.findChild<T *>(name.toString());
    }

    // Brings the option's tab forward, as a click on the tab does.
    void showTabOf(QStringView option)
    {
        showTab(options()[optionIndex(option)].tab);
    }

    void showTab(int tab)
    {
        auto *tabs = find<QTabWidget>(u"SSTab1");
        QTabBar *bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        QCOMPARE(tabs->currentIndex(), tab);
    }

    QTemporaryDir dir;
    FakePrompts prompts;
    FakeDesktop desktop;
    FakeColourDialog colours;
    MainWindow window;
};

} // namespace stylewright::testing
