#include "generators/generators.h"
#include "generators/written_parts.h"
#include "import/css_import.h"
#include "options/catalogue.h"
#include "options/choices.h"
#include "options/option_set.h"
#include "service/sheet_text.h"
#include "support/helpers.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

// Option sets are built by setValue calls in a random order, as a user of the window would.
constexpr int kRandomSetsPerArea = 1000;
constexpr int kRandomSheets = 100;

const QStringList kNumbers{u"12"_s, u"12.5"_s, u"-3"_s, u"0"_s, u"100"_s, u"0.50"_s, u"7.25"_s};
const QStringList kOddNumbers{u""_s, u"abc"_s, u"10px"_s, u"1e3"_s, u" 8"_s};
const QStringList kColours{
    u"字体颜色#5577ff"_s, u"ABCDEF"_s, u"abc"_s,       u""_s,   u"#1"_s, u"a}b;"_s, u"'\"x"_s, u"😀😀ab"_s,
    u"背景颜色#000000"_s, u"x y z"_s,  u"123456789"_s, u"ab "_s};
const QStringList kTexts{u"http://photo.example/p/a.jpg"_s,
                         u""_s,
                         u"a b.png"_s,
                         u"x);y"_s,
                         u"u{v}w"_s,
                         u"'q'"_s,
                         u"\"d\""_s,
                         u"url(z)"_s,
                         u"中文图片.gif"_s,
                         u"/*c*/"_s,
                         u"a;b:c"_s,
                         u"}"_s,
                         u"{"_s,
                         u"p) #"_s,
                         u" lead"_s,
                         u"trail "_s,
                         u"http://x/é.png?a=1&b=2"_s,
                         u"a\\b"_s,
                         u"httpX"_s,
                         u"隐藏宠物"_s,
                         u"p}q"_s};
// Texts a person reformatting or the fetcher splitting a sheet cannot change.
const QStringList kPlainColours{u"字体颜色#5577ff"_s, u"ABCDEF"_s, u"abc"_s, u"#1"_s, u"'\"x"_s, u"a;b"_s};
const QStringList kPlainTexts{u"http://photo.example/p/a.jpg"_s,
                              u"中文图片.gif"_s,
                              u"a;b:c"_s,
                              u"x'y"_s,
                              u"url(z)"_s,
                              u"q\"r"_s,
                              u"a b.png"_s,
                              u"x);y"_s};

// The sizes the generators add to stay numbers, or most blocks would be left out.
bool isSummed(Option option)
{
    return !addendsOf(option).isEmpty();
}

QString pick(QRandomGenerator &random, const QStringList &pool)
{
    return pool[random.bounded(int(pool.size()))];
}

OptionSet randomOptions(QRandomGenerator &random, bool plain)
{
    QList<int> rows;
    for (int row = 0; row < kOptionCount; ++row)
        rows.append(row);
    std::shuffle(rows.begin(), rows.end(), random);
    OptionSet o;
    for (int row : rows) {
        const OptionDef &def = options()[row];
        const QStringList items = listItems(def);
        QString value;
        if (def.kind == OptionKind::Check)
            value = QString::number(random.bounded(3));
        else if (isSummed(def.option))
            value = pick(random, kNumbers);
        else if (def.kind == OptionKind::Choice && random.bounded(10) < 7)
            value = pick(random, items);
        else if (def.kind == OptionKind::Colour)
            value = pick(random, plain ? kPlainColours : kColours);
        else if (def.kind == OptionKind::Number && !plain)
            value = pick(random, random.bounded(4) == 0 ? kOddNumbers : kNumbers);
        else
            value = pick(random, plain ? kPlainTexts : kTexts + kNumbers);
        o.setValue(def.option, value);
    }
    return o;
}

// The text a "显示代码" button appends.
QString blockText(Area area, const OptionSet &o)
{
    const Result<QStringList> block = generateArea(area, o);
    return block ? block->join(u"\r\n") + u"\r\n" : QString();
}

QString allBlocks(const OptionSet &o, const QString &between)
{
    QString sheet;
    for (int a = 0; a < kTabCount; ++a)
        sheet += blockText(Area(a), o) + between;
    return sheet;
}

bool allAreasWrite(const OptionSet &o)
{
    for (int a = 0; a < kTabCount; ++a) {
        if (!generateArea(Area(a), o))
            return false;
    }
    return true;
}

// Blanks around every brace, as a person tidying a sheet might add them.
QString withBlanksAroundBraces(QString sheet)
{
    sheet.replace(u'{', u" { "_s);
    sheet.replace(u'}', u" } "_s);
    return sheet;
}

// Compares every area's block written from `imported` with the one written from `expected`.
void compareAllAreas(const OptionSet &imported, const OptionSet &expected, const QString &what)
{
    for (int a = 0; a < kTabCount; ++a) {
        const QStringList got = blockText(Area(a), imported).split(u"\r\n"_s);
        const QStringList want = blockText(Area(a), expected).split(u"\r\n"_s);
        QString diff;
        for (qsizetype i = 0; i < std::max(got.size(), want.size()); ++i) {
            if (got.value(i) != want.value(i))
                diff += u"\n  read:  "_s + got.value(i) + u"\n  wrote: "_s + want.value(i);
        }
        QVERIFY2(diff.isEmpty(), qPrintable(what + u" area "_s + QString::number(a) + diff));
    }
}

const QString kForeignHead = u"@charset \"gbk\";\r\np{color:red}\r\n/* mine */\r\n.x { margin:0 }\r\n"_s;
const QString kForeignBetween = u"\r\n#foreign div.a{color:#123456}\r\n"_s;

} // namespace

class TestCssImport : public QObject {
    Q_OBJECT
private slots:
    void everyAreaReadsBackWhatItWrote_data();
    void everyAreaReadsBackWhatItWrote();
    void allAreasInAForeignSheet_data();
    void allAreasInAForeignSheet();
    void trickyValues_data();
    void trickyValues();
    void colourKeepsItsLabel();
    void reportNamesWhatItCouldNotRead();
    void cutBlockSetsOnlyWhatItShows();
    void neverSetsWhatWouldWriteOtherRules();
    void greyedBoxKeepsItsState();
    void laterBlockWins_data();
    void laterBlockWins();
    void blanksAroundABraceReadLoosely_data();
    void blanksAroundABraceReadLoosely();
    void badInputEndsQuickly_data();
    void badInputEndsQuickly();
};

void TestCssImport::everyAreaReadsBackWhatItWrote_data()
{
    QTest::addColumn<int>("area");
    for (const TabDef &tab : tabs())
        QTest::newRow(qPrintable(tab.caption.toString())) << int(tab.area);
}

// The defining property: a block read into a default record writes the same bytes again.
void TestCssImport::everyAreaReadsBackWhatItWrote()
{
    QFETCH(int, area);
    QRandomGenerator random(quint32(7919 * (area + 1)));
    int written = 0;
    for (int i = 0; i < kRandomSetsPerArea; ++i) {
        const OptionSet o = randomOptions(random, false);
        const QString block = blockText(Area(area), o);
        if (block.isEmpty())
            continue; // a size that is no number: the generator writes nothing
        ++written;
        OptionSet d;
        const CssImport report = importCss(block, d);
        QVERIFY2(blockText(Area(area), d) == block, qPrintable(u"case "_s + QString::number(i) + u"\n"_s + block));
        QCOMPARE(report.recognised, QList<Area>{Area(area)});
        QVERIFY(report.unreadLines.isEmpty());
        QVERIFY(report.incomplete.isEmpty());
    }
    QVERIFY(written > kRandomSetsPerArea / 2);
}

void TestCssImport::allAreasInAForeignSheet_data()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("as written") << u"crlf"_s;
    QTest::newRow("LF line ends") << u"lf"_s;
    QTest::newRow("blanks around braces") << u"blanks"_s;
    QTest::newRow("as the fetcher shows it") << u"fetched"_s;
    QTest::newRow("on one line") << u"one line"_s;
}

// All eleven blocks among foreign rules, an older copy of each before them: the last one wins.
void TestCssImport::allAreasInAForeignSheet()
{
    QFETCH(QString, layout);
    const bool plain = layout != u"crlf" && layout != u"lf";
    QRandomGenerator random(4242);
    for (int i = 0; i < kRandomSheets; ++i) {
        const OptionSet older = randomOptions(random, plain);
        const OptionSet o = randomOptions(random, plain);
        if (!allAreasWrite(o))
            continue;
        QString sheet = kForeignHead + allBlocks(older, QString()) + kForeignBetween + allBlocks(o, kForeignBetween);
        if (layout == u"lf")
            sheet.replace(u"\r\n"_s, u"\n"_s);
        else if (layout == u"blanks")
            sheet = withBlanksAroundBraces(sheet);
        else if (layout == u"fetched")
            sheet = splitSheetLines(sheet);
        else if (layout == u"one line")
            sheet.remove(u"\r\n"_s);
        OptionSet d;
        const CssImport report = importCss(sheet, d);
        QCOMPARE(report.recognised.size(), kTabCount);
        compareAllAreas(d, o, layout + u" sheet "_s + QString::number(i));
    }
}

void TestCssImport::trickyValues_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<int>("area");
    const int header = int(Area::Header), articles = int(Area::Articles);
    for (QStringView effect : kEffectNames) {
        for (const QString &picture : {u"0"_s, u"1"_s}) {
            const QString name = effect.toString() + (picture == u"1" ? u" with picture"_s : QString());
            QTest::newRow(qPrintable(u"name "_s + name)) << Settings{{Option::NameEffect, effect.toString()},
                                                                     {Option::NamePictureOn, picture},
                                                                     {Option::NameEffectColour, u"效果颜色#12ab34"_s}}
                                                         << header;
            QTest::newRow(qPrintable(u"intro "_s + name)) << Settings{{Option::IntroEffect, effect.toString()},
                                                                      {Option::IntroPictureOn, picture},
                                                                      {Option::IntroPicture, u"i.png"_s}}
                                                          << header;
            QTest::newRow(qPrintable(u"article "_s + name))
                << Settings{{Option::ArticleTextEffect, effect.toString()}, {Option::ArticleTextPictureOn, picture}}
                << articles;
        }
    }
    QTest::newRow("effect naming none") << Settings{{Option::NameEffect, u"闪烁"_s}, {Option::ArticleTextEffect, u""_s}}
                                        << header;
    for (QStringView layout : kColumnLayoutNames) {
        QTest::newRow(qPrintable(u"columns "_s + layout.toString()))
            << Settings{{Option::ColumnLayout, layout.toString()}, {Option::FirstColumnWidth, u"250.5"_s}}
            << int(Area::Background);
    }
    for (QStringView look : kPlayerStyleNames)
        QTest::newRow(qPrintable(u"player "_s + look.toString()))
            << Settings{{Option::PlayerStyle, look.toString()}} << 10;
    for (const QString &pet : {u"300"_s, u"隐藏宠物"_s, u"默认大小"_s, u""_s})
        QTest::newRow(qPrintable(u"pet "_s + pet)) << Settings{{Option::PetSize, pet}} << 10;
    QTest::newRow("decimal sizes") << Settings{{Option::NameFontSize, u"12.50"_s}, {Option::IntroFontSize, u"-0.5"_s}}
                                   << header;
    QTest::newRow("decimal tab size") << Settings{{Option::NavigationFontSize, u"13.75"_s},
                                                  {Option::NavigationPicturesOn, u"1"_s}}
                                      << 2;
    QTest::newRow("extras decimal") << Settings{{Option::ExtrasFontSize, u"9.5"_s}, {Option::PictureFilterOn, u"1"_s}}
                                    << 10;
    QTest::newRow("cursor address") << Settings{{Option::CursorOn, u"1"_s}, {Option::Cursor, u"http://c.test/a.ani"_s}}
                                    << int(Area::Background);
    QTest::newRow("fixed picture cursor address") << Settings{{Option::PagePictureOn, u"1"_s},
                                                              {Option::PageBackgroundFixed, u"1"_s},
                                                              {Option::CursorOn, u"1"_s},
                                                              {Option::Cursor, u"http://c"_s}}
                                                  << int(Area::Background);
    QTest::newRow("transparent modules") << Settings{{Option::MainTransparencyOn, u"1"_s},
                                                     {Option::MainTransparency, u"40"_s}}
                                         << int(Area::Modules);
    Settings empty;
    for (const OptionDef &def : options()) {
        if (isTextKind(def.kind) && !isSummed(def.option))
            empty.append({def.option, QString()});
    }
    QTest::newRow("empty texts") << empty << header;
    QTest::newRow("empty texts, profile") << empty << int(Area::Profile);
}

void TestCssImport::trickyValues()
{
    QFETCH(Settings, settings);
    QFETCH(int, area);
    const OptionSet o = optionsWith(settings);
    const QString block = blockText(Area(area), o);
    QVERIFY(!block.isEmpty());
    for (const QString &sheet : {block, splitSheetLines(block)}) {
        OptionSet d;
        importCss(sheet, d);
        QCOMPARE(blockText(Area(area), d), block);
    }
}

void TestCssImport::colourKeepsItsLabel()
{
    const OptionSet o = optionsWith({{Option::PageBackgroundColour, u"背景颜色#12AB34"_s}});
    OptionSet d;
    const CssImport report = importCss(blockText(Area::Background, o), d);
    QCOMPARE(d.value(Option::PageBackgroundColour), u"背景颜色#12AB34"_s);
    QCOMPARE(report.changed, QList<Option>{Option::PageBackgroundColour});
    QCOMPARE(report.notFound.size(), kTabCount - 1);
    QVERIFY(!report.notFound.contains(Area::Background));
}

void TestCssImport::reportNamesWhatItCouldNotRead()
{
    const OptionSet o =
        optionsWith({{Option::ArticleTitleColour, u"字体颜色#abcdef"_s}, {Option::ArticleDateIndent, u"7"_s}});
    QString sheet = u"p{}\r\n"_s + blockText(Area::Articles, o);
    sheet.replace(u"#m_blog div.date{margin:5px 0 8px 7px"_s, u"#m_blog div.date{margin:6px 0 8px 7px"_s);
    sheet.replace(u"#m_blog div.more{"_s, u"#m_blog .extra{color:red}\r\n#m_blog div.more{"_s);
    OptionSet d;
    const CssImport report = importCss(sheet, d);
    QCOMPARE(report.unreadLines.size(), 2);
    QCOMPARE(report.unreadLines[0].line, 8);
    QVERIFY(report.unreadLines[0].text.startsWith(u"#m_blog div.date{margin:6px"_s));
    QCOMPARE(report.unreadLines[1].line, 10);
    QCOMPARE(report.unreadLines[1].text, u"#m_blog .extra{color:red}"_s);
    QCOMPARE(report.unreadLines[1].area, Area::Articles);
    QCOMPARE(d.value(Option::ArticleTitleColour), u"字体颜色#abcdef"_s); // read from the title rules
    QCOMPARE(d.value(Option::ArticleDateIndent), u"0"_s);                // only the unread rule shows it
}

// A block cut off in the middle of a rule: what comes before the cut is read, nothing after it.
void TestCssImport::cutBlockSetsOnlyWhatItShows()
{
    const OptionSet o = optionsWith({{Option::ModuleSpacing, u"22"_s},
                                     {Option::ModuleTitleFontSize, u"15"_s},
                                     {Option::ModuleColour, u"111111"_s}});
    const QString block = blockText(Area::Modules, o);
    const QString cut = block.left(block.indexOf(u".modbox{"_s) + 20);
    OptionSet d;
    const CssImport report = importCss(QString(cut + u"\r\n/*导航区域*/\r\n"_s), d);
    QCOMPARE(report.incomplete, (QList<Area>{Area::Navigation, Area::Modules})); // the start alone is no block
    QCOMPARE(d.value(Option::ModuleSpacing), u"22"_s);
    QCOMPARE(d.value(Option::ModuleTitleFontSize), u"15"_s);
    QCOMPARE(d.value(Option::ModuleColour), OptionSet().value(Option::ModuleColour));
}

// Rules edited by hand into something the generator cannot write leave their options alone.
void TestCssImport::neverSetsWhatWouldWriteOtherRules()
{
    const QString sheet = u"/*个人档案*/\r\n#m_pro{margin-left:10px;margin-bottom:15px}\r\n"
                          u"#mod_profile.modth{display:none}\r\n#mod_profile.modbox{border:0px solid #1234567}\r\n"_s
                          u"/*宠物设置*/\r\n#petObject {width:隐藏宠物px!important;height:隐藏宠物px!important}"_s;
    OptionSet d;
    const CssImport report = importCss(sheet, d);
    QCOMPARE(d.value(Option::ProfileColour), OptionSet().value(Option::ProfileColour)); // seven digits are no colour
    QCOMPARE(report.recognised, QList<Area>{Area::Profile});
    QVERIFY(!report.unreadLines.isEmpty());
    QVERIFY(report.changed.isEmpty());
    const QString wrongSum = blockText(Area::Navigation, OptionSet()).replace(u"font-size:16px"_s, u"font-size:17px"_s);
    importCss(wrongSum, d);
    QCOMPARE(blockText(Area::Navigation, d), blockText(Area::Navigation, OptionSet()));

    // A rule the generator leaves out for some choice, there but edited: the choice is not taken,
    // in the middle of the block or as its last rule.
    const QString header = blockText(Area::Header, OptionSet());
    for (const auto &[from, to] : {std::pair(u"top:45px"_s, u"top:45pt"_s), std::pair(u"top:96px"_s, u"top:96em"_s)}) {
        QVERIFY(header.contains(from));
        OptionSet e;
        const CssImport edited = importCss(QString(header).replace(from, to), e);
        QCOMPARE(e.value(Option::NameEffect), OptionSet().value(Option::NameEffect));
        QCOMPARE(e.value(Option::IntroEffect), OptionSet().value(Option::IntroEffect));
        QCOMPARE(edited.unreadLines.size(), 1);
        QVERIFY(edited.unreadLines[0].text.contains(to));
    }

    // A text longer than a field holds would be cut at its first edit: it is not read.
    const QString longAddress = u"http://photo.example/"_s + QString(kMaxTextLength, u'a') + u".jpg"_s;
    OptionSet f;
    const CssImport tooLong = importCss(
        blockText(Area::Background, optionsWith({{Option::PagePictureOn, u"1"_s}, {Option::PagePicture, longAddress}})),
        f);
    QCOMPARE(f.value(Option::PagePicture), OptionSet().value(Option::PagePicture));
    QVERIFY(!tooLong.unreadLines.isEmpty());
}

// A greyed box writes what an unticked one does: reading an unticked box leaves it greyed.
void TestCssImport::greyedBoxKeepsItsState()
{
    OptionSet d;
    d.setValue(Option::PagePictureOn, u"2"_s);
    const CssImport report = importCss(blockText(Area::Background, OptionSet()), d);
    QCOMPARE(report.recognised, QList<Area>{Area::Background});
    QCOMPARE(d.value(Option::PagePictureOn), u"2"_s);
    QVERIFY(!report.changed.contains(Option::PagePictureOn));
}

void TestCssImport::laterBlockWins_data()
{
    QTest::addColumn<bool>("articlesLast");
    QTest::newRow("categories last") << false;
    QTest::newRow("articles last") << true;
}

// The article and category blocks both show the category colour; as in CSS, the later one counts.
void TestCssImport::laterBlockWins()
{
    QFETCH(bool, articlesLast);
    OptionSet forArticles, forCategories;
    forArticles.setValue(Option::CategoryColour, u"aaaaaa"_s);
    forCategories.setValue(Option::CategoryColour, u"cccccc"_s);
    const QString articles = blockText(Area::Articles, forArticles);
    const QString categories = blockText(Area::Categories, forCategories);
    OptionSet d;
    importCss(QString(articlesLast ? categories + articles : articles + categories), d);
    QCOMPARE(writtenText(Option::CategoryColour, d.value(Option::CategoryColour)),
             articlesLast ? u"aaaaaa"_s : u"cccccc"_s);
}

void TestCssImport::blanksAroundABraceReadLoosely_data()
{
    QTest::addColumn<QString>("rule");
    QTest::newRow("blank before the brace") << u"body {background-color:#123456}"_s;
    QTest::newRow("tab and blanks around braces") << u"body\t{ background-color:#123456 } "_s;
    QTest::newRow("line break before the brace") << u"body\r\n{background-color:#123456}"_s;
}

void TestCssImport::blanksAroundABraceReadLoosely()
{
    QFETCH(QString, rule);
    OptionSet d;
    const CssImport report = importCss(QString(u"/*背景区域*/\r\n"_s + rule), d);
    QCOMPARE(writtenText(Option::PageBackgroundColour, d.value(Option::PageBackgroundColour)), u"123456"_s);
    QVERIFY(report.unreadLines.isEmpty());
}

void TestCssImport::badInputEndsQuickly_data()
{
    QTest::addColumn<QString>("sheet");
    QString binary(1 << 16, Qt::Uninitialized);
    QRandomGenerator random(99);
    for (QChar &c : binary)
        c = QChar(char16_t(random.bounded(0x10000)));
    QTest::newRow("binary") << binary;
    QTest::newRow("unbalanced braces") << u"/*背景区域*/\r\nbody{{{background-color:#000000\r\n}}}}"_s.repeated(1000);
    const QString starts = u"/*背景区域*/body{background:url(/*模块区域*/.modbox{padding:10px 10px 0 10px;"_s;
    QTest::newRow("8 MiB of block starts") << starts.repeated((8 << 20) / starts.size());
    QString huge = u"/*导航区域*/\r\n#tabline{top:"_s + QString(8 << 20, u'9');
    QTest::newRow("8 MiB line") << huge;
    QTest::newRow("8 MiB of blocks") << allBlocks(OptionSet(), QString()).repeated((8 << 20) / 12000);
}

void TestCssImport::badInputEndsQuickly()
{
    QFETCH(QString, sheet);
    OptionSet d;
    QElapsedTimer timer;
    timer.start();
    importCss(sheet, d);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestCssImport)
#include "test_css_import.moc"
