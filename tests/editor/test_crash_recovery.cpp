// A real crash: a child editor is killed with SIGKILL, and the next start offers back what it
// had, never more than two seconds behind and never a damaged file.

#include "crash_edits.h"
#include "editor/edit_history.h"
#include "options/recovery_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kLossBoundMs = 2000;

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
    void aKillAtAnyMomentLosesAtMostTwoSeconds();
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
    QByteArray said;
    while (!said.contains("edited\n") && child.waitForReadyRead(30000))
        said += child.readAllStandardOutput();
    QVERIFY(said.contains("edited\n"));
    QTest::qWait(kLossBoundMs);
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

void TestCrashRecovery::aKillAtAnyMomentLosesAtMostTwoSeconds()
{
    for (int killAfter : {150, 1000, 1700, 2600, 3900}) {
        killAfter += QRandomGenerator::global()->bounded(200);
        QTemporaryDir dir;
        QProcess child;
        startDriver(child, dir.path(), u"churn"_s);
        // When each change was heard of; it was made no later than that.
        QList<QPair<qint64, int>> heard;
        QElapsedTimer clock;
        QByteArray pending;
        while (!clock.isValid() || clock.elapsed() < killAfter) {
            child.waitForReadyRead(10);
            pending += child.readAllStandardOutput();
            qsizetype end = 0;
            while ((end = pending.indexOf('\n')) >= 0) {
                if (!clock.isValid())
                    clock.start(); // from the first change on
                heard.append({clock.elapsed(), pending.mid(4, end - 4).toInt()});
                pending.remove(0, end + 1);
            }
        }
        const qint64 killedAt = clock.elapsed();
        killHard(child);

        int mustHave = 0; // the last change heard of at least two seconds before the kill
        for (const auto &[at, seq] : std::as_const(heard)) {
            if (at <= killedAt - kLossBoundMs)
                mustHave = seq;
        }
        if (killedAt > kLossBoundMs + 300)
            QVERIFY(mustHave > 0); // the round asks something of the file
        const QString path = recoveryPath(dir.path());
        const QByteArray round = "killed after " + QByteArray::number(killedAt) + " ms";
        if (!QFile::exists(path)) {
            QVERIFY2(mustHave == 0, round.constData());
            continue;
        }
        const Result<OptionSet> recovered = readRecovery(path);
        QVERIFY2(recovered.ok(), round.constData()); // never a damaged file
        const int seq = recovered->value(Option::PagePicture).mid(4).toInt();
        const QByteArray why = round + ": has " + QByteArray::number(seq) + ", needs " + QByteArray::number(mustHave);
        QVERIFY2(seq >= mustHave, why.constData());
    }
}

QTEST_MAIN(TestCrashRecovery)
#include "test_crash_recovery.moc"
