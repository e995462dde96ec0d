// The editor's side of the live preview, with a stand-in program that records what it is sent,
// and once with the real preview program.

#include "editor_fixture.h"
#include "preview/live_preview.h"
#include "preview/preview_message.h"
#include "preview/preview_sheet.h"
#include "stylewright/preview_button.h"
#include "support/helpers.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <csignal>

using namespace stylewright;
using namespace stylewright::preview;
using namespace stylewright::testing;

namespace {

constexpr int kWaitMs = 20000;

// The stand-in's record of one run.
struct FakeRun {
    QString log;

    QList<Message> received() const
    {
        MessageReader reader;
        reader.append(readFile(log));
        QList<Message> messages;
        while (std::optional<Message> m = reader.next())
            messages.append(std::move(*m));
        return messages;
    }
    QList<SheetMessage> sheets() const
    {
        QList<SheetMessage> found;
        for (const Message &m : received()) {
            if (const auto *sheet = std::get_if<SheetMessage>(&m))
                found.append(*sheet);
        }
        return found;
    }
    QList<WindowCommand> commands() const
    {
        QList<WindowCommand> found;
        for (const Message &m : received()) {
            if (const auto *window = std::get_if<WindowMessage>(&m))
                found.append(window->command);
        }
        return found;
    }
    qint64 pid() const { return readFile(log + u".pid").toLongLong(); }
    bool alive() const { return pid() > 0 && ::kill(pid_t(pid()), 0) == 0; }
};

bool sameSheet(const Sheet &a, const Sheet &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].css != b[i].css || a[i].notice != b[i].notice)
            return false;
    }
    return true;
}

} // namespace

class TestLivePreview : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buttonShowsOnlyWhenTheProgramIsThere();
    void firstPressStartsTheProgramWithTheWholeSheet();
    void changesAreGatheredIntoOneSheet();
    void steadyChangesStillReachThePreview();
    void previewFollowsTheMainWindow();
    void aRefusedCloseKeepsThePreview();
    void crashOffersARestart_data();
    void crashOffersARestart();
    void closingThePreviewIsNoCrash();
    void aProgramThatCannotStartIsToldAndTheEditorGoesOn();
    void realProgramFollowsEdits();

private:
    // A fresh log for the stand-in, misbehaving as mode says.
    FakeRun fake(const QByteArray &mode = {});
    static QPushButton *button(Editor &e) { return e.window.button(WindowButton::Preview); }
    static LivePreview *preview(Editor &e) { return e.window.findChild<LivePreview *>(); }

    QTemporaryDir m_logs;
    int m_runs = 0;
};

FakeRun TestLivePreview::fake(const QByteArray &mode)
{
    FakeRun run{m_logs.filePath(QStringLiteral("run%1.log").arg(++m_runs))};
    qputenv("FAKE_PREVIEW_LOG", run.log.toLocal8Bit());
    qputenv("FAKE_PREVIEW_MODE", mode);
    return run;
}

void TestLivePreview::init()
{
    fake();
}

void TestLivePreview::cleanup()
{
    qunsetenv("FAKE_PREVIEW_MODE");
}

void TestLivePreview::buttonShowsOnlyWhenTheProgramIsThere()
{
    Editor absent;
    installLivePreview(absent.window, absent.prompts, absent.dir.filePath(QStringLiteral("stylewright-preview")));
    QVERIFY(button(absent)->isHidden());
    absent.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&absent.window));
    QTest::keyClick(&absent.window, Qt::Key_P, Qt::ControlModifier);
    QTest::qWait(300); // a shortcut presses its button for a moment
    QVERIFY(!preview(absent));

    Editor present;
    installLivePreview(present.window, present.prompts, QStringLiteral(FAKE_PREVIEW));
    QVERIFY(button(present)->isVisible());
    QCOMPARE(button(present)->text(), QStringLiteral("实时预览"));
    // The seventh window button, after the six.
    QCOMPARE(button(present)->parentWidget()->layout()->indexOf(button(present)), 6);
    QVERIFY(!preview(present)); // nothing of the preview is made before the button is pressed
    const FakeRun run = fake();
    present.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&present.window));
    QTest::keyClick(&present.window, Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(preview(present), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(run.commands().contains(WindowCommand::Show), kWaitMs);
}

void TestLivePreview::firstPressStartsTheProgramWithTheWholeSheet()
{
    Editor e;
    e.record.setValue(Option::PageBackgroundColour, QStringLiteral("abcdef"));
    e.record.setValue(Option::NameFontSize, QStringLiteral("36px")); // this area has no block: it goes as a notice
    installLivePreview(e.window, e.prompts, QStringLiteral(FAKE_PREVIEW));
    const FakeRun run = fake();
    QTest::mouseClick(button(e), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(run.received().size(), 2, kWaitMs);
    const QList<SheetMessage> sheets = run.sheets();
    QCOMPARE(sheets.size(), 1);
    QCOMPARE(sheets[0].sequence, 1u);
    QVERIFY(sameSheet(sheets[0].sheet, sheetFor(e.record)));
    QVERIFY(sheets[0].sheet[int(Area::Header)].failed());
    QCOMPARE(run.commands(), QList<WindowCommand>{WindowCommand::Show});
    QVERIFY(e.prompts.shown.isEmpty()); // no modal box for the area without a block

    // A second press only brings the window forward.
    const qint64 pid = run.pid();
    QTest::mouseClick(button(e), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(run.commands().size(), 2, kWaitMs);
    QCOMPARE(run.pid(), pid);
    QCOMPARE(run.sheets().size(), 1);
}

void TestLivePreview::changesAreGatheredIntoOneSheet()
{
    Editor e;
    installLivePreview(e.window, e.prompts, QStringLiteral(FAKE_PREVIEW));
    // before the first press: nothing runs, nothing is sent
    e.record.setValue(Option::HeaderHeight, QStringLiteral("200"));
    QTest::qWait(3 * LivePreview::kSettleTime.count());
    QVERIFY(!preview(e));

    const FakeRun run = fake();
    QTest::mouseClick(button(e), Qt::LeftButton);
    QSignalSpy applied(preview(e), &LivePreview::applied);
    QTRY_VERIFY_WITH_TIMEOUT(!applied.isEmpty(), kWaitMs);

    // A burst (typing, a whole record loaded) becomes one sheet with the last values.
    for (int size = 10; size < 40; ++size)
        e.record.setValue(Option::ModuleSpacing, QString::number(size));
    OptionSet loaded(e.record);
    loaded.setValue(Option::PageBackgroundColour, QStringLiteral("123456"));
    e.record.assign(loaded);
    QElapsedTimer sinceChange;
    sinceChange.start();
    QTRY_VERIFY_WITH_TIMEOUT(applied.last().at(0).toULongLong() == 2, kWaitMs);
    const qint64 ms = sinceChange.elapsed();
    QVERIFY2(ms < 1000, qPrintable(QString::number(ms))); // well under in practice; the bench measures it
    QTest::qWait(5 * LivePreview::kSettleTime.count());
    QCOMPARE(run.sheets().size(), 2);
    QVERIFY(sameSheet(run.sheets().last().sheet, sheetFor(e.record)));
    QVERIFY(run.sheets().last().sheet[int(Area::Background)].css.contains(QStringLiteral("#123456")));

    e.record.setValue(Option::HeaderHeight, QStringLiteral("250"));
    QTRY_COMPARE_WITH_TIMEOUT(run.sheets().size(), 3, kWaitMs);
    QCOMPARE(run.sheets().last().sequence, 3u);
    QVERIFY(run.sheets().last().sheet[int(Area::Header)].css.contains(QStringLiteral("height:250px")));
}

void TestLivePreview::steadyChangesStillReachThePreview()
{
    Editor e;
    installLivePreview(e.window, e.prompts, QStringLiteral(FAKE_PREVIEW));
    const FakeRun run = fake();
    QTest::mouseClick(button(e), Qt::LeftButton);
    QSignalSpy applied(preview(e), &LivePreview::applied);
    QTRY_VERIFY_WITH_TIMEOUT(!applied.isEmpty(), kWaitMs);
    auto *settle = preview(e)->findChild<QTimer *>(QStringLiteral("settle"));
    QVERIFY(settle);

    // A change starts the wait for the sheet; the changes that follow while it runs never put
    // it off, so someone typing faster than it still sees the page follow.
    e.record.setValue(Option::ModuleSpacing, QStringLiteral("11"));
    QVERIFY(settle->isActive());
    const int first = settle->remainingTime();
    while (settle->remainingTime() > first - 5)
        continue; // a few milliseconds pass, and no event is handled
    for (int size = 12; size < 20; ++size)
        e.record.setValue(Option::ModuleSpacing, QString::number(size));
    QVERIFY2(settle->remainingTime() <= first - 4, qPrintable(QString::number(settle->remainingTime())));
    QTRY_VERIFY_WITH_TIMEOUT(applied.last().at(0).toULongLong() == 2, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(run.sheets().size(), 2, kWaitMs);
    QVERIFY(sameSheet(run.sheets().last().sheet, sheetFor(e.record))); // with the last change
}

void TestLivePreview::previewFollowsTheMainWindow()
{
    Editor e;
    installLivePreview(e.window, e.prompts, QStringLiteral(FAKE_PREVIEW));
    const FakeRun run = fake();
    QTest::mouseClick(button(e), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(run.alive(), kWaitMs);
    e.window.showMinimized();
    QTRY_COMPARE_WITH_TIMEOUT(run.commands().value(1), WindowCommand::Minimise, kWaitMs);
    e.window.showNormal();
    // The headless platform may report each state once more; the preview ends where the editor is.
    QTRY_COMPARE_WITH_TIMEOUT(run.commands().last(), WindowCommand::Restore, kWaitMs);
    QTest::qWait(200);
    QCOMPARE(run.commands().last(), WindowCommand::Restore);
    e.window.close();
    QTRY_VERIFY_WITH_TIMEOUT(!preview(e)->isRunning(), kWaitMs);
    QCOMPARE(run.commands().last(), WindowCommand::Close);
    QTRY_VERIFY_WITH_TIMEOUT(!run.alive(), kWaitMs);
    QVERIFY(e.prompts.shown.isEmpty());
}

void TestLivePreview::aRefusedCloseKeepsThePreview()
{
    struct Stubborn : QWidget {
        void closeEvent(QCloseEvent *event) override { event->ignore(); }
    } window;
    window.show();
    OptionSet options;
    FakePrompts prompts;
    const FakeRun run = fake();
    auto *live = new LivePreview(options, prompts, QStringLiteral(FAKE_PREVIEW), &window);
    live->open();
    QTRY_VERIFY_WITH_TIMEOUT(run.alive(), kWaitMs);
    window.close();
    QTest::qWait(200);
    QVERIFY(window.isVisible());
    QVERIFY(live->isRunning());
    delete live; // the program ends with its preview
    QTRY_VERIFY_WITH_TIMEOUT(!run.alive(), kWaitMs);
}

void TestLivePreview::crashOffersARestart_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<bool>("restart");
    QTest::newRow("killed, restart") << QByteArray() << true;
    QTest::newRow("killed, leave it") << QByteArray() << false;
    QTest::newRow("ends at once") << QByteArray("exit") << false;
    QTest::newRow("answers nonsense") << QByteArray("garbage") << false;
    QTest::newRow("answers nonsense, restart") << QByteArray("garbage") << true;
}

void TestLivePreview::crashOffersARestart()
{
    QFETCH(QByteArray, mode);
    QFETCH(bool, restart);
    Editor e;
    installLivePreview(e.window, e.prompts, QStringLiteral(FAKE_PREVIEW));
    const FakeRun first = fake(mode);
    e.prompts.answers = {restart};
    QTest::mouseClick(button(e), Qt::LeftButton);
    if (mode.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(first.alive(), kWaitMs);
        ::kill(pid_t(first.pid()), SIGKILL);
    }
    const FakeRun second = fake();
    // written into a pipe whose reader is gone
    e.record.setValue(Option::PageBackgroundColour, QStringLiteral("0f0f0f"));
    QTRY_COMPARE_WITH_TIMEOUT(e.prompts.shown.size(), 1, kWaitMs);
    QCOMPARE(e.prompts.shown[0].title, kErrorTitle);
    QCOMPARE(e.prompts.shown[0].text, kPreviewCrashedQuestion);
    QVERIFY(e.prompts.shown[0].question);
    if (restart) {
        QTRY_COMPARE_WITH_TIMEOUT(second.sheets().size(), 1, kWaitMs);
        QVERIFY(second.pid() != first.pid());
        QVERIFY(sameSheet(second.sheets()[0].sheet, sheetFor(e.record)));
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!preview(e)->isRunning(), kWaitMs);
        QTest::qWait(200);
        QVERIFY(!QFile::exists(second.log));
    }
    // The editor goes on: its buttons still work and the preview can be opened again.
    QTest::mouseClick(e.window.button(WindowButton::SaveSettings), Qt::LeftButton);
    QVERIFY(QFile::exists(e.dir.filePath(QStringLiteral("setup.ini"))));
    QCOMPARE(e.prompts.shown.size(), 1); // no second crash question
}

void TestLivePreview::closingThePreviewIsNoCrash()
{
    Editor e;
    installLivePreview(e.window, e.prompts, QStringLiteral(FAKE_PREVIEW));
    const FakeRun closing = fake("close");
    QTest::mouseClick(button(e), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!closing.sheets().isEmpty(), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!preview(e)->isRunning(), kWaitMs);
    QTest::qWait(100);
    QVERIFY(e.prompts.shown.isEmpty());

    const FakeRun again = fake();
    QTest::mouseClick(button(e), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(again.sheets().size(), 1, kWaitMs);
}

void TestLivePreview::aProgramThatCannotStartIsToldAndTheEditorGoesOn()
{
    Editor e;
    const QString program = e.dir.filePath(QStringLiteral("stylewright-preview"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a program\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    installLivePreview(e.window, e.prompts, program);
    QVERIFY(button(e)->isVisible());
    QTest::mouseClick(button(e), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(e.prompts.shown.size(), 1, kWaitMs);
    QCOMPARE(e.prompts.shown[0].title, kErrorTitle);
    QVERIFY(!e.prompts.shown[0].question);
    QVERIFY(e.prompts.shown[0].text.contains(QDir::toNativeSeparators(program)));

    // Gone since the editor started: the same message, again and again, never a crash.
    QVERIFY(QFile::remove(program));
    QTest::mouseClick(button(e), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(e.prompts.shown.size(), 2, kWaitMs);
    QCOMPARE(e.prompts.shown[1].text, e.prompts.shown[0].text);
    e.record.setValue(Option::PageBackgroundColour, QStringLiteral("111111"));
    QTest::qWait(3 * LivePreview::kSettleTime.count());
    QCOMPARE(e.prompts.shown.size(), 2);
}

void TestLivePreview::realProgramFollowsEdits()
{
#ifndef PREVIEW_PROGRAM
    QSKIP("the preview program is not built (no Qt WebEngine)");
#else
    Editor e;
    installLivePreview(e.window, e.prompts, QStringLiteral(PREVIEW_PROGRAM));
    QTest::mouseClick(button(e), Qt::LeftButton);
    QSignalSpy ready(preview(e), &LivePreview::ready);
    QSignalSpy applied(preview(e), &LivePreview::applied);
    QTRY_VERIFY_WITH_TIMEOUT(!ready.isEmpty() && !applied.isEmpty(), 60000);
    QCOMPARE(applied.last().at(0).toULongLong(), 1u);
    e.record.setValue(Option::PageBackgroundColour, QStringLiteral("fedcba"));
    QTRY_VERIFY_WITH_TIMEOUT(applied.last().at(0).toULongLong() == 2, kWaitMs);
    e.window.close();
    QTRY_VERIFY_WITH_TIMEOUT(!preview(e)->isRunning(), kWaitMs);
    QVERIFY(e.prompts.shown.isEmpty());
#endif
}

QTEST_MAIN(TestLivePreview)
#include "test_live_preview.moc"
