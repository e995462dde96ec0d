#include "stylewright-preview/png_export.h"

#include "stylewright-preview/sample_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTextStream>
#include <QTimer>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>
#include <optional>

namespace stylewright {
namespace {

using namespace std::chrono_literals;

constexpr auto kGiveUpAfter = 60s;  // the page never loading is a fault, not a slow network
constexpr auto kPicturesWait = 10s; // a picture that has not come by then is drawn as missing
constexpr auto kPollEvery = 50ms;

// Starts loading every picture the sheet names and counts the ones still coming; two frames
// must also pass so that the page is drawn with what came.
constexpr QStringView kWatchPictures =
    u"(function () {"
    u"  var names = new Set();"
    u"  document.querySelectorAll('*').forEach(function (e) {"
    u"    var re = /url\\(\"([^\"]*)\"\\)/g, m, bg = getComputedStyle(e).backgroundImage;"
    u"    while ((m = re.exec(bg))) names.add(m[1]);"
    u"  });"
    u"  window.stylewrightWaiting = names.size + 1;"
    u"  var done = function () { window.stylewrightWaiting--; };"
    u"  names.forEach(function (name) { var i = new Image(); i.onload = i.onerror = done; i.src = name; });"
    u"  requestAnimationFrame(function () { requestAnimationFrame(done); });"
    u"  return names.size;"
    u"})()";

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Runs the event loop until ready() holds or the time is up; false when the time ran out.
bool waitUntil(const std::function<bool()> &ready, std::chrono::milliseconds limit)
{
    QElapsedTimer timer;
    timer.start();
    while (!ready()) {
        if (timer.elapsed() > limit.count())
            return false;
        QEventLoop loop;
        QTimer::singleShot(kPollEvery, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// How many pictures the page still waits for, or nothing when it does not answer.
std::optional<int> picturesLeft(SamplePage &page)
{
    auto left = std::make_shared<std::optional<int>>(); // the answer may come after we gave up
    page.evaluate(QStringLiteral("window.stylewrightWaiting"), [left](const QVariant &n) { *left = n.toInt(); });
    if (!waitUntil([&] { return left->has_value(); }, kGiveUpAfter))
        return std::nullopt;
    return **left;
}

// Waits for the pictures the sheet names, or for kPicturesWait.
void waitForPictures(SamplePage &page)
{
    page.evaluate(kWatchPictures.toString(), [](const QVariant &) {}); // scripts run in order: before the count
    waitUntil(
        [&] {
            const std::optional<int> left = picturesLeft(page);
            return !left || *left <= 0;
        },
        kPicturesWait);
}

} // namespace

int exportPictures(const QList<PictureOrder> &orders, const QSize &size,
                   const std::function<void(const QString &path)> &saved)
{
    QWebEngineView view;
    auto *page = new SamplePage(&view);
    page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false); // a picture, not a window
    view.setPage(page);
    view.resize(size);
    view.show();

    quint64 applied = 0;
    QObject::connect(page, &SamplePage::applied, &view, [&](quint64 sequence) { applied = sequence; });
    int status = 0;
    quint64 sequence = 0;
    // One page for all: only the sheet changes between pictures, so the engine starts once.
    for (const PictureOrder &order : orders) {
        page->applyCss(order.css, ++sequence);
        if (!waitUntil([&] { return applied == sequence; }, kGiveUpAfter)) {
            err() << "stylewright-preview: 示例页面没有加载完成，图片没有生成。" << Qt::endl;
            return 1;
        }
        waitForPictures(*page);
        const QImage picture = view.grab().toImage();
        if (picture.isNull() || !picture.save(order.path, "PNG")) {
            err() << "stylewright-preview: 无法写入图片文件“" << QDir::toNativeSeparators(order.path) << "”。"
                  << Qt::endl;
            status = 1;
            continue;
        }
        saved(order.path);
    }
    return status;
}

} // namespace stylewright
