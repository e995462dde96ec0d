// The look gallery's figures: opening it with every picture cached, drawing the built-in
// pictures from nothing in one preview run (and the editor's longest stall meanwhile), and
// putting a look into the editor, preview excluded.
// usage: bench_looks [runs, default 9]

#include "editor/main_window.h"
#include "looks/look_gallery.h"
#include "looks/look_pictures.h"
#include "options/option_set.h"
#include "stylewright/look_gallery_button.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

using namespace stylewright;

namespace {

QTextStream out(stdout);

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void row(const QString &what, double ms, const QString &goal, double goalMs)
{
    out << "| " << what << " | " << QString::number(ms, 'f', 1) << " ms | " << goal << " | "
        << (ms < goalMs ? "met" : "MISSED") << " |" << Qt::endl;
}

// Runs the event loop until done() holds, measuring the longest time between two turns of it.
double longestStall(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer total, gap;
    total.start();
    gap.start();
    double longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, double(gap.nsecsElapsed()) / 1e6);
        gap.restart();
    });
    tick.start();
    while (!done() && total.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return longest;
}

// The gallery shown and painted once.
double openGallery(const OptionSet &options, const QString &folder, Prompts &prompts)
{
    QElapsedTimer t;
    t.start();
    LookGallery gallery(options, folder, QStringLiteral(STYLEWRIGHT_PREVIEW_PROGRAM), prompts, [](const Look &) {});
    gallery.show();
    gallery.repaint();
    gallery.cards()->viewport()->repaint();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QTemporaryDir data;
    QtPrompts prompts;
    OptionSet options;

    out << "| figure | value | goal | |\n|---|---|---|---|" << Qt::endl;
    {
        // From nothing: one preview run for all, the window answering meanwhile.
        QElapsedTimer t;
        t.start();
        LookGallery gallery(options, data.path(), QStringLiteral(STYLEWRIGHT_PREVIEW_PROGRAM), prompts,
                            [](const Look &) {});
        gallery.show();
        bool ended = false;
        QObject::connect(&gallery.pictures(), &LookPictures::runEnded, [&] { ended = true; });
        const auto allCopied = [&] {
            return std::none_of(gallery.looks().cbegin(), gallery.looks().cend(), [&](const Look &look) {
                return gallery.pictures().isWaiting(pictureKey(look.settings));
            });
        };
        const double stall = longestStall([&] { return ended && allCopied(); }, 60000);
        const double drawn = double(t.nsecsElapsed()) / 1e6;
        int pictures = 0;
        for (const Look &look : gallery.looks())
            pictures += gallery.pictures().isDrawn(pictureKey(look.settings));
        row(QStringLiteral("drawing %1 pictures from nothing, one preview run").arg(pictures), drawn,
            QStringLiteral("< 5000 ms"), 5000);
        row(QStringLiteral("longest event-loop stall meanwhile"), stall, QStringLiteral("< 50 ms"), 50);
    }
    std::vector<double> opened;
    for (int i = 0; i < runs; ++i)
        opened.push_back(openGallery(options, data.path(), prompts));
    row(QStringLiteral("opening the gallery, every picture cached (median of %1)").arg(runs), median(opened),
        QStringLiteral("< 150 ms"), 150);

    QtColourDialog colours;
    QtDesktop desktop;
    MainWindow window(options, data.path(), prompts, desktop, colours);
    window.show();
    QCoreApplication::processEvents();
    const QList<Look> looks = builtInLooks();
    std::vector<double> applied;
    for (int i = 0; i < runs * 2; ++i) {
        QElapsedTimer t;
        t.start();
        useLook(window, looks[i % looks.size()]);
        QCoreApplication::processEvents(); // the marks and whatever else follows a change
        applied.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    row(QStringLiteral("using a look in the editor, preview excluded (median of %1)").arg(applied.size()),
        median(applied), QStringLiteral("< 20 ms"), 20);
    return 0;
}
