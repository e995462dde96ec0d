// A real crash: a child editor is killed with SIGKILL, and the next start offers back what it
// had last written, never a damaged file. (How soon after a change it writes is the autosave
// test's, on a clock of its own.)

#include "crash_edits.h"
#include "editor/edit_history.h"
#include "options/recovery_file.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QString driver()
{
    return QCoreApplication::applicationDirPath() + u"/crash_driver"_s;
}

void startDriver(QProcess &child, const QString &folder, const QString &mode)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    // The killed child cannot remove its own temporary folders; inside ours, they go with it.
    const QString temporary = folder + u"/tmp"_s;
    QVERIFY(QDir().mkpath(temporary));
    env.insert(u"TMPDIR"_s, temporary);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(driver(), {folder, mode});
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
}

// The child's next line, without its line feed; empty when it says nothing for 30 s.
QByteArray nextLine(QProcess &child, QByteArray &pending)
{
    qsizetype end = 0;
    while ((end = pending.indexOf('\n')) < 0) {
        if (!child.waitForReadyRead(30000))
            return {};
        pending += child.readAllStandardOutput();
    }
    const QByteArray line = pending.first(end);
    pending.remove(0, end + 1);
    return line;
}

void killHard(QProcess &child)
{
    child.kill(); // SIGKILL: nothing in the child runs after it
    QVERIFY(child.waitForFinished(5000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
}

} // namespace

class TestCrashRecovery : public QObject {
    Q_OBJECT
private slots:
    void killedEditsAreOfferedBack();
    void aKillAtAnyMomentLeavesTheLastWriteWhole();
};

void TestCrashRecovery::killedEditsAreOfferedBack()
{
    RecordState expected;
    {
        Editor same;
        makeCrashEdits(same);
        expected = stateOf(same.record);
    }
    QTemporaryDir dir;
    QProcess child;
    startDriver(child, dir.path(), u"edit"_s);
    QByteArray pending;
    QCOMPARE(nextLine(child, pending), "edited");
    QCOMPARE(nextLine(child, pending), "saved");
    killHard(child);

    Editor next(dir.path());
    next.prompts.answers = {true};
    next.window.offerRecovery();
    QCOMPARE(next.prompts.shown.size(), 1);
    QVERIFY(next.prompts.shown[0].question);
    QVERIFY(stateOf(next.record) == expected);
    QVERIFY(stateOf(next.record) != stateOf(OptionSet()));
    next.window.history().undo(); // brought back as one step
    QVERIFY(stateOf(next.record) == stateOf(OptionSet()));
}

void TestCrashRecovery::aKillAtAnyMomentLeavesTheLastWriteWhole()
{
    // Killed after some writes and some changes past the last: while it waits, or while it writes.
    const std::pair<int, int> rounds[] = {{1, 0}, {1, 2}, {2, 1}, {3, 4}, {4, 0}};
    for (auto [writes, changes] : rounds) {
        changes += QRandomGenerator::global()->bounded(4);
        QTemporaryDir dir;
        QProcess child;
        startDriver(child, dir.path(), u"churn"_s);
        QByteArray pending;
        int lastSaved = 0;
        int seen = 0;
        for (int heardWrites = 0; heardWrites < writes || seen < changes;) {
            const QByteArray line = nextLine(child, pending);
            QVERIFY2(line.startsWith("seq ") || line.startsWith("saved "), line.constData());
            if (line.startsWith("saved ")) {
                lastSaved = line.mid(6).toInt();
                ++heardWrites;
                seen = 0;
            } else if (heardWrites >= writes) {
                ++seen;
            }
        }
        killHard(child);

        const QByteArray round = QByteArray::number(writes) + " writes and " + QByteArray::number(changes) + " changes";
        QVERIFY2(lastSaved > 0, round.constData());
        const Result<OptionSet> recovered = readRecovery(recoveryPath(dir.path()));
        QVERIFY2(recovered.ok(), round.constData()); // never a damaged file
        const int seq = recovered->value(Option::PagePicture).mid(4).toInt();
        const QByteArray why = round + ": has " + QByteArray::number(seq) + ", wrote " + QByteArray::number(lastSaved);
        QVERIFY2(seq >= lastSaved, why.constData());
    }
}

QTEST_MAIN(TestCrashRecovery)
#include "test_crash_recovery.moc"
