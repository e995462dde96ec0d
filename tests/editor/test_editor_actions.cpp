#include "editor/editor_actions.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "base/text_encoding.h"
#include "support/fakes.h"
#include "support/read_only_path.h"
#include "support/helpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

class TestEditorActions : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        m_prompts = {};
        m_desktop = {};
    }

    void encodesGbkWithCrLf();
    void firstRunCreatesTheFileAndOffersToOpenIt();
    void secondRunAppendsTheSameBlockAgain();
    void answeringNoStartsNothing();
    void folderWithBlanksKeepsThePath();
    void lookAtCode();
    void unwritableFileIsReported();
    void readOnlyFolderIsReported();
    void generatorErrorWritesNothing();
    void folderTurnsReadOnlyBetweenRuns();

private:
    QString path() const { return codeFilePath(m_dir->path()); }
    void run(Area area = Area::Background, const OptionSet &options = OptionSet())
    {
        runAreaButton(area, options, m_dir->path(), m_prompts, m_desktop);
    }

    std::optional<QTemporaryDir> m_dir;
    FakePrompts m_prompts;
    FakeDesktop m_desktop;
};

void TestEditorActions::encodesGbkWithCrLf()
{
    QCOMPARE(encodeBlock({u"/*墨*/"_s, QString(), u"a\r\nb"_s}), QByteArray("/*\xC4\xAB*/\r\n\r\na\r\nb\r\n"));
    QCOMPARE(decodeGbk(encodeBlock({u"😀"_s})), u"😀\r\n"_s); // beyond GBK: GB18030, nothing lost
    QCOMPARE(codeFilePath(u"/p"_s), u"/p/墨檐CSS代码.txt"_s);
}

void TestEditorActions::firstRunCreatesTheFileAndOffersToOpenIt()
{
    m_prompts.answers = {true};
    run();
    QCOMPARE(readFile(path()), encodeBlock(generate(u"cmdbg", OptionSet()).writes));
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"请确认"_s);
    QCOMPARE(m_prompts.shown[0].text, u"是否打开“墨檐CSS代码.txt”，点击是为打开，否则不打开"_s);
    QVERIFY(m_prompts.shown[0].question);
    QCOMPARE(m_desktop.openedFiles, QStringList{path()});
}

void TestEditorActions::secondRunAppendsTheSameBlockAgain()
{
    QFile existing(path());
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("kept\r\n");
    existing.close();
    run();
    run();
    const QByteArray block = encodeBlock(generate(u"cmdbg", OptionSet()).writes);
    QCOMPARE(readFile(path()), "kept\r\n" + block + block);
}

void TestEditorActions::answeringNoStartsNothing()
{
    m_prompts.answers = {false};
    run();
    QVERIFY(QFile::exists(path()));
    QVERIFY(m_desktop.openedFiles.isEmpty());
}

void TestEditorActions::folderWithBlanksKeepsThePath()
{
    const QString folder = m_dir->filePath(u"my blog css"_s);
    QVERIFY(QDir().mkdir(folder));
    m_prompts.answers = {true};
    runAreaButton(Area::Background, OptionSet(), folder, m_prompts, m_desktop);
    QCOMPARE(m_desktop.openedFiles, QStringList{folder + u"/墨檐CSS代码.txt"});
}

void TestEditorActions::lookAtCode()
{
    stylewright::lookAtCode(m_dir->path(), m_prompts, m_desktop);
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QCOMPARE(m_prompts.shown[0].text, u"没有找到CSS代码，请确认是否生成"_s);
    QVERIFY(m_desktop.openedFiles.isEmpty());
    QVERIFY(!QFile::exists(path())); // looking never creates the file

    run();
    m_prompts.shown.clear();
    stylewright::lookAtCode(m_dir->path(), m_prompts, m_desktop);
    QVERIFY(m_prompts.shown.isEmpty()); // no question asked
    QCOMPARE(m_desktop.openedFiles, QStringList{path()});

    // Nothing on the desktop opens it: the user is told where it is, after looking and after Yes.
    m_desktop.nothingOpens = true;
    stylewright::lookAtCode(m_dir->path(), m_prompts, m_desktop);
    m_prompts.answers = {true};
    run();
    QCOMPARE(m_prompts.shown.size(), 3);
    for (const int box : {0, 2}) {
        QCOMPARE(m_prompts.shown[box].title, u"错误提示"_s);
        QVERIFY(m_prompts.shown[box].text.contains(QDir::toNativeSeparators(path())));
    }
}

void TestEditorActions::unwritableFileIsReported()
{
    QVERIFY(QDir().mkdir(path())); // a folder where the file should be
    run();
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QVERIFY(m_prompts.shown[0].text.contains(u"墨檐CSS代码.txt"));
    QVERIFY(!m_prompts.shown[0].question);
    QVERIFY(m_desktop.openedFiles.isEmpty());
}

void TestEditorActions::readOnlyFolderIsReported()
{
    ReadOnlyPath guard(m_dir->path());
    if (!guard.isReadOnly())
        QSKIP("this machine cannot make a folder read-only");
    run();
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QVERIFY(m_prompts.shown[0].text.contains(u"墨檐CSS代码.txt"));
    QVERIFY(!QFile::exists(path()));
}

void TestEditorActions::generatorErrorWritesNothing()
{
    run(Area::Navigation, optionsWith({{Option::NavigationFontSize, u"abc"_s}}));
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QVERIFY(!QFile::exists(path()));
}

void TestEditorActions::folderTurnsReadOnlyBetweenRuns()
{
    run();
    const QByteArray once = readFile(path());
    {
        // A read-only folder still lets the existing file grow.
        ReadOnlyPath folder(m_dir->path());
        if (!folder.isReadOnly())
            QSKIP("this machine cannot make a folder read-only");
        run();
        QCOMPARE(readFile(path()), once + once);
        // The file itself read-only too (a folder mounted read-only): reported, nothing written.
        ReadOnlyPath file(path());
        m_prompts.shown.clear();
        run();
        QCOMPARE(m_prompts.shown.size(), 1);
        QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
        QVERIFY(m_prompts.shown[0].text.contains(u"墨檐CSS代码.txt"));
    }
    QCOMPARE(readFile(path()), once + once);
}

QTEST_GUILESS_MAIN(TestEditorActions)
#include "test_editor_actions.moc"
