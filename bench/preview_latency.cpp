// From an option change in the editor to the new sheet being in effect in the preview's page
// (the preview answers with the sheet's sequence number once its layout has taken it), with the
// real preview program: bench_preview_latency [changes, at least 10].

#include "options/option_set.h"
#include "platform/prompts.h"
#include "preview/live_preview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

class SilentPrompts final : public stylewright::Prompts {
public:
    bool askYesNo(const QString &, const QString &) override { return false; }
    void inform(const QString &, const QString &) override {}
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

void pump(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// Runs the event loop until the preview has answered for sequence, or for at most ms.
bool waitForApplied(const quint64 &applied, quint64 sequence, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (applied < sequence) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int changes = std::max(10, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50);
    stylewright::OptionSet options;
    SilentPrompts prompts;
    QWidget mainWindow;
    auto *preview =
        new stylewright::LivePreview(options, prompts, QStringLiteral(STYLEWRIGHT_PREVIEW_PROGRAM), &mainWindow);
    quint64 applied = 0;
    QObject::connect(preview, &stylewright::LivePreview::applied, [&](quint64 sequence) { applied = sequence; });
    QElapsedTimer start;
    start.start();
    preview->open();
    if (!waitForApplied(applied, 1, 60000)) {
        out << "the preview program did not answer" << Qt::endl;
        return 1;
    }
    const double firstMs = double(start.elapsed());

    std::vector<double> ms;
    for (int i = 0; i < changes; ++i) {
        QElapsedTimer timer;
        timer.start();
        options.setValue(stylewright::Option::PageBackgroundColour,
                         QStringLiteral("%1").arg(0x100000 + i * 0x1357, 6, 16, QLatin1Char('0')));
        if (!waitForApplied(applied, quint64(i) + 2, 10000)) {
            out << "the preview stopped answering" << Qt::endl;
            return 1;
        }
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        pump(30); // one edit at a time, as a user makes them
    }
    const double median = percentile(ms, 0.5);
    out << "| preview program start to first sheet in effect | " << QString::number(firstMs, 'f', 0) << " ms | | |"
        << Qt::endl;
    out << "| option change to style in effect in the preview (median of " << changes << ") | "
        << QString::number(median, 'f', 1) << " ms | < 100 ms | " << (median < 100 ? "met" : "MISSED") << " |"
        << Qt::endl;
    out << "| option change to style in effect in the preview (90th percentile) | "
        << QString::number(percentile(ms, 0.9), 'f', 1) << " ms | | |" << Qt::endl;
    delete preview; // closes the program
    return 0;
}
