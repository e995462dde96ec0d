// The programs' command line, run as a user runs it: without a display, printing the CSS of saved
// settings exactly as the buttons would append it, and failing clearly on files that are not settings.

#include "base/text_encoding.h"
#include "editor/editor_actions.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "support/fakes.h"
#include "support/helpers.h"
#include "support/pipe_in_place.h"
#include "support/read_only_path.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Run {
    int status = -1;
    bool crashed = true;
    QByteArray out;
    QString err;
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Saved settings with one colour of the page background, which the first block names.
void saveWithBackground(const QString &iniPath, const QString &colour)
{
    QDir().mkpath(QFileInfo(iniPath).path());
    QVERIFY(saveSettings(iniPath, optionsWith({{Option::PageBackgroundColour, colour}})));
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void versionAndHelpNeedNoDisplay();
    void wrongCommandLine();
    void cssIsWhatTheButtonsAppend();
    void cssReadsTheDataFolderInUse();
    void sizeThatIsNotANumber();
    void notSettings_data();
    void notSettings();
    void qtOptionsAreAcceptedAndIgnored_data();
    void qtOptionsAreAcceptedAndIgnored();
    void theWindowAndCssAgree_data();
    void theWindowAndCssAgree();

private:
    // Runs a program with no display, the user's data folder inside the test's folder.
    Run run(const QString &program, const QStringList &arguments);
    Run css(const QStringList &arguments) { return run(QStringLiteral(STYLEWRIGHT_PROGRAM), arguments); }

    QTemporaryDir m_dir;
};

Run TestCommandLine::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &display : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        env.remove(display);
    env.insert(u"XDG_DATA_HOME"_s, m_dir.filePath(u"home-data"_s));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir.path());
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestCommandLine::versionAndHelpNeedNoDisplay()
{
    for (const QString &program : {QStringLiteral(STYLEWRIGHT_PROGRAM), QStringLiteral(SHEETFETCH_PROGRAM)}) {
        const QString name = QFileInfo(program).fileName();
        const Run version = run(program, {u"--version"_s});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, (name + u' ' + QStringLiteral(STYLEWRIGHT_VERSION) + u'\n').toUtf8());
        const Run help = run(program, {u"--help"_s});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("--data-dir"));
        QCOMPARE(help.out.contains("--css"), name == u"stylewright");
        QVERIFY2(help.out.contains("显示"), help.out.constData()); // Qt's own lines are translated too
    }
}

void TestCommandLine::wrongCommandLine()
{
    for (const QStringList &arguments :
         {QStringList{u"--css"_s, u"a"_s, u"b"_s}, QStringList{u"--bogus"_s, u"--css"_s},
          QStringList{u"--css"_s, u"--data-dir"_s}, QStringList{u"--bogus"_s}, QStringList{u"extra"_s},
          QStringList{u"--data-dir"_s}, QStringList{u"-platformx"_s, u"--css"_s}}) {
        const Run wrong = css(arguments);
        QCOMPARE(wrong.status, 64); // told without trying to open a window there is no display for
        QVERIFY(wrong.out.isEmpty());
        QVERIFY2(wrong.err.contains(u"--help"), qPrintable(wrong.err));
    }
    const Run fetcher = run(QStringLiteral(SHEETFETCH_PROGRAM), {u"--css"_s});
    QCOMPARE(fetcher.status, 64);

    // Output that cannot be written is a failure, not silence with success.
    QVERIFY(QDir().mkpath(m_dir.filePath(u"full"_s)));
    QVERIFY(saveSettings(m_dir.filePath(u"full/setup.ini"_s), OptionSet()));
    for (const QStringList &arguments :
         {QStringList{u"--version"_s}, QStringList{u"--css"_s, m_dir.filePath(u"full/setup.ini"_s)}}) {
        QProcess process;
        process.setStandardOutputFile(u"/dev/full"_s);
        process.start(QStringLiteral(STYLEWRIGHT_PROGRAM), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 74);
        QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains(u"无法写到标准输出"));
    }
}

void TestCommandLine::cssIsWhatTheButtonsAppend()
{
    const QString ini = m_dir.filePath(u"saved/setup.ini"_s);
    QDir().mkpath(m_dir.filePath(u"saved"_s));
    QVERIFY(saveSettings(ini, optionsWith({{Option::PageBackgroundColour, u"#12ab34"_s},
                                           {Option::NameFont, u"微软雅黑"_s},
                                           {Option::NameFontSize, u"12.5"_s},
                                           {Option::NavigationHideDividers, u"0"_s}})));
    OptionSet loaded;
    QVERIFY(loadSettings(ini, loaded));
    // The eleven buttons pressed in tab order into another folder.
    QTemporaryDir buttons;
    FakePrompts prompts;
    FakeDesktop desktop;
    for (const TabDef &tab : tabs())
        runAreaButton(tab.area, loaded, buttons.path(), prompts, desktop);
    const QByteArray appended = readFile(codeFilePath(buttons.path()));

    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const Run printed = css({u"--css"_s, ini});
    QCOMPARE(printed.status, 0);
    QVERIFY2(printed.err.isEmpty(), qPrintable(printed.err));
    QCOMPARE(printed.out, decodeGbk(appended).toUtf8());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before); // no file written
    QCOMPARE(QDir(m_dir.filePath(u"saved"_s)).entryList(QDir::Files), QStringList{u"setup.ini"_s});
}

void TestCommandLine::cssReadsTheDataFolderInUse()
{
    // A copy of the program in a folder of its own, as a user has it.
    const QString programFolder = m_dir.filePath(u"program"_s);
    QVERIFY(QDir().mkpath(programFolder));
    const QString program = programFolder + u"/stylewright";
    QFile::remove(program);
    QVERIFY(QFile::copy(QStringLiteral(STYLEWRIGHT_PROGRAM), program));
    saveWithBackground(settingsPath(programFolder), u"#111111"_s);
    saveWithBackground(m_dir.filePath(u"home-data/stylewright/setup.ini"_s), u"#222222"_s);
    saveWithBackground(m_dir.filePath(u"given/setup.ini"_s), u"#333333"_s);

    QVERIFY(run(program, {u"--css"_s}).out.contains("#111111"));
    QVERIFY(run(program, {u"--css"_s, u"--data-dir"_s, m_dir.filePath(u"given"_s)}).out.contains("#333333"));
    QVERIFY(run(program, {u"--data-dir=given"_s, u"--css"_s}).out.contains("#333333")); // relative to where it runs
    {
        ReadOnlyPath guard(programFolder);
        if (!guard.isReadOnly())
            QSKIP("this machine cannot make a folder read-only");
        const Run installed = run(program, {u"--css"_s});
        QCOMPARE(installed.status, 0);
        QVERIFY(installed.out.contains("#222222"));
    }
    QFile::remove(m_dir.filePath(u"home-data/stylewright/setup.ini"_s));
    const Run nothingSaved = run(program, {u"--css"_s, u"--data-dir"_s, m_dir.filePath(u"home-data/stylewright"_s)});
    QCOMPARE(nothingSaved.status, 2);
    QVERIFY2(nothingSaved.err.contains(m_dir.filePath(u"home-data/stylewright/setup.ini"_s)),
             qPrintable(nothingSaved.err));
}

void TestCommandLine::sizeThatIsNotANumber()
{
    const QString ini = m_dir.filePath(u"nan/setup.ini"_s);
    QDir().mkpath(m_dir.filePath(u"nan"_s));
    QVERIFY(saveSettings(ini, optionsWith({{Option::NavigationFontSize, u"abc"_s}})));
    OptionSet loaded;
    QVERIFY(loadSettings(ini, loaded));
    const Result<QStringList> refused = generateArea(Area::Navigation, loaded);
    QVERIFY(!refused);
    const Run printed = css({u"--css"_s, ini});
    QCOMPARE(printed.status, 1);
    QVERIFY(printed.out.isEmpty()); // all or nothing
    QCOMPARE(printed.err.trimmed(), refused.failure().message);
}

void TestCommandLine::notSettings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");

    const QString missing = m_dir.filePath(u"absent.ini"_s);
    QTest::newRow("missing") << missing << 2 << u"找不到设置文件“%1”"_s.arg(missing);
    QTest::newRow("a folder") << m_dir.path() << 2 << u"不是一个文件"_s;
    QTest::newRow("a device") << u"/dev/zero"_s << 2 << u"不是一个文件"_s;
    const QList<std::pair<const char *, QByteArray>> contents = {
        {"empty", {}},
        {"not INI", "just some words\r\n"},
        {"other INI", "[a]\r\nb=c\r\n"},
        {"picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"not GBK", "[宠物]\r\n宠物大小=\xff\x20\r\n"},
    };
    for (const auto &[name, bytes] : contents) {
        const QString path = m_dir.filePath(u"bad/"_s + QString::fromLatin1(name) + u".ini");
        writeBytes(path, bytes);
        QTest::newRow(name) << path << 3 << path;
    }
    const QString huge = m_dir.filePath(u"bad/huge.ini"_s);
    writeBytes(huge, "[外观]\r\n");
    QFile grown(huge);
    QVERIFY(grown.resize(65 * 1024 * 1024)); // sparse: no time or disk spent
    QTest::newRow("huge") << huge << 3 << u"太大"_s;
    const QString lines = m_dir.filePath(u"bad/lines.ini"_s); // far too many lines to read in a moment
    writeBytes(lines, "[外观]\r\n" + QByteArray(2 * 1024 * 1024, '\n'));
    QTest::newRow("two million empty lines") << lines << 3 << u"太大"_s;
}

void TestCommandLine::notSettings()
{
    QFETCH(QString, file);
    QFETCH(int, status);
    QFETCH(QString, said);
    const Run printed = css({u"--css"_s, file});
    QVERIFY(!printed.crashed);
    QCOMPARE(printed.status, status);
    QVERIFY(printed.out.isEmpty());
    QVERIFY2(printed.err.contains(said), qPrintable(printed.err));
}

void TestCommandLine::qtOptionsAreAcceptedAndIgnored_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("plainArguments"); // the same run without Qt's options

    const QString ini = m_dir.filePath(u"qt/setup.ini"_s);
    saveWithBackground(ini, u"#445566"_s);
    const QString folder = m_dir.filePath(u"qt"_s);
    const QString editor = QStringLiteral(STYLEWRIGHT_PROGRAM);
    const QString fetcher = QStringLiteral(SHEETFETCH_PROGRAM);
    const QStringList css{u"--css"_s, ini};
    QTest::newRow("platform before --css") << editor << QStringList{u"-platform"_s, u"offscreen"_s} + css << css;
    QTest::newRow("style after the file") << editor << css + QStringList{u"-style"_s, u"fusion"_s} << css;
    QTest::newRow("style with =") << editor << QStringList{u"-style=fusion"_s} + css << css;
    QTest::newRow("two dashes") << editor << QStringList{u"--platform"_s, u"offscreen"_s} + css << css;
    QTest::newRow("geometry, display, reverse")
        << editor << QStringList{u"-qwindowgeometry"_s, u"100x100+0+0"_s, u"-reverse"_s, u"-display"_s, u":99"_s} + css
        << css;
    // The value of a window option is no settings file: the data folder's setup.ini is read.
    QTest::newRow("style value is not the file")
        << editor << QStringList{u"--css"_s, u"--data-dir"_s, folder, u"-style"_s, u"fusion"_s}
        << QStringList{u"--css"_s, u"--data-dir"_s, folder};
    QTest::newRow("editor help") << editor << QStringList{u"-platform"_s, u"offscreen"_s, u"--help"_s}
                                 << QStringList{u"--help"_s};
    QTest::newRow("editor version") << editor << QStringList{u"--version"_s, u"-style"_s, u"fusion"_s}
                                    << QStringList{u"--version"_s};
    QTest::newRow("fetcher version") << fetcher << QStringList{u"-platform"_s, u"offscreen"_s, u"--version"_s}
                                     << QStringList{u"--version"_s};
    QTest::newRow("fetcher help") << fetcher << QStringList{u"--help"_s, u"-display"_s, u":1"_s}
                                  << QStringList{u"--help"_s};
}

void TestCommandLine::qtOptionsAreAcceptedAndIgnored()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, plainArguments);
    const Run plain = run(program, plainArguments);
    QCOMPARE(plain.status, 0);
    const Run withQt = run(program, arguments);
    QVERIFY2(withQt.err.isEmpty(), qPrintable(withQt.err));
    QCOMPARE(withQt.status, 0);
    QCOMPARE(withQt.out, plain.out);
    QVERIFY(!plain.out.isEmpty());
}

void TestCommandLine::theWindowAndCssAgree_data()
{
    QTest::addColumn<QString>("kind"); // "file", or what stands where the file should be
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");
    const QByteArray saved = settingsBytes(optionsWith(
        {{Option::PagePictureOn, u"1"_s}, {Option::PagePicture, u"http://a.test/"_s + QString(3000, u'p')}}));
    QTest::newRow("saved settings, a long value") << u"file"_s << saved << true;
    QTest::newRow("NUL bytes") << u"file"_s << QByteArray("; \0\0\r\n", 6) + saved << true;
    QTest::newRow("not GBK") << u"file"_s << QByteArray(saved).replace("#000000", "#\xff\x20\x80") << true;
    QTest::newRow("empty") << u"file"_s << QByteArray() << false;
    QTest::newRow("no saved data") << u"file"_s << QByteArray("[a]\r\nb=c\r\n") << false;
    const QByteArray padding = "; " + QByteArray(kMaxSettingsFileBytes - saved.size() - 4, 'x') + "\r\n";
    QTest::newRow("at the size limit") << u"file"_s << padding + saved << true;
    QTest::newRow("one byte over") << u"file"_s << "x" + padding + saved << false;
    QTest::newRow("a folder") << u"folder"_s << QByteArray() << false;
    QTest::newRow("a pipe") << u"pipe"_s << QByteArray() << false;
}

// "读取数据" and --css read a file through one reader: what the window loads, --css prints, from the
// same options; what the window refuses, --css refuses.
void TestCommandLine::theWindowAndCssAgree()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    const QString folder = m_dir.filePath(u"agree/"_s + QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(folder));
    const QString ini = settingsPath(folder);
    std::unique_ptr<PipeInPlace> pipe;
    if (kind == u"folder") {
        QVERIFY(QDir().mkdir(ini));
    } else if (kind == u"pipe") {
        pipe = std::make_unique<PipeInPlace>(ini);
        QVERIFY(pipe->made());
    } else {
        writeBytes(ini, bytes);
    }
    OptionSet window;
    FakePrompts prompts;
    loadSettingsAction(folder, window, prompts);
    QCOMPARE(prompts.shown.isEmpty(), loads);

    const Run printed = css({u"--css"_s, ini});
    QVERIFY(!printed.crashed);
    if (!loads) {
        QVERIFY2(printed.status == 2 || printed.status == 3, qPrintable(printed.err));
        QVERIFY(printed.out.isEmpty());
        return;
    }
    QByteArray expected;
    for (const TabDef &tab : tabs())
        expected += decodeGbk(encodeBlock(*generateArea(tab.area, window))).toUtf8();
    QCOMPARE(printed.status, 0);
    QCOMPARE(printed.out, expected);
    QVERIFY(printed.out.contains(window.value(Option::PagePicture).toUtf8())); // whole, however long
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
