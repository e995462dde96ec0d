// Looks as files: the built-in ones, and the user's own saved, renamed, deleted, exported and
// imported under any name, with files that are no looks shown with their reason.

#include "generators/generators.h"
#include "looks/look_colours.h"
#include "looks/look_library.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "support/helpers.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace stylewright;
using namespace stylewright::testing;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

OptionSet edited()
{
    return optionsWith({{Option::PageBackgroundColour, QStringLiteral("背景颜色#123456")},
                        {Option::NameFontSize, QStringLiteral("44")}});
}

} // namespace

class TestLookLibrary : public QObject {
    Q_OBJECT
private slots:
    void builtInLooksAreWholeAndGenerateEveryArea();
    void aBuiltInLookReadsLikeSetupIni();
    void mainColoursComeFromTheLook();
    void hostileNamesRoundTrip_data();
    void hostileNamesRoundTrip();
    void unusableNamesSayWhy_data();
    void unusableNamesSayWhy();
    void importingATakenNameNumbersIt();
    void badFilesAreShownWithTheirReason_data();
    void badFilesAreShownWithTheirReason();
    void anUnwritableFolderIsNamed();
};

void TestLookLibrary::builtInLooksAreWholeAndGenerateEveryArea()
{
    const QList<Look> looks = builtInLooks();
    QVERIFY(looks.size() >= 8);
    QSet<QString> names;
    for (const Look &look : looks) {
        QVERIFY2(look.usable(), qPrintable(look.path + u": " + look.problem));
        QVERIFY(!look.header.name.isEmpty() && !look.header.description.isEmpty());
        QVERIFY2(!names.contains(look.header.name), qPrintable(look.header.name));
        names.insert(look.header.name);
        OptionSet options;
        QVERIFY(applyLook(look, options));
        for (const OptionDef &def : stylewright::options()) {
            // A complete set: every key stored; no outside picture, so it works as pasted.
            const bool stored = !options.value(def.option).isEmpty();
            QVERIFY2(stored || def.kind == OptionKind::Picture, qPrintable(look.header.name + u": " + def.id));
            if (def.kind == OptionKind::Check && def.caption.contains(u"图片"))
                QVERIFY2(options.value(def.option) == u"0", qPrintable(look.header.name + u": " + def.id));
        }
        for (Area area : areas()) {
            const Result<QStringList> block = generateArea(area, options);
            QVERIFY2(block.ok(), qPrintable(look.header.name + u": " + (block ? QString() : block.failure().message)));
        }
    }
}

void TestLookLibrary::aBuiltInLookReadsLikeSetupIni()
{
    // "读取数据" of a look file gives the options "使用" gives.
    QTemporaryDir dir;
    const Look look = builtInLooks().at(2);
    const QString file = dir.filePath(QStringLiteral("setup.ini"));
    writeFile(file, look.bytes);
    OptionSet read, used;
    QVERIFY(readSettings(file, read));
    QVERIFY(applyLook(look, used));
    for (const OptionDef &def : stylewright::options())
        QCOMPARE(read.value(def.option), used.value(def.option));
    // A save over it keeps the name.
    QVERIFY(saveSettings(file, read));
    QCOMPARE(lookFromFile(file).header.name, look.header.name);
}

void TestLookLibrary::mainColoursComeFromTheLook()
{
    const QList<quint32> colours = mainColours(edited());
    QVERIFY(colours.size() >= 3);
    QCOMPARE(colours.first(), 0x123456u);
    QCOMPARE(QSet<quint32>(colours.begin(), colours.end()).size(), colours.size());
}

void TestLookLibrary::hostileNamesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("slashes") << QStringLiteral("a/b\\c");
    QTest::newRow("dots") << QStringLiteral("..");
    QTest::newRow("climbing") << QStringLiteral("../../etc/passwd");
    QTest::newRow("quoted") << QStringLiteral("\"引号\"");
    QTest::newRow("outside GBK") << QStringLiteral("夜空🌙");
    QTest::newRow("device name") << QStringLiteral("CON");
    QTest::newRow("file name") << QStringLiteral("setup.ini");
    QTest::newRow("longest") << QString(kLongestLookName, u'长');
    QTest::newRow("brackets and equals") << QStringLiteral("[外观]名称=x;注释");
}

void TestLookLibrary::hostileNamesRoundTrip()
{
    QFETCH(QString, name);
    QTemporaryDir data, other;
    const QString looks = looksFolder(data.path());
    QVERIFY(!nameProblem(name, builtInLooks()));

    const Result<Look> saved = saveOwnLook(data.path(), {name, QStringLiteral("说明")}, edited());
    QVERIFY2(saved.ok(), qPrintable(saved ? QString() : saved.failure().message));
    QCOMPARE(QFileInfo(saved->path).absolutePath(), QFileInfo(looks).absoluteFilePath());
    QList<Look> own = ownLooks(data.path());
    QCOMPARE(own.size(), 1);
    QCOMPARE(own[0].header.name, name);
    QCOMPARE(own[0].header.description, QStringLiteral("说明"));
    OptionSet back;
    QVERIFY(applyLook(own[0], back));
    QCOMPARE(back.value(Option::PageBackgroundColour), QStringLiteral("背景颜色#123456"));

    const QString renamedTo = name + u'2';
    const Result<Look> renamed = renameOwnLook(data.path(), own[0], renamedTo.right(kLongestLookName));
    QVERIFY(renamed.ok());
    own = ownLooks(data.path());
    QCOMPARE(own.size(), 1);
    QCOMPARE(own[0].header.name, renamedTo.right(kLongestLookName));
    QCOMPARE(own[0].settings, saved->settings);

    const QString shared = other.filePath(QStringLiteral("shared.ini"));
    QVERIFY(exportLook(own[0], shared));
    QTemporaryDir friendData;
    const Result<Look> imported = importLook(friendData.path(), shared, builtInLooks());
    QVERIFY(imported.ok());
    QCOMPARE(imported->header.name, own[0].header.name);
    QCOMPARE(imported->settings, saved->settings);

    QVERIFY(deleteOwnLook(own[0]));
    QVERIFY(ownLooks(data.path()).isEmpty());
    QCOMPARE(QDir(looks).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
    QCOMPARE(QDir(data.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("looks")});
}

void TestLookLibrary::unusableNamesSayWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said");
    QTest::newRow("empty") << QString() << QStringLiteral("不能为空");
    QTest::newRow("only blanks") << QStringLiteral(" \t\u3000 ") << QStringLiteral("不能为空");
    QTest::newRow("too long") << QString(kLongestLookName + 1, u'长') << QStringLiteral("最多");
    QTest::newRow("line break") << QStringLiteral("一\n二") << QStringLiteral("控制字符");
    QTest::newRow("escape") << QStringLiteral("a\x1b[31m") << QStringLiteral("控制字符");
    QTest::newRow("built-in name") << QStringLiteral("夜空") << QStringLiteral("已经有名为“夜空”");
    QTest::newRow("other case") << QStringLiteral(" MINE ") << QStringLiteral("已经有名为“MINE”");
}

void TestLookLibrary::unusableNamesSayWhy()
{
    QFETCH(QString, name);
    QFETCH(QString, said);
    QTemporaryDir data;
    QVERIFY(saveOwnLook(data.path(), {QStringLiteral("mine"), {}}, edited()).ok());
    QList<Look> looks = builtInLooks() + ownLooks(data.path());
    const std::optional<QString> problem = nameProblem(name, looks);
    QVERIFY(problem);
    QVERIFY2(problem->contains(said), qPrintable(*problem));
    // A look may keep its own name when renamed.
    QVERIFY(!nameProblem(QStringLiteral("Mine"), looks, looks.last().path));
}

void TestLookLibrary::importingATakenNameNumbersIt()
{
    QTemporaryDir data, other;
    const QString file = other.filePath(QStringLiteral("night.ini"));
    writeFile(file, builtInLooks().at(2).bytes);
    QList<Look> looks = builtInLooks();
    const QString night = looks.at(2).header.name;
    for (const QString &expected : QStringList{night + QStringLiteral("（2）"), night + QStringLiteral("（3）")}) {
        const Result<Look> imported = importLook(data.path(), file, looks);
        QVERIFY(imported.ok());
        QCOMPARE(imported->header.name, expected);
        looks = builtInLooks() + ownLooks(data.path());
    }
    // A settings file without a name is named for its file.
    const QString plain = other.filePath(QStringLiteral("旧设置.ini"));
    QVERIFY(saveSettings(plain, edited()));
    const Result<Look> imported = importLook(data.path(), plain, looks);
    QVERIFY(imported.ok());
    QCOMPARE(imported->header.name, QStringLiteral("旧设置"));
    QCOMPARE(ownLooks(data.path()).size(), 3);
}

void TestLookLibrary::badFilesAreShownWithTheirReason_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said");
    QTest::newRow("not settings") << QStringLiteral("garbage") << QStringLiteral("不是设置文件");
    QTest::newRow("empty") << QStringLiteral("empty") << QStringLiteral("不是设置文件");
    QTest::newRow("over the cap") << QStringLiteral("large") << QStringLiteral("超过 1 MiB");
    QTest::newRow("link to a folder") << QStringLiteral("folder link") << QStringLiteral("不是一个普通文件");
    QTest::newRow("pipe") << QStringLiteral("pipe") << QStringLiteral("不是一个普通文件");
    QTest::newRow("dangling link") << QStringLiteral("dangling") << QStringLiteral("不存在");
}

void TestLookLibrary::badFilesAreShownWithTheirReason()
{
    QFETCH(QString, kind);
    QFETCH(QString, said);
    QTemporaryDir data;
    const QString folder = looksFolder(data.path());
    QVERIFY(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath(QStringLiteral("bad.ini"));
    if (kind == u"garbage") {
        writeFile(path, QByteArray("\x00\xff[\x01]\n=\x80", 8).repeated(100));
    } else if (kind == u"empty") {
        writeFile(path, {});
    } else if (kind == u"large") {
        // Saved data that a larger file would carry all the same.
        writeFile(path, settingsBytes(edited()) + QByteArray(kMaxSettingsFileBytes, ';'));
    } else if (kind == u"folder link") {
        QVERIFY(QFile::link(data.path(), path));
    } else if (kind == u"pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QVERIFY(QFile::link(data.filePath(QStringLiteral("gone.ini")), path));
    }
    const QList<Look> own = ownLooks(data.path());
    QCOMPARE(own.size(), 1);
    QVERIFY(!own[0].usable());
    QVERIFY2(own[0].problem.contains(said), qPrintable(own[0].problem));
    QCOMPARE(own[0].header.name, QStringLiteral("bad"));
    OptionSet options = edited();
    QVERIFY(!applyLook(own[0], options));
    QCOMPARE(options.value(Option::PageBackgroundColour), QStringLiteral("背景颜色#123456"));

    QTemporaryDir other;
    const Result<Look> imported = importLook(other.path(), path, {});
    QVERIFY(!imported.ok());
    QVERIFY2(imported.failure().message.contains(said), qPrintable(imported.failure().message));
    QVERIFY(!QFileInfo::exists(looksFolder(other.path())));
    // It can still be removed.
    QVERIFY(deleteOwnLook(own[0]));
    QVERIFY(ownLooks(data.path()).isEmpty());
}

void TestLookLibrary::anUnwritableFolderIsNamed()
{
    QTemporaryDir data;
    WriteFaults faults;
    faults.folderReadOnly = true;
    const Result<Look> saved = saveOwnLook(data.path(), {QStringLiteral("mine"), {}}, edited(), faults);
    QVERIFY(!saved.ok());
    QVERIFY2(saved.failure().message.contains(QDir::toNativeSeparators(looksFolder(data.path()))),
             qPrintable(saved.failure().message));
    QVERIFY(ownLooks(data.path()).isEmpty());
    // A looks/ that is a file cannot be made either.
    QTemporaryDir blocked;
    writeFile(looksFolder(blocked.path()), "x");
    const Result<Look> refused = saveOwnLook(blocked.path(), {QStringLiteral("mine"), {}}, edited());
    QVERIFY(!refused.ok());
    QVERIFY(refused.failure().message.contains(QDir::toNativeSeparators(looksFolder(blocked.path()))));
}

QTEST_GUILESS_MAIN(TestLookLibrary)
#include "test_look_library.moc"
