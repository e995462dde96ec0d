// Times one autosave of the worst-case record, part by part, and counts autosaves while nothing
// changes: bench_autosave [idle seconds, default 3]

#include "base/atomic_file.h"
#include "editor/autosave.h"
#include "options/catalogue.h"
#include "options/option_set.h"
#include "options/recovery_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace stylewright;

namespace {

QTextStream out(stdout);

double medianMicros(const std::function<void()> &work, int runs)
{
    std::vector<double> samples;
    work(); // warm up
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        samples.push_back(double(t.nsecsElapsed()) / 1e3);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void row(const QString &what, const QString &value, const QString &goal, bool met)
{
    out << "| " << what << " | " << value << " | " << goal << " | " << (met ? "met" : "MISSED") << " |\n";
}

void timeRow(const QString &what, double micros, const QString &goal, double goalMicros)
{
    const QString value = micros >= 1000 ? QString::number(micros / 1000, 'f', 2) + QStringLiteral(" ms")
                                         : QString::number(micros, 'f', 2) + QStringLiteral(" µs");
    row(what, value, goal, goalMicros <= 0 || micros < goalMicros);
}

// Every box ticked and 1,000-character texts everywhere else.
OptionSet worstCase()
{
    OptionSet o;
    for (const OptionDef &def : options())
        o.setValue(def.option, def.kind == OptionKind::Check ? QStringLiteral("1") : QString(1000, u'字'));
    return o;
}

// Runs the event loop until the autosave has written once, or for `ms` at most.
void runUntilWritten(Autosave &autosave, int ms)
{
    QEventLoop loop;
    QObject::connect(&autosave, &Autosave::written, &loop, &QEventLoop::quit);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int idleSeconds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;
    out << "| measurement | median | goal | |\n|---|---|---|---|\n";
    const OptionSet worst = worstCase();
    const OptionSet defaults;
    QTemporaryDir dir(QStringLiteral("bench-XXXXXX")); // on disk beside the program, not in memory
    const QString path = recoveryPath(dir.path());

    // What the UI thread does per autosave: copy the record and hand it to the writing thread.
    QThreadPool writer;
    writer.setMaxThreadCount(1);
    const double handOff = medianMicros(
        [&] {
            auto snapshot = std::make_shared<const OptionSet>(worst);
            writer.start([snapshot] {});
        },
        200);
    writer.waitForDone();
    timeRow(QStringLiteral("autosave, UI thread's share: copy and hand off the record (worst case)"), handOff,
            QStringLiteral("< 2 ms"), 2000);
    const QByteArray bytes = recoveryBytes(worst);
    const double build = medianMicros([&] { (void)recoveryBytes(worst); }, 50);
    timeRow(QStringLiteral("autosave, writing thread: build the file (worst case, %1 KiB)").arg(bytes.size() / 1024),
            build, QStringLiteral("< 2 ms"), 2000);
    for (const auto &[name, record] : {std::pair{"worst case", &worst}, std::pair{"defaults", &defaults}}) {
        const double whole = medianMicros([&] { (void)writeRecovery(path, *record); }, 15);
        timeRow(QStringLiteral("autosave, writing thread: one whole write, synced to disk (%1)")
                    .arg(QString::fromLatin1(name)),
                whole, QStringLiteral("< 2 ms"), 2000);
    }
    const QString tiny = dir.filePath(QStringLiteral("tiny"));
    const double floor = medianMicros([&] { (void)replaceFileAtomically(tiny, QByteArrayLiteral("x")); }, 15);
    timeRow(QStringLiteral("the disk's floor: replace a 1-byte file, synced"), floor, QStringLiteral("(for reference)"),
            0);

    // One change, its write, then nothing: no further autosave however long it stays so.
    OptionSet record(worst);
    Autosave autosave(record, path);
    QElapsedTimer sinceChange;
    sinceChange.start();
    record.setValue(Option::HeaderHeight, QStringLiteral("1"));
    runUntilWritten(autosave, 5000);
    const qint64 firstWrite = sinceChange.elapsed();
    row(QStringLiteral("first autosave after a change"), QString::number(firstWrite) + QStringLiteral(" ms"),
        QStringLiteral("< 2000 ms"), autosave.writesDone() == 1 && firstWrite < 2000);
    const int before = autosave.writesDone();
    runUntilWritten(autosave, idleSeconds * 1000);
    const int idleWrites = autosave.writesDone() - before;
    row(QStringLiteral("autosaves in %1 s with nothing changing").arg(idleSeconds), QString::number(idleWrites),
        QStringLiteral("0"), idleWrites == 0);
    return 0;
}
