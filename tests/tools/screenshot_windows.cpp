// Shows each companion window on a real display and saves a picture of the screen around it, so
// rounded corners, title rows and Chinese captions can be looked at. Run under Xvfb by
// scripts/screenshot-tools.sh.

#include "editor/secondary_windows.h"
#include "support/fakes.h"
#include "tools/fetcher_window.h"
#include "tools/huepick_window.h"
#include "service/sheet_text.h"
#include "tools/sheetfetch_app.h"
#include "stylewright/network_module.h"
#include "stylewright/tool_windows.h"

#include <QApplication>
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

    SecondaryWindows windows;
    installToolWindows(windows, QDir::tempPath(), prompts, desktop, loadNetworkSheetSource);
    QWidget *fetcher = windows.open(Secondary::Fetcher);
    fetcher->findChild<QPlainTextEdit *>(u"txtcss"_s)->setPlainText(splitSheetLines(kSampleSheet));
    ok &= shoot(fetcher, out.filePath(u"fetcher-12px.png"_s));

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
