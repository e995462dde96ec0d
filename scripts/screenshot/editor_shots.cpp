// Shows the editor window on the current display and saves a PNG of every tab, once as the
// window starts and once with every check box ticked: stylewright-shots <output folder>.

#include "options/option_set.h"
#include "system/qt_colour_dialog.h"
#include "editor/main_window.h"
#include "options/catalogue.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace stylewright;

namespace {

bool saveTabs(MainWindow &window, const QString &folder, const QString &suffix)
{
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QTest::qWait(150);
        const QPixmap shot = window.screen()->grabWindow(window.winId());
        const QString path =
            QDir(folder).filePath(QStringLiteral("tab-%1%2.png").arg(tab + 1, 2, 10, QLatin1Char('0')).arg(suffix));
        if (!shot.save(path))
            return false;
        QTextStream(stdout) << path << Qt::endl;
    }
    tabs->setCurrentIndex(0);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: stylewright-shots <output folder>" << Qt::endl;
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir programFolder; // nothing is written, but never next to the build either
    QtPrompts prompts;
    QtDesktop desktop;
    QtColourDialog colourDialog;
    OptionSet record;
    MainWindow window(record, programFolder.path(), prompts, desktop, colourDialog);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTextStream(stdout) << "client area " << window.width() << " x " << window.height() << Qt::endl;
    if (!saveTabs(window, out, QString()))
        return 1;
    for (const OptionDef &def : options()) {
        if (def.kind == OptionKind::Check)
            window.options().setValue(def.id, QStringLiteral("1"));
    }
    return saveTabs(window, out, QStringLiteral("-ticked")) ? 0 : 1;
}
