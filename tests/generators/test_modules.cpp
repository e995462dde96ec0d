#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "support/helpers.h"

#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList lines(const Settings &settings)
{
    return generate(u"cmdmk", optionsWith(settings)).writes.value(1).split(u"\r\n"_s);
}

constexpr int kBodyLine = 8;
constexpr int kFirstCellLine = 9;

} // namespace

class TestModules : public QObject {
    Q_OBJECT
private slots:
    void defaultBlockBytes();
    void bars();
    void bodyRule_data();
    void bodyRule();
    void borderPictures();
    void textsGoInAsTheyStand();
};

void TestModules::defaultBlockBytes()
{
    const GeneratedBlock block = generate(u"cmdmk", OptionSet());
    QVERIFY(block.error.isEmpty());
    QCOMPARE(block.writes.size(), 2);
    const QByteArray expected =
        "\r\n/*\xC4\xA3\xBF\xE9\xC7\xF8\xD3\xF2*/\r\n" // 模块区域
        ".mod{margin-bottom:10px}\r\n"
        ".modhandle{cursor:move}\r\n"
        ".modth{height:24px}\r\n"
        ".modhead{padding:4px 4px 0 4px}\r\n"
        ".modopt{padding:4px 4px 0 0}\r\n"
        ".modtit{color:#5577ff;font-size:12px;font-weight:bold}a.modtit{color:#5577ff}"
        "a.modtit:visited{color:#ff77ff}\r\n"
        ".modtitlink{color:#5577ff;font-size:12px;font-weight:bold}a.modtitlink{color:#5577ff;text-decoration:none}"
        "a.modtitlink:visited{color:#ff77ff;text-decoration:none}a.modtitlink:hover{color:#ff77ff;"
        "text-decoration:underline}\r\n"
        ".modact{color:#5577ff;font-size:12px}a.modact:link{color:#5577ff}a.modact:visited{color:#ff77ff}\r\n"
        ".modbox{padding:10px 10px 0 10px;background-color:#000000}\r\n"
        ".modtl{background-color:#000000}\r\n"
        ".modtc{background-color:#000000}\r\n"
        ".modtr{background-color:#000000}\r\n"
        ".modbl{background-color:#000000}\r\n"
        ".modbc{background-color:#000000}\r\n"
        ".modbr{background-color:#000000}\r\n"
        "\r\n";
    QCOMPARE(encodeBlock(block.writes), expected);
}

void TestModules::bars()
{
    const QStringList l = lines({{Option::ModuleSpacing, u"7"_s},
                                 {Option::ModuleTitleIndent, u"3"_s},
                                 {Option::ModuleEditIndent, u"5"_s},
                                 {Option::ModuleTitleColour, u"字体颜色#aaaaaa"_s},
                                 {Option::ModuleTitleVisitedColour, u"已访问字体颜色#bbbbbb"_s},
                                 {Option::ModuleTitleFontSize, u"13"_s}});
    const QStringList expected{
        u".mod{margin-bottom:7px}"_s,
        u".modhandle{cursor:move}"_s,
        u".modth{height:24px}"_s,
        u".modhead{padding:4px 4px 0 3px}"_s,
        u".modopt{padding:4px 5px 0 0}"_s,
        u".modtit{color:#aaaaaa;font-size:13px;font-weight:bold}a.modtit{color:#aaaaaa}"
        u"a.modtit:visited{color:#bbbbbb}"_s,
        u".modtitlink{color:#aaaaaa;font-size:13px;font-weight:bold}a.modtitlink{color:#aaaaaa;text-decoration:none}"
        u"a.modtitlink:visited{color:#bbbbbb;text-decoration:none}a.modtitlink:hover{color:#bbbbbb;"
        u"text-decoration:underline}"_s,
        u".modact{color:#aaaaaa;font-size:13px}a.modact:link{color:#aaaaaa}a.modact:visited{color:#bbbbbb}"_s,
    };
    QCOMPARE(l.mid(0, kBodyLine), expected);
}

void TestModules::bodyRule_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("rule");
    const Settings picture{{Option::ModulePictureOn, u"1"_s},
                           {Option::ModulePicture, u"b.png"_s},
                           {Option::ModulePictureRepeat, u"repeat-y"_s}};
    const Settings transparent{{Option::MainTransparencyOn, u"1"_s}, {Option::MainTransparency, u"40"_s}};
    QTest::newRow("colour") << Settings{{Option::ModuleColour, u"背景颜色#102030"_s}}
                            << u".modbox{padding:10px 10px 0 10px;background-color:#102030}"_s;
    QTest::newRow("picture") << picture
                             << u".modbox{padding:10px 10px 0 10px;background:url(b.png);background-repeat:repeat-y}"_s;
    QTest::newRow("transparent") << transparent << u".modbox{padding:10px 10px 0 10px;filter:alpha(opacity=40)}"_s;
    QTest::newRow("transparent beats picture")
        << (transparent + picture) << u".modbox{padding:10px 10px 0 10px;filter:alpha(opacity=40)}"_s;
}

void TestModules::bodyRule()
{
    QFETCH(Settings, settings);
    QFETCH(QString, rule);
    QCOMPARE(lines(settings).at(kBodyLine), rule);
}

void TestModules::borderPictures()
{
    const Settings pictures{{Option::ModuleBorderPicturesOn, u"1"_s},    {Option::ModuleTopLeftPicture, u"ls"_s},
                            {Option::ModuleTopCentrePicture, u"cs"_s},   {Option::ModuleTopRightPicture, u"rs"_s},
                            {Option::ModuleBottomLeftPicture, u"lx"_s},  {Option::ModuleBottomCentrePicture, u"cx"_s},
                            {Option::ModuleBottomRightPicture, u"rx"_s}, {Option::ModuleBorderLineHeight, u"6"_s}};
    const QStringList plain = lines({});
    const QStringList withPictures = lines(pictures);
    const QStringList cells{
        u".modtl{background:url(ls);background-repeat:no-repeat;background-position:top left;line-height:6px}"_s,
        u".modtc{background:url(cs);background-repeat:repeat;line-height:6px}"_s,
        u".modtr{background:url(rs);background-repeat:no-repeat;background-position:top left;line-height:6px}"_s,
        u".modbl{background:url(lx);background-repeat:no-repeat;background-position:top left;line-height:6px}"_s,
        u".modbc{background:url(cx);background-repeat:repeat;line-height:6px}"_s,
        u".modbr{background:url(rx);background-repeat:no-repeat;background-position:top left;line-height:6px}"_s,
        QString(),
    };
    QCOMPARE(withPictures.mid(kFirstCellLine), cells);
    QCOMPARE(withPictures.mid(0, kFirstCellLine), plain.mid(0, kFirstCellLine));
}

void TestModules::textsGoInAsTheyStand()
{
    const QStringList l = lines({{Option::ModuleBorderPicturesOn, u"1"_s},
                                 {Option::ModuleBorderLineHeight, QString()},
                                 {Option::ModuleSpacing, u"😀"_s}});
    QCOMPARE(l.at(0), u".mod{margin-bottom:😀px}"_s);
    QCOMPARE(l.at(kFirstCellLine), u".modtl{background:url();background-repeat:no-repeat;"
                                   u"background-position:top left;line-height:px}"_s);
}

QTEST_GUILESS_MAIN(TestModules)
#include "test_modules.moc"
