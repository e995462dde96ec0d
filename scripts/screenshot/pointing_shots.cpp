// Pointing at the live preview with the real programs on the current X display, the pointer
// moved and clicked by the X server's test extension as a user's hand would:
// stylewright-pointing-shots <output folder>. Saves the whole screen with the navigation bar
// pointed at, after it was clicked (the editor on tab 3, its options ringed), with 背景颜色 of
// tab 1 focused (the page's body outlined), and with the preview's 检查 tab.

#include "editor/main_window.h"
#include "editor/option_form.h"
#include "options/option_set.h"
#include "preview/live_preview.h"
#include "stylewright-preview/preview_window.h"
#include "stylewright/preview_button.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <dlfcn.h>

using namespace stylewright;

namespace {

// The test extension, loaded when needed: the build needs no X headers.
class FakeInput {
public:
    FakeInput()
    {
        void *x11 = ::dlopen("libX11.so.6", RTLD_NOW), *xtst = ::dlopen("libXtst.so.6", RTLD_NOW);
        if (!x11 || !xtst)
            return;
        m_open = reinterpret_cast<Open>(::dlsym(x11, "XOpenDisplay"));
        m_flush = reinterpret_cast<Flush>(::dlsym(x11, "XFlush"));
        m_motion = reinterpret_cast<Motion>(::dlsym(xtst, "XTestFakeMotionEvent"));
        m_button = reinterpret_cast<Button>(::dlsym(xtst, "XTestFakeButtonEvent"));
        if (m_open && m_flush && m_motion && m_button)
            m_display = m_open(nullptr);
    }
    bool ok() const { return m_display != nullptr; }
    void move(QPoint to)
    {
        m_motion(m_display, -1, to.x(), to.y(), 0);
        m_flush(m_display);
    }
    void click(QPoint at)
    {
        move(at);
        QTest::qWait(100);
        m_button(m_display, 1, 1, 0);
        m_button(m_display, 1, 0, 0);
        m_flush(m_display);
    }

private:
    using Open = void *(*)(const char *);
    using Flush = int (*)(void *);
    using Motion = int (*)(void *, int, int, int, unsigned long);
    using Button = int (*)(void *, unsigned int, int, unsigned long);
    Open m_open = nullptr;
    Flush m_flush = nullptr;
    Motion m_motion = nullptr;
    Button m_button = nullptr;
    void *m_display = nullptr;
};

QDir out;

bool save(const QString &name)
{
    const QString path = out.filePath(name);
    QTextStream(stdout) << path << Qt::endl;
    return QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    // The preview remembers 指向编辑 here; it starts with it on.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: stylewright-pointing-shots <output folder>" << Qt::endl;
        return 2;
    }
    out = QDir(QString::fromLocal8Bit(argv[1]));
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("stylewright"),
              QStringLiteral("stylewright-preview"))
        .setValue(PreviewWindow::kPointingKey, true);
    FakeInput input;
    if (!input.ok()) {
        QTextStream(stderr) << "no X test extension on this display" << Qt::endl;
        return 1;
    }
    QTemporaryDir programFolder;
    QtPrompts prompts;
    QtDesktop desktop;
    QtColourDialog colourDialog;
    OptionSet record;
    MainWindow window(record, programFolder.path(), prompts, desktop, colourDialog);
    installLivePreview(window, prompts, QStringLiteral(STYLEWRIGHT_PREVIEW_PROGRAM));
    window.move(1120, 0); // beside the preview window, which has no window manager to place it
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.findChild<QPushButton *>(QStringLiteral("cmdpreview"))->click();
    auto *preview = window.findChild<LivePreview *>();
    QSignalSpy applied(preview, &LivePreview::applied);
    if (!applied.wait(30000))
        return 1;
    QTest::qWait(1500); // the first paint

    // The navigation bar of the page, the preview window at the screen's corner.
    const QPoint navigation(240, 352);
    input.move(navigation - QPoint(40, 40));
    QTest::qWait(100);
    input.move(navigation);
    QTest::qWait(600);
    if (!save(QStringLiteral("pointing-point.png")))
        return 1;
    input.click(navigation);
    QTest::qWait(350); // within the ring's second
    if (!save(QStringLiteral("pointing-picked.png")))
        return 1;

    input.move(QPoint(1110, 900)); // off the page, so the pointer's outline leaves the field's alone
    QTest::qWait(300);
    window.activateWindow();
    window.tabs()->setCurrentIndex(int(Area::Background));
    window.form().builtField(Option::PageBackgroundColour)->setFocus(Qt::TabFocusReason);
    QTest::qWait(800);
    if (!save(QStringLiteral("pointing-field.png")))
        return 1;

    input.click(QPoint(120, 14)); // the 检查 tab
    QTest::qWait(1500);
    return save(QStringLiteral("pointing-check.png")) ? 0 : 1;
}
