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
#include <QSignalSpy>
#include <QStatusBar>
#include <QUndoStack>
#include <memory>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

using namespace std::chrono_literals;

// A clock that moves only when the test moves it; a due wake-up comes as it passes.
class HandClock final : public AutosaveClock {
public:
    std::chrono::milliseconds now() const override { return m_now; }
    void wakeAt(std::chrono::milliseconds time) override { m_due = time; }
    void cancel() override { m_due.reset(); }
    bool isSet() const override { return m_due.has_value(); }

    void advance(std::chrono::milliseconds by)
    {
        m_now += by;
        if (m_due && *m_due <= m_now) {
            m_due.reset();
            emit due();
        }
    }

private:
    std::chrono::milliseconds m_now{0};
    std::optional<std::chrono::milliseconds> m_due;
};

// The real window, its autosave on a clock the test moves.
struct ClockedEditor : Editor {
    explicit ClockedEditor(const QString &folder = {}) : Editor(folder)
    {
        auto owned = std::make_unique<HandClock>();
        clock = owned.get();
        autosave().setClock(std::move(owned));
    }
    Autosave &autosave() { return window.editSafety().autosave(); }
    QString recoveryFile() { return recoveryPath(folder()); }

    HandClock *clock;
};

// Waits for the write under way, or the next one, to finish.
bool writeFinishes(QSignalSpy &written)
{
    return !written.isEmpty() || written.wait(5000);
}

// Lets the delay pass and waits for the write it starts.
bool writeAfterDelay(ClockedEditor &e)
{
    QSignalSpy written(&e.autosave(), &Autosave::written);
    const int started = e.autosave().writesStarted();
    e.clock->advance(Autosave::kDelay);
    return e.autosave().writesStarted() == started + 1 && writeFinishes(written);
}

OptionSet someEdits()
{
    return optionsWith({{Option::PagePictureOn, u"1"_s},
                        {Option::PagePicture, u"http://x/y.gif"_s},
                        {Option::HeaderHeight, u"250"_s},
                        {Option::ColumnLayout, u"分三栏"_s},
                        {Option::HeaderRightPictureOn, u"2"_s}});
}

} // namespace

class TestAutosave : public QObject {
    Q_OBJECT
private slots:
    void writesASecondAfterTheFirstChangeAndNeverWhileIdle();
    void aChangeDuringAWriteGoesInTheNextOne();
    void makesTheDataFolderWhenItIsNotThereYet();
    void savingAndACleanCloseRemoveTheFile();
    void aFailedWriteIsOneQuietNoticeAndTriedAgainOnTheNextChange();
    void theNextStartOffersTheUnsavedOptionsOrDropsThem();
    void anUnusableFileIsKeptAsideWithANotice_data();
    void anUnusableFileIsKeptAsideWithANotice();
    void aPipeOrADeviceIsKeptAsideWithANotice_data();
    void aPipeOrADeviceIsKeptAsideWithANotice();
};

void TestAutosave::writesASecondAfterTheFirstChangeAndNeverWhileIdle()
{
    ClockedEditor e;
    e.clock->advance(10 * Autosave::kDelay);
    QCOMPARE(e.autosave().writesStarted(), 0); // a start without changes writes nothing
    QVERIFY(!QFile::exists(e.recoveryFile()));

    QSignalSpy written(&e.autosave(), &Autosave::written);
    typeInto(e, Option::HeaderHeight, u"1"_s);
    e.clock->advance(600ms);
    clickBox(e, Option::PagePictureOn);
    typeInto(e, Option::PagePicture, u"2"_s);
    e.clock->advance(399ms); // later changes do not put the write off
    QCOMPARE(e.autosave().writesStarted(), 0);
    e.clock->advance(1ms);
    QCOMPARE(e.autosave().writesStarted(), 1); // the changes go in one write
    QVERIFY(writeFinishes(written));
    const Result<OptionSet> saved = readRecovery(e.recoveryFile());
    QVERIFY(saved.ok());
    QVERIFY(stateOf(*saved) == stateOf(e.record));

    e.clock->advance(10 * Autosave::kDelay);
    QCOMPARE(e.autosave().writesStarted(), 1);
    // Undo is a change like any other.
    e.window.history().undo();
    QVERIFY(writeAfterDelay(e));
    QVERIFY(stateOf(*readRecovery(e.recoveryFile())) == stateOf(e.record));
}

void TestAutosave::aChangeDuringAWriteGoesInTheNextOne()
{
    ClockedEditor e;
    QSignalSpy written(&e.autosave(), &Autosave::written);
    typeInto(e, Option::HeaderHeight, u"1"_s);
    const RecordState carried = stateOf(e.record);
    e.clock->advance(Autosave::kDelay);
    QCOMPARE(e.autosave().writesStarted(), 1);
    typeInto(e, Option::HeaderHeight, u"2"_s);
    QVERIFY(written.isEmpty()); // the write was still under way: it ends in the event loop
    QVERIFY(writeFinishes(written));
    QVERIFY(stateOf(*readRecovery(e.recoveryFile())) == carried);

    QVERIFY(writeAfterDelay(e)); // a second after the change, as any other
    QVERIFY(stateOf(*readRecovery(e.recoveryFile())) == stateOf(e.record));
}

void TestAutosave::makesTheDataFolderWhenItIsNotThereYet()
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(u"stylewright"_s); // made on the first save, or now
    ClockedEditor e(folder);
    typeInto(e, Option::HeaderHeight, u"1"_s);
    QVERIFY(writeAfterDelay(e));
    QVERIFY(readRecovery(recoveryPath(folder)).ok());
}

void TestAutosave::savingAndACleanCloseRemoveTheFile()
{
    ClockedEditor e;
    typeInto(e, Option::HeaderHeight, u"1"_s);
    QVERIFY(writeAfterDelay(e));
    QTest::mouseClick(e.window.button(WindowButton::SaveSettings), Qt::LeftButton);
    e.autosave().waitForWrites();
    QVERIFY(!QFile::exists(e.recoveryFile()));

    // A save that fails keeps it.
    typeInto(e, Option::HeaderHeight, u"2"_s);
    QVERIFY(writeAfterDelay(e));
    QFile::remove(settingsPath(e.folder()));
    QVERIFY(QDir(e.folder()).mkdir(u"setup.ini"_s)); // a folder where the file should be
    QTest::mouseClick(e.window.button(WindowButton::SaveSettings), Qt::LeftButton);
    e.autosave().waitForWrites();
    QVERIFY(QFile::exists(e.recoveryFile()));

    // A change still waiting for its write when the window closes is not written after it.
    typeInto(e, Option::HeaderHeight, u"3"_s);
    e.prompts.shown.clear();
    const int started = e.autosave().writesStarted();
    e.window.close();
    e.clock->advance(10 * Autosave::kDelay);
    QCOMPARE(e.autosave().writesStarted(), started);
    QVERIFY(!QFile::exists(e.recoveryFile()));
}

void TestAutosave::aFailedWriteIsOneQuietNoticeAndTriedAgainOnTheNextChange()
{
    ClockedEditor e;
    QSignalSpy failed(&e.autosave(), &Autosave::failed);
    e.autosave().setFaults({20, false}); // a full disk
    typeInto(e, Option::HeaderHeight, u"1"_s);
    QVERIFY(writeAfterDelay(e));
    const QString notice = e.window.statusBar()->currentMessage();
    QVERIFY2(notice.startsWith(u"自动保存失败"_s), qPrintable(notice));
    QVERIFY(!QFile::exists(e.recoveryFile()));

    e.clock->advance(10 * Autosave::kDelay); // nothing is tried again while nothing changes
    QCOMPARE(e.autosave().writesStarted(), 1);
    typeInto(e, Option::HeaderHeight, u"2"_s); // editing goes on; the next change tries again
    QCOMPARE(e.record.value(Option::HeaderHeight), u"30012"_s);
    QVERIFY(writeAfterDelay(e));
    QCOMPARE(failed.size(), 1);
    QVERIFY(e.prompts.shown.isEmpty()); // no message box

    e.autosave().setFaults({});
    typeInto(e, Option::HeaderHeight, u"3"_s);
    QVERIFY(writeAfterDelay(e));
    QVERIFY(e.window.statusBar()->currentMessage().isEmpty());
    QVERIFY(stateOf(*readRecovery(e.recoveryFile())) == stateOf(e.record));
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
        QCOMPARE(e.record.value(Option::HeaderRightPictureOn), u"2"_s); // the greyed state, which setup.ini cannot hold
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
