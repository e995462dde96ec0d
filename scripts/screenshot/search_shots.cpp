// Shows the editor on the current display and photographs the option search: the window as it
// opens, "dh ztys" and where Enter lands, "背景图片" with its greyed rows, a greyed row chosen,
// a query that finds nothing, and the list and ring on a dark palette:
// stylewright-search-shots <output folder>.

#include "editor/field_highlight.h"
#include "editor/main_window.h"
#include "editor/option_search.h"
#include "options/option_set.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QListView>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace stylewright;

namespace {

QTextStream out(stdout);

bool save(MainWindow &window, const QString &folder, const QString &name)
{
    QTest::qWait(120);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window.screen()->grabWindow(window.winId()).save(path))
        return false;
    out << path << Qt::endl;
    return true;
}

// Ctrl+F, then the query key by key, as typed (QTest types ASCII only).
void search(MainWindow &window, const QString &query)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window, Qt::Key_F, Qt::ControlModifier);
    for (QChar c : query) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    dark.setColor(QPalette::Button, QColor(53, 53, 56));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(70, 130, 220));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    return dark;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: stylewright-search-shots <output folder>" << Qt::endl;
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir programFolder;
    QtPrompts prompts;
    QtDesktop desktop;
    QtColourDialog colourDialog;
    OptionSet record;
    MainWindow window(record, programFolder.path(), prompts, desktop, colourDialog);
    window.show();
    window.activateWindow(); // no window manager: the window's shortcuts work once it is active
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowActive(&window))
        return 1;
    // The row the search takes: the window's least height with and without it.
    window.search().hide();
    QApplication::processEvents(); // the layouts hear of it
    const int without = window.minimumSizeHint().height();
    window.search().show();
    QApplication::processEvents();
    out << "window " << window.width() << " x " << window.height() << ", least height " << without
        << " without the search, " << window.minimumSizeHint().height() << " with it" << Qt::endl;
    bool ok = save(window, folder, QStringLiteral("search-01-start"));

    QSignalSpy pinyin(&window.search(), &OptionSearch::pinyinReady);
    search(window, QStringLiteral("dh ztys"));
    ok = ok && (pinyin.count() > 0 || pinyin.wait(10000));
    ok = ok && save(window, folder, QStringLiteral("search-02-dh-ztys"));
    QTest::keyClick(&window.search(), Qt::Key_Return);
    ok = ok && save(window, folder, QStringLiteral("search-03-enter"));
    QTest::qWait(FieldHighlight::kLength.count());

    search(window, QStringLiteral("背景图片"));
    ok = ok && save(window, folder, QStringLiteral("search-04-pictures"));
    QTest::keyClick(&window.search(), Qt::Key_Return); // the first row is greyed
    ok = ok && save(window, folder, QStringLiteral("search-05-greyed-chosen"));
    QTest::qWait(FieldHighlight::kLength.count());

    search(window, QStringLiteral("zzzz"));
    ok = ok && save(window, folder, QStringLiteral("search-06-nothing"));
    QTest::keyClick(&window.search(), Qt::Key_Escape);

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
    search(window, QStringLiteral("ztys"));
    ok = ok && save(window, folder, QStringLiteral("search-07-dark-list"));
    QTest::keyClick(&window.search(), Qt::Key_Down);
    QTest::keyClick(&window.search(), Qt::Key_Down);
    QTest::keyClick(&window.search(), Qt::Key_Return);
    ok = ok && save(window, folder, QStringLiteral("search-08-dark-ring"));
    return ok ? 0 : 1;
}
