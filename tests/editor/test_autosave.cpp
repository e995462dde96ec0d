// Autosave through the real window: when the recovery file is written and removed, what a failed
// write does, and what the next start offers.

#include "editor/autosave.h"
#include "editor/edit_history.h"
#include "editor/edit_safety.h"
#include "editor/recovery_offer.h"
#include "history_helpers.h"
#include "options/recovery_file.h"
#include "options/settings_file.h"
#include "support/helpers.h"
#include "support/pipe_in_place.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QUndoStack>
#include <memory>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

Autosave &autosaveOf(Editor &e)
{
    return e.window.editSafety().autosave();
}

QString recoveryFileOf(Editor &e)
{
    return recoveryPath(e.folder());
}

bool waitForWrite(Editor &e)
{
    QSignalSpy written(&autosaveOf(e), &Autosave::written);
    return written.wait(3000);
}

OptionSet someEdits()
{
    return optionsWith({{u"chcbg"_s, u"1"_s},
                        {u"txtbgp"_s, u"http://x/y.gif"_s},
                        {u"txtregh"_s, u"250"_s},
                        {u"cmblan"_s, u"分三栏"_s},
                        {u"chcmrl(2)"_s, u"2"_s}});
}

} // namespace

class TestAutosave : public QObject {
    Q_OBJECT
private slots:
    void writesSoonAfterChangesAndNeverWhileIdle();
    void makesTheDataFolderWhenItIsNotThereYet();
    void savingAndACleanCloseRemoveTheFile();
    void aFailedWriteIsOneQuietNoticeAndTriedAgainOnTheNextChange();
    void theNextStartOffersTheUnsavedOptionsOrDropsThem();
    void anUnusableFileIsKeptAsideWithANotice_data();
    void anUnusableFileIsKeptAsideWithANotice();
    void aPipeOrADeviceIsKeptAsideWithANotice_data();
    void aPipeOrADeviceIsKeptAsideWithANotice();
};

void TestAutosave::writesSoonAfterChangesAndNeverWhileIdle()
{
    Editor e;
    QTest::qWait(Autosave::kDelayMs + 300);
    QCOMPARE(autosaveOf(e).writesDone(), 0); // a start without changes writes nothing
    QVERIFY(!QFile::exists(recoveryFileOf(e)));

    QElapsedTimer sinceFirstChange;
    sinceFirstChange.start();
    typeInto(e, u"txtregh", u"1"_s);
    clickBox(e, u"chcbg");
    typeInto(e, u"txtbgp", u"2"_s);
    QVERIFY(waitForWrite(e));
    QVERIFY2(sinceFirstChange.elapsed() < 2000, qPrintable(QString::number(sinceFirstChange.elapsed())));
    QCOMPARE(autosaveOf(e).writesDone(), 1); // the changes went in one write
    const Result<OptionSet> saved = readRecovery(recoveryFileOf(e));
    QVERIFY(saved.ok());
    QVERIFY(stateOf(*saved) == stateOf(e.record));

    QTest::qWait(2 * Autosave::kDelayMs + 500);
    QCOMPARE(autosaveOf(e).writesDone(), 1);
    // Undo is a change like any other.
    e.window.history().undo();
    QVERIFY(waitForWrite(e));
    QVERIFY(stateOf(*readRecovery(recoveryFileOf(e))) == stateOf(e.record));
}

void TestAutosave::makesTheDataFolderWhenItIsNotThereYet()
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(u"stylewright"_s); // made on the first save, or now
    Editor e(folder);
    typeInto(e, u"txtregh", u"1"_s);
    QVERIFY(waitForWrite(e));
    QVERIFY(readRecovery(recoveryPath(folder)).ok());
}

void TestAutosave::savingAndACleanCloseRemoveTheFile()
{
    Editor e;
    typeInto(e, u"txtregh", u"1"_s);
    QVERIFY(waitForWrite(e));
    QTest::mouseClick(e.find(u"cmdsave"), Qt::LeftButton);
    autosaveOf(e).waitForWrites();
    QVERIFY(!QFile::exists(recoveryFileOf(e)));

    // A save that fails keeps it.
    typeInto(e, u"txtregh", u"2"_s);
    QVERIFY(waitForWrite(e));
    QFile::remove(settingsPath(e.folder()));
    QVERIFY(QDir(e.folder()).mkdir(u"setup.ini"_s)); // a folder where the file should be
    QTest::mouseClick(e.find(u"cmdsave"), Qt::LeftButton);
    autosaveOf(e).waitForWrites();
    QVERIFY(QFile::exists(recoveryFileOf(e)));

    // A change still waiting for its write when the window closes is not written after it.
    typeInto(e, u"txtregh", u"3"_s);
    e.prompts.shown.clear();
    e.window.close();
    QTest::qWait(Autosave::kDelayMs + 300);
    QVERIFY(!QFile::exists(recoveryFileOf(e)));
}

void TestAutosave::aFailedWriteIsOneQuietNoticeAndTriedAgainOnTheNextChange()
{
    Editor e;
    QSignalSpy failed(&autosaveOf(e), &Autosave::failed);
    autosaveOf(e).setFaults({20, false}); // a full disk
    typeInto(e, u"txtregh", u"1"_s);
    QVERIFY(waitForWrite(e));
    const QString notice = e.window.statusBar()->currentMessage();
    QVERIFY2(notice.startsWith(u"自动保存失败"_s), qPrintable(notice));
    QVERIFY(!QFile::exists(recoveryFileOf(e)));

    QTest::qWait(Autosave::kDelayMs + 300); // nothing is tried again while nothing changes
    QCOMPARE(autosaveOf(e).writesDone(), 1);
    typeInto(e, u"txtregh", u"2"_s); // editing goes on; the next change tries again
    QCOMPARE(e.record.value("txtregh"), u"30012"_s);
    QVERIFY(waitForWrite(e));
    QCOMPARE(failed.size(), 1);
    QVERIFY(e.prompts.shown.isEmpty()); // no message box

    autosaveOf(e).setFaults({});
    typeInto(e, u"txtregh", u"3"_s);
    QVERIFY(waitForWrite(e));
    QVERIFY(e.window.statusBar()->currentMessage().isEmpty());
    QVERIFY(stateOf(*readRecovery(recoveryFileOf(e))) == stateOf(e.record));
}

void TestAutosave::theNextStartOffersTheUnsavedOptionsOrDropsThem()
{
    QTemporaryDir dir;
    const OptionSet unsaved = someEdits();
    QVERIFY(writeRecovery(recoveryPath(dir.path()), unsaved).ok());
    {
        Editor e(dir.path());
        e.prompts.answers = {true};
        e.window.offerRecovery();
        QCOMPARE(e.prompts.shown.size(), 1);
        QCOMPARE(e.prompts.shown[0].title, kConfirmTitle);
        QCOMPARE(e.prompts.shown[0].text, kRecoveryQuestion);
        QVERIFY(stateOf(e.record) == stateOf(unsaved));
        QCOMPARE(e.record.value("chcmrl(2)"), u"2"_s); // the greyed state, which setup.ini cannot hold
        QCOMPARE(e.window.history().stack().count(), 1);
        e.window.history().undo();
        QVERIFY(stateOf(e.record) == stateOf(OptionSet()));
    }

    // No: the file goes and nothing changes. Then, without a file, nothing is asked.
    QVERIFY(writeRecovery(recoveryPath(dir.path()), unsaved).ok());
    Editor declined(dir.path());
    declined.window.offerRecovery();
    QCOMPARE(declined.prompts.shown.size(), 1);
    QVERIFY(!QFile::exists(recoveryPath(dir.path())));
    QVERIFY(stateOf(declined.record) == stateOf(OptionSet()));
    QCOMPARE(declined.window.history().stack().count(), 0);
    Editor plain(dir.path());
    plain.window.offerRecovery();
    QVERIFY(plain.prompts.shown.isEmpty());
}

void TestAutosave::anUnusableFileIsKeptAsideWithANotice_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray whole = recoveryBytes(someEdits());
    QTest::newRow("cut short") << whole.first(whole.size() - 5) << kRecoveryDamagedMessage;
    QTest::newRow("cut inside the settings") << whole.first(300) << kRecoveryDamagedMessage;
    QTest::newRow("empty") << QByteArray() << kRecoveryDamagedMessage;
    const QByteArray format = "format=" + QByteArray::number(kRecoveryFormat);
    QTest::newRow("newer") << QByteArray(whole).replace(format, "format=7") << kRecoveryNewerMessage;
    QTest::newRow("older") << QByteArray(whole).replace(format, "format=1") << kRecoveryOlderMessage;
}

void TestAutosave::anUnusableFileIsKeptAsideWithANotice()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    Editor e(dir.path());
    e.prompts.answers = {true};
    e.window.offerRecovery();
    QCOMPARE(e.prompts.shown.size(), 1);
    QVERIFY(!e.prompts.shown[0].question);
    QCOMPARE(e.prompts.shown[0].text, message + u"，没有载入，已改名为 setup.recovery.ini.bad。"_s);
    QVERIFY(!e.prompts.shown[0].text.contains(u'\n'));
    QVERIFY(stateOf(e.record) == stateOf(OptionSet())); // nothing loaded, not even in part
    QCOMPARE(readFile(path + u".bad"_s), bytes);
    QVERIFY(!QFile::exists(path));
}

void TestAutosave::aPipeOrADeviceIsKeptAsideWithANotice_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a pipe") << true;
    QTest::newRow("a link to a device that never ends") << false;
}

// Neither is opened: the start goes on, and the next start is not stopped by it again.
void TestAutosave::aPipeOrADeviceIsKeptAsideWithANotice()
{
    QFETCH(bool, pipe);
    QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    std::unique_ptr<PipeInPlace> inPlace;
    if (pipe) {
        inPlace = std::make_unique<PipeInPlace>(path);
        QVERIFY(inPlace->made());
    } else {
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    }
    Editor e(dir.path());
    e.prompts.answers = {true};
    e.window.offerRecovery();
    QCOMPARE(e.prompts.shown.size(), 1);
    QCOMPARE(e.prompts.shown[0].text, kRecoveryDamagedMessage + u"，没有载入，已改名为 setup.recovery.ini.bad。"_s);
    QVERIFY(!QFileInfo::exists(path) && !QFileInfo(path).isSymLink());
    QVERIFY(pipe ? QFileInfo(path + u".bad"_s).exists() : QFileInfo(path + u".bad"_s).isSymLink());
    Editor next(dir.path());
    next.window.offerRecovery();
    QVERIFY(next.prompts.shown.isEmpty());
}

QTEST_MAIN(TestAutosave)
#include "test_autosave.moc"
