// The least a window with the editor's eleven tabs costs to start: nothing on the tabs.

#include "idle_report.h"
#include "options/catalogue.h"

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *tabs = new QTabWidget(&window);
    for (const stylewright::TabDef &tab : stylewright::tabs())
        tabs->addTab(new QWidget(tabs), tab.caption.toString());
    window.setCentralWidget(tabs);
    window.resize(721, 508);
    window.show();
    new IdleReport(&window);
    return app.exec();
}
