// Shows each companion window on a real display and saves a picture of the screen around it, so
// rounded corners, title rows and Chinese captions can be looked at. Run under Xvfb by
// scripts/screenshot-tools.sh.

#include "editor/secondary_windows.h"
#include "support/fakes.h"
#include "tools/fetcher_window.h"
#include "tools/huepick_window.h"
#include "service/sheet_text.h"
#include "sheetfetch/sheetfetch_app.h"
#include "stylewright/network_module.h"
#include "stylewright/tool_windows.h"
#include "system/dbus_colour_portal.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {

// Shows a sampled colour without depending on what the display holds under the pointer.
class StillPixels final : public ScreenPixels {
public:
    bool canReadScreen() override { return true; }
    QPoint pointerPosition() override { return {200, 150}; }
    std::optional<Rgb> pixelAt(QPoint) override { return rgb(0x3A, 0x7B, 0xD5); }
};

// A screen no program may read, as in a Wayland session.
class SealedPixels final : public ScreenPixels {
public:
    bool canReadScreen() override { return false; }
    QPoint pointerPosition() override { return {}; }
    std::optional<Rgb> pixelAt(QPoint) override { return std::nullopt; }
};

// A fetch that never ends, to show the busy state.
class EndlessSource final : public SheetSource {
public:
    void setListener(Listener) override {}
    bool start(const QString &) override { return m_busy = true; }
    bool isBusy() const override { return m_busy; }
    void cancel() override { m_busy = false; }
    void setTimeout(std::chrono::milliseconds) override {}
    void setSizeLimit(qint64) override {}

private:
    bool m_busy = false;
};

// Photographs the message box that action brings up, then closes it.
bool shootBox(const std::function<void()> &action, const QString &file)
{
    bool saved = false;
    QTimer::singleShot(800, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        const QRect area = box->frameGeometry().adjusted(-24, -24, 24, 24);
        saved = box->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
        static_cast<QMessageBox *>(box)->accept();
    });
    action();
    QTest::qWait(1000); // for a box that comes after action has returned
    qInfo("%s: %s", qPrintable(file), saved ? "saved" : "NOT SAVED");
    return saved;
}

bool shootMessage(const QString &text, const QString &file)
{
    return shootBox([&text] { QtPrompts().inform(kErrorTitle, text); }, file);
}

bool shoot(QWidget *window, const QString &file)
{
    window->move(40, 40);
    window->show();
    window->raise();
    QTest::qWait(600);
    const QRect area = window->frameGeometry().adjusted(-24, -24, 24, 24);
    const QPixmap shot = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    window->hide();
    const bool saved = shot.save(file);
    qInfo("%s: %s", qPrintable(file), saved ? "saved" : "NOT SAVED");
    return saved;
}

const QString kSampleSheet = u"body{background:#10202f;color:#e0e0e0}/*导航栏*/#tab{font-size:12px}"
                             u"/*模块标题*/.modbox .title{color:#ffcc00;font-weight:bold}"_s;

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    testing::FakePrompts prompts;
    testing::FakeDesktop desktop;
    bool ok = true;

    HuePickWindow picker(std::make_unique<StillPixels>(), nullptr, prompts);
    picker.findChild<QPushButton *>(u"cmdget"_s)->click();
    picker.sample();
    ok &= shoot(&picker, out.filePath(u"huepick.png"_s));
    picker.close();

    // Where the screen cannot be read, the picker asks the desktop; here no desktop portal answers.
    QtPrompts boxes;
    HuePickWindow sealedPicker(std::make_unique<SealedPixels>(), std::make_unique<DBusColourPortal>(), boxes);
    ok &= shoot(&sealedPicker, out.filePath(u"huepick-desktop.png"_s));
    sealedPicker.show();
    ok &= shootBox([&] { sealedPicker.findChild<QPushButton *>(u"cmdget"_s)->click(); },
                   out.filePath(u"huepick-no-portal.png"_s));
    sealedPicker.close();

    SecondaryWindows windows;
    // As the editor installs it: a fetched sheet can be handed over, so "导入到编辑器" shows.
    installToolWindows(windows, QDir::tempPath(), prompts, desktop, loadNetworkSheetSource, [](const QString &) {});
    QWidget *fetcher = windows.open(Secondary::Fetcher);
    fetcher->findChild<QPlainTextEdit *>(u"txtcss"_s)->setPlainText(splitSheetLines(kSampleSheet));
    ok &= shoot(fetcher, out.filePath(u"fetcher-12px.png"_s));

    FetcherSetup busySetup;
    busySetup.makeSource = [](const QString &) { return std::make_unique<EndlessSource>(); };
    busySetup.programFolder = QDir::tempPath();
    FetcherWindow busy(busySetup, prompts);
    busy.findChild<QPushButton *>(u"cmdget"_s)->click();
    ok &= shoot(&busy, out.filePath(u"fetcher-busy.png"_s));

    ok &= shootMessage(refusedSaveText(u"http://s.moyan.test/a:b*c", kSpaceHostPrefix),
                       out.filePath(u"message-save-refused.png"_s));
    ok &= shootMessage(kFetchFailedText + u"\n连接超时", out.filePath(u"message-fetch-failed.png"_s));
    ok &= shootMessage(u"无法保存CSS文件："_s + u"/home/user/.local/share/stylewright/csscode/"_s + QString(90, u'a') +
                           u".txt",
                       out.filePath(u"message-long-path.png"_s));

    auto sheetfetch = createSheetfetchWindow(loadNetworkSheetSource, QDir::tempPath(), prompts, [] {});
    sheetfetch->findChild<QPlainTextEdit *>(u"txtcss"_s)->setPlainText(splitSheetLines(kSampleSheet));
    ok &= shoot(sheetfetch.get(), out.filePath(u"sheetfetch-24px.png"_s));
    sheetfetch->showAbout();
    ok &= shoot(sheetfetch->aboutWindow(), out.filePath(u"sheetfetch-about.png"_s));

    ok &= shoot(windows.open(Secondary::Tool), out.filePath(u"tool.png"_s));
    ok &= shoot(windows.open(Secondary::Connect), out.filePath(u"connect.png"_s));
    windows.closeAll();
    return ok ? 0 : 1;
}
