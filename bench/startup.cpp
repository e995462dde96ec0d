// Starts the editor and the bare window alternately, each until its window has painted and its
// event loop is idle, and prints the median times: bench_startup [runs per program, at least 10]
// [the ratio an earlier build gave, to hold this one to].

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct Start {
    double ms;      // from starting the program until it reports
    double peakMiB; // its peak resident memory until then
};

// One start of the program, or nothing when it failed.
std::optional<Start> startOnce(const QString &program)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    QByteArray said;
    while (process.waitForReadyRead(30000)) {
        said += process.readAll();
        if (said.contains("ready") && said.endsWith('\n')) {
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            process.waitForFinished(30000);
            const double peakKiB = said.mid(said.indexOf("ready") + 6).trimmed().toDouble();
            return Start{ms, peakKiB / 1024};
        }
    }
    process.kill();
    process.waitForFinished();
    return std::nullopt;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = std::max(10, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 25);
    // The ratio an earlier build gave in the same session: the editor may not start more than 5%
    // slower against the bare window than it did then.
    const double baseline = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 0;
    const QString editor = QStringLiteral(STYLEWRIGHT_BENCH_EDITOR);
    const QString bare = QStringLiteral(STYLEWRIGHT_BENCH_BARE);

    startOnce(editor); // warm the file cache for both
    startOnce(bare);
    std::vector<double> editorMs, bareMs, ratios, editorPeak, barePeak;
    for (int i = 0; i < runs; ++i) {
        const std::optional<Start> e = startOnce(editor);
        const std::optional<Start> b = startOnce(bare);
        if (!e || !b) {
            out << "a program did not report that it was ready" << Qt::endl;
            return 1;
        }
        editorMs.push_back(e->ms);
        bareMs.push_back(b->ms);
        ratios.push_back(e->ms / b->ms);
        editorPeak.push_back(e->peakMiB);
        barePeak.push_back(b->peakMiB);
    }
    // Font set-up time varies a lot from one start to the next and both programs pay it, so the
    // ratio is taken pair by pair, each editor start against the bare start right after it.
    const double e = median(editorMs), b = median(bareMs), ratio = median(ratios);
    const double ePeak = median(editorPeak), bPeak = median(barePeak);
    // Rows that continue the table the core benchmark starts.
    out << "| start-up to idle, stylewright (median of " << runs << ") | " << QString::number(e, 'f', 1) << " ms | | |"
        << Qt::endl;
    out << "| start-up to idle, bare eleven-tab window | " << QString::number(b, 'f', 1) << " ms | | |" << Qt::endl;
    out << "| start-up ratio (median of the pairs) | " << QString::number(ratio, 'f', 2) << "× | ";
    if (baseline > 0)
        out << "≤ " << QString::number(baseline * 1.05, 'f', 2) << "× | "
            << (ratio <= baseline * 1.05 ? "met" : "MISSED");
    else
        out << "within 5% of an earlier build's (give it as the second argument) | ";
    out << " |" << Qt::endl;
    out << "| peak memory at idle, stylewright | " << QString::number(ePeak, 'f', 1) << " MiB | | |" << Qt::endl;
    out << "| peak memory at idle, bare window | " << QString::number(bPeak, 'f', 1) << " MiB | | |" << Qt::endl;
    out << "| peak memory above the bare window | " << QString::number(ePeak - bPeak, 'f', 1) << " MiB | ≤ 3 MiB | "
        << (ePeak - bPeak <= 3 ? "met" : "MISSED") << " |" << Qt::endl;
    return 0;
}
