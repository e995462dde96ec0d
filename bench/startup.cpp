// Starts the editor and the bare window alternately, each until its window has painted and its
// event loop is idle, and prints the median times: bench_startup [runs per program, at least 10].

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Milliseconds from starting the program until it reports, or nothing when it failed.
std::optional<double> startOnce(const QString &program)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    while (process.waitForReadyRead(30000)) {
        if (process.readAll().contains("ready")) {
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            process.waitForFinished(30000);
            return ms;
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
    const int runs = std::max(10, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15);
    const QDir here(QCoreApplication::applicationDirPath());
    const QString editor = here.filePath(QStringLiteral("bench_start_editor"));
    const QString bare = here.filePath(QStringLiteral("bench_start_bare"));

    startOnce(editor); // warm the file cache for both
    startOnce(bare);
    std::vector<double> editorMs, bareMs;
    for (int i = 0; i < runs; ++i) {
        const std::optional<double> e = startOnce(editor);
        const std::optional<double> b = startOnce(bare);
        if (!e || !b) {
            out << "a program did not report that it was ready" << Qt::endl;
            return 1;
        }
        editorMs.push_back(*e);
        bareMs.push_back(*b);
    }
    const double e = median(editorMs), b = median(bareMs);
    // Rows that continue the table the core benchmark starts.
    out << "| start-up to idle, stylewright (median of " << runs << ") | " << QString::number(e, 'f', 1) << " ms | | |"
        << Qt::endl;
    out << "| start-up to idle, bare eleven-tab window | " << QString::number(b, 'f', 1) << " ms | | |" << Qt::endl;
    out << "| start-up ratio | " << QString::number(e / b, 'f', 2) << "× | ≤ 1.5× | "
        << (e / b <= 1.5 ? "met" : "MISSED") << " |" << Qt::endl;
    return 0;
}
