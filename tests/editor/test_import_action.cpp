#include "base/text_encoding.h"
#include "editor/edit_history.h"
#include "editor/import_action.h"
#include "editor/secondary_windows.h"
#include "editor_fixture.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "support/helpers.h"
#include "support/pipe_in_place.h"
#include "tools/fetcher_window.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QUndoStack>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QString blockText(Area area, const OptionSet &o)
{
    return generateArea(area, o)->join(u"\r\n") + u"\r\n";
}

const Settings kHeaderLook{{Option::NameFont, u"黑体"_s}, {Option::NameColour, u"字体颜色#ABCDEF"_s}};

} // namespace

class TestImportAction : public QObject {
    Q_OBJECT
private slots:
    void init() { m_prompts = {}; }

    void reportSaysWhatWasRead();
    void reportWhenNothingIsFound();
    void fileIsReadAsGbk();
    void unreadableOrHugeFileChangesNothing();
    void codeFileFromTheButtonRowMenu();
    void fetcherHandsItsTextToTheEditor();

private:
    FakePrompts m_prompts;
};

void TestImportAction::reportSaysWhatWasRead()
{
    QString sheet = blockText(Area::Header, optionsWith(kHeaderLook)) + blockText(Area::Album, OptionSet());
    sheet.replace(u"#m_albumlist span.count{"_s, u"#m_albumlist .mine{color:red}\r\n#m_albumlist span.count{"_s);
    OptionSet o;
    importIntoEditor(sheet, o, m_prompts);
    QCOMPARE(o.value(Option::NameFont), u"黑体"_s);
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, kInfoTitle);
    QCOMPARE(m_prompts.shown[0].text,
             u"已识别 2 个区域：2.名称简介、8.相册设置。\n"
             "未找到 9 个区域：1.整体背景、3.导航设置、4.模块设置、5.文章内容、6.文章设置、7.个人档案、"
             "9.我的好友、10.留言评论、11.综合设置，这些区域的设置保持原样。\n"
             "有 1 行未能识别，相应的设置保持原样（第 24 行）。\n"
             "共修改了 2 项设置。"_s);
}

void TestImportAction::reportWhenNothingIsFound()
{
    CssImport report;
    report.notFound = {Area::Background};
    QCOMPARE(importReportText(report), u"没有找到本程序生成的CSS代码，设置没有改变。"_s);
    report.recognised = {Area::Modules};
    report.incomplete = {Area::Modules};
    report.unreadLines = QList<UnreadLine>(12, {Area::Modules, 7, u"x{}"_s});
    QVERIFY(importReportText(report).contains(u"其中代码不完整的区域：4.模块设置，缺少的部分保持原样。"_s));
    QVERIFY(importReportText(report).contains(
        u"有 12 行未能识别，相应的设置保持原样（第 7、7、7、7、7、7、7、7、7、7 行等）。"_s));
}

void TestImportAction::fileIsReadAsGbk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"space.css"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeGbk(u"p{color:red}\r\n"_s + blockText(Area::Header, optionsWith(kHeaderLook))));
    file.close();
    OptionSet o;
    importFileIntoEditor(path, o, m_prompts);
    QCOMPARE(o.value(Option::NameFont), u"黑体"_s);
    QCOMPARE(o.value(Option::NameColour), u"字体颜色#ABCDEF"_s);
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, kInfoTitle);
}

void TestImportAction::unreadableOrHugeFileChangesNothing()
{
    QTemporaryDir dir;
    OptionSet o;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"missing\\.css: stat: "_s)); // said on standard error too
    importFileIntoEditor(dir.filePath(u"missing.css"_s), o, m_prompts);
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, kErrorTitle);
    QVERIFY(m_prompts.shown[0].text.startsWith(u"无法读取文件“"_s));
    {
        const PipeInPlace pipe(dir.filePath(u"pipe.css"_s)); // refused, not waited on
        QVERIFY(pipe.made());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"pipe\\.css: not a regular file"_s));
        importFileIntoEditor(dir.filePath(u"pipe.css"_s), o, m_prompts);
        QCOMPARE(m_prompts.shown.size(), 2);
        QVERIFY(m_prompts.shown[1].text.startsWith(u"无法读取文件“"_s));
        m_prompts.shown.removeLast();
    }

    QFile huge(dir.filePath(u"huge.css"_s));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write(encodeGbk(blockText(Area::Header, optionsWith(kHeaderLook))));
    QVERIFY(huge.resize(kLargestImportFile + 1));
    huge.close();
    importFileIntoEditor(huge.fileName(), o, m_prompts);
    QCOMPARE(m_prompts.shown.size(), 2);
    QVERIFY(m_prompts.shown[1].text.endsWith(u"超过 16 MB，不是本程序生成的CSS代码，没有导入。"_s));
    QCOMPARE(o.value(Option::NameFont), OptionSet().value(Option::NameFont));
}

// A right click on the button row offers the code file and a file of the user's choice.
void TestImportAction::codeFileFromTheButtonRowMenu()
{
    Editor editor;
    auto *codeFile = editor.window.findChild<QAction *>(u"actImportCodeFile"_s);
    auto *pick = editor.window.findChild<QAction *>(u"actImportCss"_s);
    QVERIFY(codeFile && pick);
    QCOMPARE(pick->text(), u"导入CSS…"_s);
    QCOMPARE(editor.window.button(WindowButton::ReadSettings)->parentWidget()->contextMenuPolicy(),
             Qt::ActionsContextMenu);

    codeFile->trigger();
    QCOMPARE(editor.prompts.shown.size(), 1);
    QCOMPARE(editor.prompts.shown[0].text, kNoCodeMessage);
    QVERIFY(appendBlock(codeFilePath(editor.folder()), generate(u"cmdqy", optionsWith(kHeaderLook)).writes));
    codeFile->trigger();
    QCOMPARE(editor.record.value(Option::NameFont), u"黑体"_s);
    QCOMPARE(editor.field<QComboBox>(Option::NameFont)->currentText(), u"黑体"_s);
}

void TestImportAction::fetcherHandsItsTextToTheEditor()
{
    Editor editor;
    editor.window.secondaryWindows().open(Secondary::Fetcher);
    auto *fetcher = qobject_cast<FetcherWindow *>(editor.window.secondaryWindows().window(Secondary::Fetcher));
    QVERIFY(fetcher);
    auto *button = fetcher->findChild<QPushButton *>(u"cmdimport"_s);
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->text(), u"导入到编辑器"_s);
    fetcher->findChild<QPlainTextEdit *>(u"txtcss"_s)
        ->setPlainText(blockText(Area::Header, optionsWith(kHeaderLook)).replace(u"\r\n"_s, u"\n"_s));
    const int stepsBefore = editor.window.history().stack().count();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(editor.record.value(Option::NameFont), u"黑体"_s);
    QCOMPARE(editor.record.value(Option::NameColour), u"字体颜色#ABCDEF"_s);
    QCOMPARE(editor.prompts.shown.size(), 1);
    // The whole import is one undo step.
    QCOMPARE(editor.window.history().stack().count(), stepsBefore + 1);
    editor.window.history().undo();
    QCOMPARE(editor.record.value(Option::NameFont), u"宋体"_s);
    QCOMPARE(editor.record.value(Option::NameColour), u"字体颜色#5577ff"_s);

    FetcherSetup alone; // as sheetfetch makes it: no editor to import into
    alone.makeSource = loadNetworkSheetSource;
    alone.standalone = true;
    FetcherWindow standalone(alone, m_prompts);
    standalone.show();
    QVERIFY(!standalone.findChild<QPushButton *>(u"cmdimport"_s)->isVisible());
}

QTEST_MAIN(TestImportAction)
#include "test_import_action.moc"
