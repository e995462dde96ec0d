#include "options/catalogue.h"

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("stylewright正式版 09.01.12 --------------打造个性化墨檐空间"));
    auto *tabs = new QTabWidget(&window);
    for (const stylewright::TabDef &tab : stylewright::tabs())
        tabs->addTab(new QWidget(tabs), tab.caption.toString());
    window.setCentralWidget(tabs);
    window.resize(721, 508);
    window.show();
    return app.exec();
}
