// Starts the editor and the bare window alternately, each until its window has painted and its
// event loop is idle, and prints the median times:
//   bench_startup [runs per program, at least 10] [an earlier build's bench_start_editor | its ratio]
// Given an earlier build's editor, it starts that one too, in turn with the others, and holds this
// build to it against the same bare window; given a ratio, to that.

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

// The table's rows for one editor against the bare window, pair by pair.
struct Figures {
    std::vector<double> ms, ratios, peakMiB;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = std::max(10, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 25);
    const QString second = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    bool isRatio = false;
    const double givenRatio = second.toDouble(&isRatio);
    const QString earlier = isRatio ? QString() : second;
    const QString editor = QStringLiteral(STYLEWRIGHT_BENCH_EDITOR);
    const QString bare = QStringLiteral(STYLEWRIGHT_BENCH_BARE);

    QStringList editors{editor};
    if (!earlier.isEmpty())
        editors << earlier;
    for (const QString &program : editors + QStringList{bare}) // warm the file cache for all
        startOnce(program);
    std::vector<Figures> figures(editors.size());
    std::vector<double> bareMs, barePeak;
    for (int i = 0; i < runs; ++i) {
        // The two editors take turns at going first, so that neither is always the one started
        // right before the bare window.
        std::vector<Start> starts(editors.size());
        for (qsizetype n = 0; n < editors.size(); ++n) {
            const qsizetype k = (n + i) % editors.size();
            const std::optional<Start> e = startOnce(editors[k]);
            if (!e) {
                out << "a program did not report that it was ready: " << editors[k] << Qt::endl;
                return 1;
            }
            starts[size_t(k)] = *e;
        }
        const std::optional<Start> b = startOnce(bare);
        if (!b) {
            out << "the bare window did not report that it was ready" << Qt::endl;
            return 1;
        }
        bareMs.push_back(b->ms);
        barePeak.push_back(b->peakMiB);
        // Font set-up time varies a lot from one start to the next and every program pays it, so
        // the ratio is taken pair by pair, each editor start against the bare start of its round.
        for (size_t k = 0; k < starts.size(); ++k) {
            figures[k].ms.push_back(starts[k].ms);
            figures[k].ratios.push_back(starts[k].ms / b->ms);
            figures[k].peakMiB.push_back(starts[k].peakMiB);
        }
    }
    const double b = median(bareMs), bPeak = median(barePeak);
    const double ratio = median(figures[0].ratios), ePeak = median(figures[0].peakMiB);
    const double baseline = earlier.isEmpty() ? (isRatio ? givenRatio : 0) : median(figures[1].ratios);
    const auto ms = [](double v) -> QString { return QString::number(v, 'f', 1) + QStringLiteral(" ms"); };
    // Rows that continue the table the core benchmark starts.
    out << "| start-up to idle, stylewright (median of " << runs << ") | " << ms(median(figures[0].ms)) << " | | |"
        << Qt::endl;
    if (!earlier.isEmpty())
        out << "| start-up to idle, the earlier build's stylewright | " << ms(median(figures[1].ms)) << " | | |"
            << Qt::endl;
    out << "| start-up to idle, bare eleven-tab window | " << ms(b) << " | | |" << Qt::endl;
    if (!earlier.isEmpty())
        out << "| the earlier build's start-up ratio (median of the pairs) | " << QString::number(baseline, 'f', 2)
            << "× | | |" << Qt::endl;
    out << "| start-up ratio (median of the pairs) | " << QString::number(ratio, 'f', 2) << "× | ";
    if (baseline > 0)
        out << "≤ " << QString::number(baseline * 1.05, 'f', 2) << "× | "
            << (ratio <= baseline * 1.05 ? "met" : "MISSED");
    else
        out << "within 5% of an earlier build's (give its bench_start_editor or ratio as the second argument) | ";
    out << " |" << Qt::endl;
    out << "| peak memory at idle, stylewright | " << QString::number(ePeak, 'f', 1) << " MiB | | |" << Qt::endl;
    out << "| peak memory at idle, bare window | " << QString::number(bPeak, 'f', 1) << " MiB | | |" << Qt::endl;
    out << "| peak memory above the bare window | " << QString::number(ePeak - bPeak, 'f', 1) << " MiB | ≤ 3 MiB | "
        << (ePeak - bPeak <= 3 ? "met" : "MISSED") << " |" << Qt::endl;
    return 0;
}
