#include "options/catalogue.h"
#include "options/option_set.h"
#include "editor/editor_actions.h"
#include "options/settings_file.h"
#include "base/text_encoding.h"
#include "support/fakes.h"
#include "support/read_only_path.h"
#include "support/helpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Every value and enabled flag, for comparing two records.
QStringList snapshot(const OptionSet &o)
{
    QStringList out;
    for (int row = 0; row < kOptionCount; ++row)
        out << options()[row].id + u'=' + o.value(optionAt(row)) + (o.isEnabled(optionAt(row)) ? u" on" : u" off");
    return out;
}

// A record with every text changed and every check box flipped, through the rules (the body
// picture stays as the transparency leaves it: a user cannot tick it then).
OptionSet changedEverywhere()
{
    OptionSet o;
    for (int row = 0; row < kOptionCount; ++row) {
        const OptionDef &d = options()[row];
        if (d.option == Option::MainPictureOn)
            continue;
        if (d.kind == OptionKind::Check)
            o.setValue(optionAt(row), o.value(optionAt(row)) == u"1" ? u"0"_s : u"1"_s);
        else
            o.setValue(optionAt(row), u"值"_s + QString::number(row));
    }
    return o;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_ini = settingsPath(m_dir.path());
        QFile::remove(m_ini);
    }

    void newFileInTableOrder();
    void savingTwiceGivesTheSameBytes();
    void handAddedLinesSurvive();
    void roundTripRestoresEveryOption();
    void loadedTextsAreTrimmedAndUnquoted();
    void flags_data();
    void flags();
    void noSavedData_data();
    void noSavedData();
    void missingKeysEmptyTheirFields();
    void transparencyWinsOverBodyPicture_data();
    void transparencyWinsOverBodyPicture();
    void loadingTwiceEqualsLoadingOnce();
    void readOnlyFolderKeepsThePreviousFile();
    void unwritablePlaces();
    void aLinkedFileIsSavedThroughTheLink();
    void hostileFiles();
    void textsBeyondGbkSurvive();
    void longValuesComeBackWhole_data();
    void longValuesComeBackWhole();
    void aSaveNoLoadCouldReadIsRefused();

private:
    QTemporaryDir m_dir;
    QString m_ini;
};

void TestSettingsFile::newFileInTableOrder()
{
    QVERIFY(saveSettings(m_ini, OptionSet()));
    const QByteArray bytes = readFile(m_ini);
    // The exact bytes of a first save of the defaults, written once and checked line by line.
    const QString fixture = QFINDTESTDATA("fixtures/new-setup.ini");
    QVERIFY(!fixture.isEmpty());
    QCOMPARE(bytes, readFile(fixture));
    QVERIFY(bytes.startsWith(encodeGbk(u"[空间背景]\r\n固定背景=0\r\n背景颜色=背景颜色#000000\r\n背景图片选项=0\r\n")));
    QVERIFY(bytes.endsWith(encodeGbk(u"\r\n[宠物设置]\r\n宠物大小=默认大小\r\n")));
    QVERIFY(!bytes.contains("\n\n") && bytes.count('\n') == bytes.count("\r\n"));

    // Section headers and keys appear exactly in the table's order.
    QStringList expected;
    QString section;
    for (Option option : saveOrder()) {
        const OptionDef &d = optionDef(option);
        if (d.section != section)
            expected << u'[' + d.section + u']';
        section = d.section.toString();
        expected << d.key + u'=';
    }
    QStringList actual;
    for (const QString &line : decodeGbk(bytes).split(u"\r\n"_s, Qt::SkipEmptyParts))
        actual << (line.startsWith(u'[') ? line : line.left(line.indexOf(u'=') + 1));
    QCOMPARE(actual, expected);
    QCOMPARE(actual.size(), 189 + 24);
}

void TestSettingsFile::savingTwiceGivesTheSameBytes()
{
    const OptionSet o = changedEverywhere();
    QVERIFY(saveSettings(m_ini, o));
    const QByteArray first = readFile(m_ini);
    QVERIFY(saveSettings(m_ini, o));
    QCOMPARE(readFile(m_ini), first);
}

void TestSettingsFile::handAddedLinesSurvive()
{
    QVERIFY(saveSettings(m_ini, OptionSet()));
    const QByteArray extra = "; mine\r\n[Notes]\r\nseen=yes\r\n";
    writeAll(m_ini, extra + readFile(m_ini) + encodeGbk(u"[宠物设置]\r\n我的=1\r\n"));
    QVERIFY(saveSettings(m_ini, changedEverywhere()));
    const QByteArray after = readFile(m_ini);
    QVERIFY(after.startsWith(extra));
    QVERIFY(after.contains(encodeGbk(u"我的=1\r\n")));
    OptionSet loaded;
    QVERIFY(loadSettings(m_ini, loaded));
    QCOMPARE(snapshot(loaded), snapshot(changedEverywhere()));
}

void TestSettingsFile::roundTripRestoresEveryOption()
{
    const OptionSet saved = changedEverywhere();
    QVERIFY(saveSettings(m_ini, saved));
    OptionSet o; // a fresh window, then the user's own changes
    o.setValue(Option::PagePictureOn, u"1"_s);
    o.setValue(Option::NameEffect, u"发光效果"_s);
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(snapshot(o), snapshot(saved));
}

void TestSettingsFile::loadedTextsAreTrimmedAndUnquoted()
{
    OptionSet saved;
    saved.setValue(Option::PagePicturePosition, u"bottom center "_s);
    saved.setValue(Option::PagePicture, u"\"http://a.test/b.jpg\""_s);
    saved.setValue(Option::MainPicture, QString());
    QVERIFY(saveSettings(m_ini, saved));
    QVERIFY(readFile(m_ini).contains(encodeGbk(u"\r\n主体背景图片=\r\n")));
    OptionSet o;
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(o.value(Option::PagePicturePosition), u"bottom center"_s);
    QCOMPARE(o.value(Option::PagePicture), u"http://a.test/b.jpg"_s);
    QCOMPARE(o.value(Option::MainPicture), QString());
}

void TestSettingsFile::flags_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("1 checks") << u"1"_s << u"0"_s << u"1"_s;
    QTest::newRow("1.0 checks") << u"1.0"_s << u"0"_s << u"1"_s;
    QTest::newRow("0 unchecks") << u"0"_s << u"1"_s << u"0"_s;
    QTest::newRow("2 unchecks") << u"2"_s << u"1"_s << u"0"_s;
    QTest::newRow("-1 unchecks") << u"-1"_s << u"1"_s << u"0"_s;
    QTest::newRow("not a number keeps") << u"yes"_s << u"1"_s << u"1"_s;
    QTest::newRow("empty keeps") << QString() << u"1"_s << u"1"_s;
}

void TestSettingsFile::flags()
{
    QFETCH(QString, stored);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QVERIFY(saveSettings(m_ini, OptionSet()));
    writeAll(m_ini, readFile(m_ini).replace(encodeGbk(u"背景图片选项=0"), encodeGbk(u"背景图片选项=" + stored)));
    OptionSet o;
    o.setValue(Option::PagePictureOn, before);
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(o.value(Option::PagePictureOn), after);
    QCOMPARE(o.isEnabled(Option::PagePicture), after == u"1");
}

void TestSettingsFile::noSavedData_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("no pet key") << encodeGbk(u"[空间背景]\r\n背景颜色=背景颜色#FFFFFF\r\n[宠物设置]\r\n");
    QTest::newRow("empty pet key") << encodeGbk(
        u"[空间背景]\r\n背景颜色=背景颜色#FFFFFF\r\n[宠物设置]\r\n宠物大小=  \r\n");
    QTest::newRow("pet key elsewhere") << encodeGbk(u"[空间背景]\r\n宠物大小=100\r\n背景颜色=背景颜色#FFFFFF\r\n");
}

void TestSettingsFile::noSavedData()
{
    QFETCH(QByteArray, file);
    if (!file.isEmpty())
        writeAll(m_ini, file);
    OptionSet o = changedEverywhere();
    const QStringList before = snapshot(o);
    FakePrompts prompts;
    loadSettingsAction(m_dir.path(), o, prompts);
    QCOMPARE(snapshot(o), before);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].title, u"stylewright"_s);
    QCOMPARE(prompts.shown[0].text, u"找不到保存的数据，请确认是否保存！！"_s);
}

void TestSettingsFile::missingKeysEmptyTheirFields()
{
    writeAll(m_ini, encodeGbk(u"[宠物设置]\r\n宠物大小=300\r\n"));
    OptionSet o;
    o.setValue(Option::PagePictureOn, u"1"_s);
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(o.value(Option::PetSize), u"300"_s);
    QCOMPARE(o.value(Option::PageBackgroundColour), QString());
    QCOMPARE(o.value(Option::PagePictureOn), u"1"_s); // an empty flag leaves its box as it was
}

void TestSettingsFile::transparencyWinsOverBodyPicture_data()
{
    QTest::addColumn<Settings>("before"); // the record the file is loaded into
    QTest::newRow("design-time record") << Settings{};
    QTest::newRow("transparency already on") << Settings{{Option::MainTransparencyOn, u"1"_s}};
    QTest::newRow("body picture on") << Settings{{Option::MainPictureOn, u"1"_s}};
    QTest::newRow("body picture on, then transparency on") << Settings{{Option::MainPictureOn, u"1"_s},
                                                                       {Option::MainTransparencyOn, u"1"_s},
                                                                       {Option::MainPicture, u"http://a.test/p.png"_s}};
}

void TestSettingsFile::transparencyWinsOverBodyPicture()
{
    QFETCH(Settings, before);
    OptionSet saved;
    saved.setValue(Option::MainPictureOn, u"1"_s);
    QVERIFY(saveSettings(m_ini, saved));
    writeAll(m_ini, readFile(m_ini).replace(encodeGbk(u"主体背景透明=0"), encodeGbk(u"主体背景透明=1")));
    QVERIFY(readFile(m_ini).contains(encodeGbk(u"\r\n主体背景图片选项=1\r\n")));

    OptionSet o = optionsWith(before);
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(o.value(Option::MainTransparencyOn), u"1"_s);
    QCOMPARE(o.value(Option::MainPictureOn), u"0"_s);
    QVERIFY(!o.isEnabled(Option::MainPictureOn));
    QVERIFY(!o.isEnabled(Option::MainPicture));
    QVERIFY(o.isEnabled(Option::MainTransparency));
    const QStringList once = snapshot(o);
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(snapshot(o), once);
}

void TestSettingsFile::loadingTwiceEqualsLoadingOnce()
{
    OptionSet saved;
    saved.setValue(Option::MainPictureOn, u"1"_s);
    QVERIFY(saveSettings(m_ini, saved));
    writeAll(m_ini, readFile(m_ini).replace(encodeGbk(u"主体背景透明=0"), encodeGbk(u"主体背景透明=1")));
    OptionSet once;
    QVERIFY(loadSettings(m_ini, once));
    OptionSet twice = once; // transparency is already on before the second load
    QVERIFY(loadSettings(m_ini, twice));
    QCOMPARE(snapshot(twice), snapshot(once));
}

void TestSettingsFile::readOnlyFolderKeepsThePreviousFile()
{
    QVERIFY(saveSettings(m_ini, OptionSet()));
    const QByteArray previous = readFile(m_ini);
    FakePrompts prompts;
    {
        ReadOnlyPath guard(m_dir.path());
        if (!guard.isReadOnly())
            QSKIP("this machine cannot make a folder read-only");
        saveSettingsAction(m_dir.path(), changedEverywhere(), prompts);
    }
    QCOMPARE(readFile(m_ini), previous);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].title, u"stylewright"_s);
    QCOMPARE(prompts.shown[0].text, u"保存出错！！"_s);
}

void TestSettingsFile::unwritablePlaces()
{
    QVERIFY(!saveSettings(m_dir.filePath(u"missing/folder/setup.ini"_s), OptionSet()));
    QVERIFY(QDir(m_dir.path()).mkdir(u"setup.ini"_s)); // a folder where the file should be
    QVERIFY(!saveSettings(m_ini, OptionSet()));
    OptionSet o;
    QVERIFY(!loadSettings(m_ini, o));
    QVERIFY(QDir(m_ini).removeRecursively());

    // A pipe in the file's place would block a reader until someone writes to it: refused at once.
    QCOMPARE(::mkfifo(QFile::encodeName(m_ini).constData(), 0600), 0);
    QVERIFY(!loadSettings(m_ini, o));
    QVERIFY(!saveSettings(m_ini, o));
    QVERIFY(QFile::remove(m_ini));
    QVERIFY(!loadSettings(u"/dev/zero"_s, o)); // a device that never ends
}

// A setup.ini kept elsewhere and linked in: the save goes to the file, and the link stays.
void TestSettingsFile::aLinkedFileIsSavedThroughTheLink()
{
    QVERIFY(QDir(m_dir.path()).mkdir(u"kept"_s));
    const QString kept = m_dir.filePath(u"kept/setup.ini"_s);
    QVERIFY(QFile::link(u"kept/setup.ini"_s, m_ini)); // relative, as a person makes one; nothing there yet
    OptionSet o;
    o.setValue(Option::PageBackgroundColour, u"背景颜色#123456"_s);
    QVERIFY(saveSettings(m_ini, o));
    QVERIFY(QFileInfo(m_ini).isSymLink());
    QVERIFY(readFile(kept).contains("123456"));
    o.setValue(Option::PageBackgroundColour, u"背景颜色#654321"_s);
    QVERIFY(saveSettings(m_ini, o));
    QVERIFY(QFileInfo(m_ini).isSymLink());
    QVERIFY(readFile(kept).contains("654321"));
    QCOMPARE(QDir(m_dir.filePath(u"kept"_s)).entryList(QDir::Files | QDir::Hidden), QStringList{u"setup.ini"_s});
}

void TestSettingsFile::hostileFiles()
{
    // Binary bytes, a key line without "=", a 10 000-byte value: loading and saving stay sound.
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) % 256);
    writeAll(m_ini, junk + encodeGbk(u"\r\n[宠物设置]\r\n宠物大小\r\n宠物大小=" + QString(10000, u'9') + u"\r\n"));
    OptionSet o;
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(o.value(Option::PetSize), QString(10000, u'9'));
    QVERIFY(saveSettings(m_ini, o));
    QVERIFY(readFile(m_ini).startsWith(junk)); // lines the program does not own stay as they were
    OptionSet again;
    QVERIFY(loadSettings(m_ini, again));
    QCOMPARE(snapshot(again), snapshot(o));

    // Far too large to be a settings file: refused, never half-read or rewritten.
    {
        QFile f(m_ini);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(f.resize(65 * 1024 * 1024));
    }
    QVERIFY(!loadSettings(m_ini, o));
    QVERIFY(!saveSettings(m_ini, o));
    QCOMPARE(QFileInfo(m_ini).size(), 65 * 1024 * 1024);
}

void TestSettingsFile::textsBeyondGbkSurvive()
{
    OptionSet saved;
    saved.setValue(Option::PagePicture, u"http://a.test/😀.jpg"_s);
    saved.setValue(Option::NamePicture, u"a}\r\nb"_s);
    QVERIFY(saveSettings(m_ini, saved));
    OptionSet o;
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(o.value(Option::PagePicture), u"http://a.test/😀.jpg"_s);
    QCOMPARE(o.value(Option::NamePicture), u"a}  b"_s); // a line break cannot live in one settings line
    QCOMPARE(o.value(Option::PageBackgroundColour), saved.value(Option::PageBackgroundColour));
}

void TestSettingsFile::longValuesComeBackWhole_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("1000 bytes") << QString(1000, u'a') << QString(1000, u'a');
    QTest::newRow("two-byte characters past 999 bytes") << QString(500, u'字') << QString(500, u'字');
    QTest::newRow("a picture as a data address")
        << u"data:image/png;base64,"_s + QString(30000, u'Q') << u"data:image/png;base64,"_s + QString(30000, u'Q');
    QTest::newRow("the longest a field holds") << QString(kMaxTextLength, u'墨') << QString(kMaxTextLength, u'墨');
    QTest::newRow("longer than a field holds") << QString(kMaxTextLength + 9, u'x') << QString(kMaxTextLength, u'x');
    // A character beyond GBK is two in the text and four bytes in the file: never half of one.
    const QString last = QString(kMaxTextLength - 1, u'x') + u"😀";
    QTest::newRow("a character across the limit") << last << last.first(kMaxTextLength - 1);
}

// What a save writes whole comes back whole, up to what a field can hold.
void TestSettingsFile::longValuesComeBackWhole()
{
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    OptionSet saved;
    saved.setValue(Option::PagePicture, stored);
    QVERIFY(saveSettings(m_ini, saved));
    QVERIFY(readFile(m_ini).contains(encodeGbk(u"=" + stored + u"\r\n")));
    OptionSet o;
    QVERIFY(loadSettings(m_ini, o));
    QCOMPARE(o.value(Option::PagePicture), loaded);
    QCOMPARE(o.value(Option::PageBackgroundColour), saved.value(Option::PageBackgroundColour));
}

void TestSettingsFile::aSaveNoLoadCouldReadIsRefused()
{
    QVERIFY(saveSettings(m_ini, OptionSet()));
    const QByteArray before = readFile(m_ini);
    OptionSet huge;
    for (const OptionDef &def : options()) {
        if (def.kind != OptionKind::Check)
            huge.setValue(def.option, QString(kMaxTextLength, u'墨')); // 64 KiB each, as fields allow
    }
    QVERIFY(settingsBytes(huge).size() > kMaxSettingsFileBytes);
    const Result<void> saved = writeSettings(m_ini, huge);
    QVERIFY(!saved.ok());
    QCOMPARE(saved.failure().message, kSaveFailedMessage);
    QCOMPARE(readFile(m_ini), before);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
