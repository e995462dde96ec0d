// Which folder the programs keep their files in, creating it when it is first needed, and where
// the user sees it.

#include "base/data_folder.h"
#include "editor/editor_actions.h"
#include "editor/editor_fixture.h"
#include "editor/secondary_windows.h"
#include "generators/code_file.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "startup/data_folder_hints.h"
#include "stylewright/network_module.h"
#include "stylewright/tool_windows.h"
#include "support/fakes.h"
#include "support/read_only_path.h"

#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void choosesTheFolder();
    void readOnlyProgramFolderGivesTheUserFolder();
    void firstSaveCreatesTheFolder();
    void uncreatableFolderIsNamed();
    void userSeesTheFolder();

private:
    QTemporaryDir m_dir;
};

void TestDataFolder::choosesTheFolder()
{
    const QString program = m_dir.path();
    const QString user = m_dir.filePath(u"user/stylewright"_s);
    // A portable copy keeps its files beside the program, as it always did.
    QCOMPARE(chooseDataFolder({{}, program, user}), program);
    QCOMPARE(chooseDataFolder({{}, program + u"/./", user}), program);
    // The command line wins over both, made absolute and clean.
    QCOMPARE(chooseDataFolder({m_dir.filePath(u"given/../other"_s), program, user}), m_dir.filePath(u"other"_s));
    QCOMPARE(chooseDataFolder({u"rel"_s, program, user}), QDir::current().filePath(u"rel"_s));
    // A program folder that is gone cannot take files either.
    QCOMPARE(chooseDataFolder({{}, m_dir.filePath(u"gone"_s), user}), user);
}

void TestDataFolder::readOnlyProgramFolderGivesTheUserFolder()
{
    QTemporaryDir program;
    const QString user = m_dir.filePath(u"user/stylewright"_s);
    ReadOnlyPath guard(program.path());
    if (!guard.isReadOnly())
        QSKIP("this machine cannot make a folder read-only");
    QCOMPARE(chooseDataFolder({{}, program.path(), user}), user);
    QCOMPARE(chooseDataFolder({program.path(), program.path(), user}), program.path()); // asked for: used
}

void TestDataFolder::firstSaveCreatesTheFolder()
{
    const QString folder = m_dir.filePath(u"share/stylewright"_s);
    FakePrompts prompts;
    FakeDesktop desktop;
    saveSettingsAction(folder, OptionSet(), prompts);
    runAreaButton(Area::Background, OptionSet(), folder, prompts, desktop);
    lookAtCode(folder, prompts, desktop);
    QCOMPARE(prompts.shown.size(), 1); // only the offer to open the code file
    QVERIFY(QFile::exists(settingsPath(folder)));
    QCOMPARE(desktop.openedFiles, QStringList{codeFilePath(folder)});
    OptionSet loaded;
    loadSettingsAction(folder, loaded, prompts);
    QCOMPARE(prompts.shown.size(), 1);
}

void TestDataFolder::uncreatableFolderIsNamed()
{
    QFile blocker(m_dir.filePath(u"file"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = blocker.fileName() + u"/stylewright";
    const Result<void> made = makeDataFolder(folder);
    QVERIFY(!made);
    QVERIFY(made.failure().message.contains(folder));
    QVERIFY(makeDataFolder(m_dir.path()).ok()); // one that exists is fine

    FakePrompts prompts;
    FakeDesktop desktop;
    saveSettingsAction(folder, OptionSet(), prompts);
    runAreaButton(Area::Background, OptionSet(), folder, prompts, desktop);
    QCOMPARE(prompts.shown.size(), 2);
    QCOMPARE(prompts.shown[0].title, u"stylewright"_s);
    QCOMPARE(prompts.shown[1].title, u"错误提示"_s);
    for (const ShownPrompt &shown : prompts.shown) {
        QCOMPARE(shown.text, made.failure().message);
        QVERIFY(!shown.question);
    }
    QVERIFY(desktop.openedFiles.isEmpty());
}

void TestDataFolder::userSeesTheFolder()
{
    testing::Editor editor;
    const QString data = m_dir.filePath(u"data"_s);
    showDataFolder(editor.window, data);
    QCOMPARE(editor.window.button(WindowButton::SaveSettings)->toolTip(), u"把设置保存到 "_s + settingsPath(data));
    QCOMPARE(editor.window.button(WindowButton::ReadSettings)->toolTip(),
             u"从 "_s + settingsPath(data) + u" 读取设置"_s);
    QVERIFY(editor.window.button(WindowButton::LookAtCode)->toolTip().contains(codeFilePath(data)));

    // The tool window names the data folder, while the update notes stay with the program.
    SecondaryWindows windows;
    FakePrompts prompts;
    FakeDesktop desktop;
    installToolWindows(windows, ProgramFolders{m_dir.path(), data}, prompts, desktop, loadNetworkSheetSource,
                       [](const QString &) {});
    QFile notes(m_dir.filePath(u"墨檐CSS更新说明.txt"_s));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();
    QWidget *tool = windows.open(Secondary::Tool);
    const auto *line = tool->findChild<QLabel *>(u"lbldatadir"_s);
    QVERIFY(line);
    QCOMPARE(line->text(), u"数据文件夹："_s + data);
    QVERIFY(tool->height() >= tool->layout()->totalHeightForWidth(tool->width()));
    tool->findChild<QPushButton *>(u"cmdupdate"_s)->click();
    QCOMPARE(desktop.openedFiles, QStringList{notes.fileName()});
    // The fetcher saves into the data folder, and says so.
    QWidget *fetcher = windows.open(Secondary::Fetcher);
    QVERIFY(fetcher->findChild<QPushButton *>(u"cmdsave"_s)->toolTip().contains(data + u"/csscode"));
    windows.closeAll();

    SecondaryWindows portable;
    installToolWindows(portable, m_dir.path(), prompts, desktop, loadNetworkSheetSource, [](const QString &) {});
    QVERIFY(!portable.open(Secondary::Tool)->findChild<QLabel *>(u"lbldatadir"_s));
    portable.closeAll();
}

QTEST_MAIN(TestDataFolder)
#include "test_data_folder.moc"
