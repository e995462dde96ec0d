// Pointing at the preview, in one process with both windows: pointer move to outline shown,
// click in the page to the editor's field focused (through the preview's link, a pipe, and the
// editor's reading of it), and the whole contrast check. bench_pointing [runs, default 40]

#include "editor/field_jump.h"
#include "editor/main_window.h"
#include "editor/option_form.h"
#include "options/option_set.h"
#include "preview/preview_message.h"
#include "preview/preview_sheet.h"
#include "stylewright-preview/editor_link.h"
#include "stylewright-preview/engine_setup.h"
#include "stylewright-preview/page_pointing.h"
#include "stylewright-preview/preview_window.h"
#include "stylewright-preview/sample_page.h"
#include "stylewright-preview/text_check.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>
#include <QWebEngineView>
#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

using namespace stylewright;
using namespace stylewright::preview;

namespace {

QTextStream out(stdout);

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void row(const QString &what, const std::vector<double> &ms, double goalMs)
{
    const double m = median(ms);
    out << "| " << what << " | " << QString::number(m, 'f', 1) << " ms | "
        << QString::number(*std::max_element(ms.begin(), ms.end()), 'f', 1) << " ms | < " << goalMs << " ms | "
        << (m < goalMs ? "met" : "MISSED") << " |\n";
}

bool waitFor(const std::function<bool()> &done, int ms = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    }
    return true;
}

QVariant evaluate(SamplePage &page, const QString &script)
{
    std::optional<QVariant> result;
    page.evaluate(script, [&](const QVariant &v) { result = v; });
    waitFor([&] { return result.has_value(); });
    return result.value_or(QVariant());
}

QPoint pointIn(SamplePage &page, const char *selector)
{
    const QJsonObject r =
        QJsonDocument::fromJson(
            evaluate(page, QStringLiteral("(function () { var r = document.querySelector(%1).getBoundingClientRect();"
                                          "return JSON.stringify({x: r.left + r.width / 2, y: r.top + Math.min(5, "
                                          "r.height / 2)}); })()")
                               .arg(javaScriptString(QString::fromLatin1(selector))))
                .toString()
                .toUtf8())
            .object();
    return QPoint(qRound(r.value(u"x").toDouble()), qRound(r.value(u"y").toDouble()));
}

void mouse(QWidget *target, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

int main(int argc, char *argv[])
{
    prepareWebEngine();
    QApplication app(argc, argv);
    const int runs = std::max(5, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 40);
    QTemporaryDir folder;
    OptionSet record;
    QtPrompts prompts;
    QtDesktop desktop;
    QtColourDialog colours;
    MainWindow editor(record, folder.path(), prompts, desktop, colours);
    editor.show();

    int toPreview[2], fromPreview[2];
    if (::pipe(toPreview) != 0 || ::pipe(fromPreview) != 0)
        return 1;
    ::fcntl(fromPreview[0], F_SETFL, O_NONBLOCK);
    PreviewWindow preview;
    EditorLink link(preview, toPreview[0], fromPreview[1]);
    preview.resize(1100, 800);
    preview.show();
    // The editor's end, reading picks as the editor's process does.
    MessageReader reader;
    QSocketNotifier answers(fromPreview[0], QSocketNotifier::Read);
    QObject::connect(&answers, &QSocketNotifier::activated, [&] {
        char buffer[65536];
        for (ssize_t n; (n = ::read(fromPreview[0], buffer, sizeof buffer)) > 0;)
            reader.append(QByteArrayView(buffer, n));
        std::optional<PickMessage> pick;
        while (std::optional<Message> m = reader.next()) {
            if (auto *p = std::get_if<PickMessage>(&*m))
                pick = *p;
        }
        if (pick) {
            editor.raise();
            showFields(editor.form(), editor.tabs(), pick->options, pick->options.value(0));
        }
    });

    bool applied = false;
    QObject::connect(&preview.page(), &SamplePage::applied, [&] { applied = true; });
    preview.showSheet(sheetFor(record), 1);
    if (!waitFor([&] { return applied; }, 60000)) {
        out << "the page did not load" << Qt::endl;
        return 1;
    }
    preview.pointButton().setChecked(true);
    QWidget *target = preview.view().focusProxy();
    const QPoint nav = pointIn(preview.page(), "#tab a.on"), name = pointIn(preview.page(), "#header div.tit a"),
                 article = pointIn(preview.page(), "#m_blog div.cnt");

    std::vector<double> moves;
    int outlined = 0;
    QObject::connect(&preview.pointing(), &PagePointing::outlined, [&] { ++outlined; });
    for (int i = 0; i < runs; ++i) {
        const int before = outlined;
        QElapsedTimer timer;
        timer.start();
        mouse(target, QEvent::MouseMove, i % 2 ? nav : name);
        if (!waitFor([&] { return outlined > before; }))
            return 1;
        moves.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    std::vector<double> clicks;
    for (int i = 0; i < runs; ++i) {
        const QPoint at = i % 2 ? nav : article;
        const Option first = i % 2 ? Option::NavigationFontSize : Option::ArticleTextColour;
        QElapsedTimer timer;
        timer.start();
        mouse(target, QEvent::MouseButtonPress, at);
        mouse(target, QEvent::MouseButtonRelease, at);
        if (!waitFor([&] {
                QWidget *field = editor.form().widgetOf(first);
                // The window's own focus: offscreen, the preview window stays the active one.
                QWidget *focused = editor.focusWidget();
                return field && (focused == field || field->isAncestorOf(focused));
            }))
            return 1;
        clicks.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    std::vector<double> checks;
    for (int i = 0; i < runs; ++i) {
        bool done = false;
        QElapsedTimer timer;
        timer.start();
        checkTexts(preview.page(), [&](const Result<QList<TextFinding>> &) { done = true; });
        if (!waitFor([&] { return done; }))
            return 1;
        checks.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    out << "| step (" << runs << " runs) | median | slowest | goal | |\n|---|---|---|---|---|\n";
    row(QStringLiteral("pointer move to outline shown"), moves, 50);
    row(QStringLiteral("click in the page to the editor's field focused"), clicks, 150);
    row(QStringLiteral("whole contrast check of the sample page"), checks, 100);
    out.flush();
    return 0;
}
