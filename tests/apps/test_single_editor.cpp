// One editor per data folder, with the real program for the other starts: a later start brings
// the running editor to the front and ends, a killed editor's lock is taken over with its
// autosave still offered, another editor's live autosave is never offered, and a folder where no
// lock can be made still gets a window, without autosave.

#include "editor/autosave.h"
#include "editor/edit_safety.h"
#include "editor/recovery_offer.h"
#include "network/hand_over.h"
#include "options/recovery_file.h"
#include "stylewright/editor_start.h"
#include "stylewright/folder_claim.h"
#include "support/helpers.h"
#include "support/read_only_path.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kWaitMs = 30000;

// The process that holds a folder's lock, as its lock file says.
qint64 lockHolder(const QString &folder)
{
    QFile lock(folderLockPath(folder));
    return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
}

// Answers every message box shown while it lives with `yes`, keeping what each said.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(bool yes) : m_yes(yes)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            said.append(box->text().remove(QChar(0x200B)));
            if (QAbstractButton *answer = box->button(m_yes ? QMessageBox::Yes : QMessageBox::No))
                answer->click();
            else
                box->accept();
        });
        m_timer.start(20);
    }
    QStringList said;

private:
    QTimer m_timer;
    bool m_yes;
};

} // namespace

class TestSingleEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void laterStartRaisesTheRunningEditor();
    void killedEditorsLockIsTakenOver();
    void runningEditorsAutosaveIsNotOffered();
    void readOnlyFolderStartsWithoutAutosave();
    void silentHolderDoesNotHoldUpTheStart();
    void garbageOnTheSocketChangesNothing();

private:
    // A real program on `folder`, without a display; arguments go before --data-dir.
    QProcess *start(const QString &folder, const QStringList &arguments = {},
                    const QString &program = QStringLiteral(STYLEWRIGHT_PROGRAM));
    // Waits (serving this process's own editor meanwhile) until it ends by itself.
    static bool endsByItself(QProcess *process);
    static EditorStart open(const QString &folder) { return openEditor({QStringLiteral(NETWORK_MODULE_DIR), folder}); }

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

void TestSingleEditor::initTestCase()
{
    // The sockets of this run's editors, the test's own and the programs', in a folder of its own.
    const QString runtime = m_dir.filePath(u"run"_s);
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
}

void TestSingleEditor::cleanup()
{
    for (const auto &process : m_processes) {
        process->kill();
        process->waitForFinished();
    }
    m_processes.clear();
}

QProcess *TestSingleEditor::start(const QString &folder, const QStringList &arguments, const QString &program)
{
    auto *process = m_processes.emplace_back(std::make_unique<QProcess>()).get();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"XDG_DATA_HOME"_s, m_dir.filePath(u"home-data"_s));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(program, arguments + QStringList{u"--data-dir"_s, folder});
    return process;
}

bool TestSingleEditor::endsByItself(QProcess *process)
{
    return QTest::qWaitFor([process] { return process->state() == QProcess::NotRunning; }, kWaitMs) &&
           process->exitStatus() == QProcess::NormalExit;
}

void TestSingleEditor::laterStartRaisesTheRunningEditor()
{
    QTemporaryDir data;
    const EditorStart first = open(data.path());
    QVERIFY(first.editor && first.editor->holdsFolder());
    QCOMPARE(lockHolder(data.path()), QCoreApplication::applicationPid());
    MainWindow &window = first.editor->window();
    window.showMinimized();

    // With Qt's own options too, whose values are no arguments of the program's.
    QProcess *later = start(data.path(), {u"-platform"_s, u"offscreen"_s, u"-style"_s, u"fusion"_s});
    QVERIFY(endsByItself(later));
    QCOMPARE(later->exitCode(), 0);
    QTRY_VERIFY(!window.isMinimized());
    QCOMPARE(lockHolder(data.path()), QCoreApplication::applicationPid());

    // Another folder has an editor of its own; the fetcher never asks.
    QTemporaryDir other;
    QProcess *elsewhere = start(other.path());
    QProcess *fetcher = start(data.path(), {}, QStringLiteral(SHEETFETCH_PROGRAM));
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(other.path()), elsewhere->processId(), kWaitMs);
    QVERIFY(fetcher->waitForStarted());
    QVERIFY(endsByItself(start(other.path()))); // handed over to the editor there
    QCOMPARE(elsewhere->state(), QProcess::Running);
    QCOMPARE(fetcher->state(), QProcess::Running);
}

void TestSingleEditor::killedEditorsLockIsTakenOver()
{
    QTemporaryDir data;
    QProcess *killed = start(data.path());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(data.path()), killed->processId(), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(editorServerName(data.path())), kWaitMs);
    killed->kill();
    QVERIFY(killed->waitForFinished());
    // What its autosave had left, beside its lock and its socket's name.
    QVERIFY(writeRecovery(recoveryPath(data.path()), optionsWith({{Option::HeaderHeight, u"7"_s}})));

    BoxAnswerer yes(true);
    const EditorStart next = open(data.path());
    QVERIFY(next.editor && next.editor->holdsFolder());
    QCOMPARE(lockHolder(data.path()), QCoreApplication::applicationPid());
    QCOMPARE(yes.said, QStringList{kRecoveryQuestion});
    QCOMPARE(next.editor->window().options().value(Option::HeaderHeight), u"7"_s);
    QVERIFY(next.editor->window().editSafety().isAutosaving());

    // The killed editor's socket name now reaches the new holder.
    next.editor->window().showMinimized();
    QVERIFY(endsByItself(start(data.path())));
    QTRY_VERIFY(!next.editor->window().isMinimized());
}

void TestSingleEditor::runningEditorsAutosaveIsNotOffered()
{
    QTemporaryDir data;
    QProcess *running = start(data.path());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(data.path()), running->processId(), kWaitMs);
    const QString autosaved = recoveryPath(data.path()); // the running editor's own
    QVERIFY(writeRecovery(autosaved, optionsWith({{Option::HeaderHeight, u"8"_s}})));

    BoxAnswerer no(false);
    const EditorStart later = open(data.path());
    QVERIFY(!later.editor);
    QCOMPARE(later.exitCode, 0);
    QVERIFY(no.said.isEmpty());
    QVERIFY(QFileInfo::exists(autosaved));
    QCOMPARE(running->state(), QProcess::Running);
    QCOMPARE(lockHolder(data.path()), running->processId());
}

void TestSingleEditor::readOnlyFolderStartsWithoutAutosave()
{
    QTemporaryDir data;
    QVERIFY(writeRecovery(recoveryPath(data.path()), optionsWith({{Option::HeaderHeight, u"9"_s}})));
    ReadOnlyPath guard(data.path());
    if (!guard.isReadOnly())
        QSKIP("this machine cannot make a folder read-only");

    BoxAnswerer no(false);
    const EditorStart e = open(data.path());
    QVERIFY(e.editor && !e.editor->holdsFolder());
    QVERIFY(!e.editor->window().editSafety().isAutosaving());
    QCOMPARE(e.editor->window().statusBar()->currentMessage(),
             kFolderReadOnlyNotice.arg(QDir::toNativeSeparators(data.path())));
    QVERIFY(no.said.isEmpty()); // quietly: no box, not even the recovery offer
    QVERIFY(!QFileInfo::exists(folderLockPath(data.path())));
}

void TestSingleEditor::silentHolderDoesNotHoldUpTheStart()
{
    QTemporaryDir data;
    QVERIFY(writeRecovery(recoveryPath(data.path()), optionsWith({{Option::HeaderHeight, u"6"_s}})));
    // A live holder of the lock whose socket takes the request and never answers.
    QLockFile held(folderLockPath(data.path()));
    held.setStaleLockTime(0);
    QVERIFY(held.tryLock(0));
    QLocalServer silent;
    QLocalServer::removeServer(editorServerName(data.path()));
    QVERIFY(silent.listen(editorServerName(data.path())));

    BoxAnswerer no(false);
    const EditorStart e = open(data.path());
    QVERIFY(e.editor && !e.editor->holdsFolder());
    QVERIFY(!e.editor->window().editSafety().isAutosaving());
    QCOMPARE(e.editor->window().statusBar()->currentMessage(),
             kFolderSharedNotice.arg(QDir::toNativeSeparators(data.path())));
    QVERIFY(no.said.isEmpty()); // the other program's autosave is not offered
    // Neither a save nor a close takes the other program's file away.
    e.editor->window().findChild<QPushButton *>(u"cmdsave"_s)->click();
    e.editor->window().close();
    e.editor->window().editSafety().autosave().waitForWrites();
    QVERIFY(QFileInfo::exists(recoveryPath(data.path())));
}

void TestSingleEditor::garbageOnTheSocketChangesNothing()
{
    QTemporaryDir data;
    const EditorStart holder = open(data.path());
    QVERIFY(holder.editor && holder.editor->holdsFolder());
    MainWindow &window = holder.editor->window();
    window.showMinimized();
    const QString server = editorServerName(data.path());
    QTRY_VERIFY(QFileInfo::exists(server));

    const QList<QByteArray> garbage{QByteArray(1 << 20, 'r'),
                                    "RAISE\n",
                                    "raise",
                                    QByteArray("raise\0\n", 7),
                                    "raised\n",
                                    "\n",
                                    QByteArray(63, 'x') + "raise\n",
                                    QByteArray(4096, '\n')};
    std::vector<std::unique_ptr<QLocalSocket>> sockets;
    for (const QByteArray &bytes : garbage) {
        auto &socket = sockets.emplace_back(std::make_unique<QLocalSocket>());
        socket->connectToServer(server);
        QVERIFY(socket->waitForConnected(kWaitMs));
        socket->write(bytes);
    }
    auto &idle = sockets.emplace_back(std::make_unique<QLocalSocket>()); // never says anything
    idle->connectToServer(server);
    QVERIFY(idle->waitForConnected(kWaitMs));
    for (const auto &socket : sockets) { // each is let go without an answer
        QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QLocalSocket::UnconnectedState, kWaitMs);
        QVERIFY(!socket->readAll().contains("raised"));
    }
    QVERIFY(window.isMinimized());

    // A start that asks and is gone before the answer is written.
    QLocalSocket impatient;
    impatient.connectToServer(server);
    QVERIFY(impatient.waitForConnected(kWaitMs));
    impatient.write(kRaiseRequest);
    impatient.waitForBytesWritten(kWaitMs);
    impatient.abort();
    QTRY_VERIFY(!window.isMinimized());

    window.showMinimized();
    QVERIFY(endsByItself(start(data.path())));
    QTRY_VERIFY(!window.isMinimized());
}

QTEST_MAIN(TestSingleEditor)
#include "test_single_editor.moc"
