#include "stylewright-preview/check_command.h"

#include "stylewright-preview/engine_setup.h"
#include "stylewright-preview/sample_page.h"
#include "stylewright-preview/text_check.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>

namespace stylewright {
namespace {

using namespace std::chrono_literals;

constexpr auto kGiveUpAfter = 60s;    // the page never loading is a fault, not a slow machine
constexpr QSize kPageSize(1024, 768); // the page is laid out as the picture's default size draws it

} // namespace

int runCheck(int argc, char *argv[], const QString &css)
{
    // The check needs no screen, so a script on a machine without one can run it too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine();
    QApplication app(argc, argv);
    QWebEngineView view;
    auto *page = new SamplePage(&view);
    view.setPage(page);
    view.resize(kPageSize);
    view.show();

    QTextStream out(stdout);
    QTextStream err(stderr);
    QTimer::singleShot(kGiveUpAfter, &app, [&] {
        err << "stylewright-preview: 示例页面没有加载完成，无法检查。" << Qt::endl;
        QCoreApplication::exit(3);
    });
    QObject::connect(page, &SamplePage::applied, &app, [&] {
        checkTexts(*page, [&](const Result<QList<TextFinding>> &findings) {
            if (!findings) {
                err << "stylewright-preview: " << findings.failure().message << Qt::endl;
                QCoreApplication::exit(3);
                return;
            }
            bool below = false;
            for (const TextFinding &finding : *findings) {
                out << findingLine(finding) << '\n';
                below = below || finding.readability == Readability::HardToRead;
            }
            out.flush();
            QCoreApplication::exit(below ? 1 : 0);
        });
    });
    page->applyCss(css, 1);
    return app.exec();
}

} // namespace stylewright
