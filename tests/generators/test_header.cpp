#include "editor/editor_actions.h"
#include "generators/code_file.h"
#include "generators/css_text.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "support/fakes.h"
#include "support/helpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList lines(const Settings &settings)
{
    const GeneratedBlock block = generate(u"cmdqy", optionsWith(settings));
    return block.writes.value(1).split(u"\r\n"_s);
}

const QString kTitleStart = u"#header div.tit{top:45px;left:20px;line-height:41px;font-size:36px;font-family:宋体"_s;
const QString kIntroStart =
    u"#header div.desc{text-decoration:none;top:96px;left:20px;font-size:18px;line-height:23px;font-family:宋体"_s;

} // namespace

class TestHeader : public QObject {
    Q_OBJECT
private slots:
    void defaultBlockBytes();
    void everyBoxUnchecked();
    void pictureRules_data();
    void pictureRules();
    void effects_data();
    void effects();
    void unknownEffectLeavesEmptyLine();
    void lineHeights_data();
    void lineHeights();
    void fontSizeNotANumber_data();
    void fontSizeNotANumber();
    void fontSizeNotANumberAppendsNothing();
    void textsGoInAsTheyStand();
};

void TestHeader::defaultBlockBytes()
{
    const GeneratedBlock block = generate(u"cmdqy", OptionSet());
    QVERIFY(block.error.isEmpty());
    QCOMPARE(block.writes.size(), 2);
    const QByteArray expected =
        "\r\n/*\xBF\xD5\xBC\xE4\xC3\xFB\xB3\xC6&\xBC\xF2\xBD\xE9\xC7\xF8\xD3\xF2*/\r\n" // 空间名称&简介区域
        "#header{height:300px;background:url(http://photo.moyan.test/sample/background.jpg) #000000;"
        "background-repeat:no-repeat;background-position:top center}\r\n"
        "#header div.lc{}\r\n"
        "#header div.rc{}\r\n"
        "#header div.tit{top:45px;left:20px;line-height:41px;font-size:36px;font-family:\xCB\xCE\xCC\xE5}\r\n" // 宋体
        "#header div.tit a.titlink{text-decoration:none;color:#5577ff}\r\n"
        "#header div.tit a.titlink:visited{text-decoration:none;color:#ff77ff}\r\n"
        "#header div.desc{text-decoration:none;top:96px;left:20px;font-size:18px;line-height:23px;"
        "font-family:\xCB\xCE\xCC\xE5;color:#557700}\r\n";
    QCOMPARE(encodeBlock(block.writes), expected);
}

void TestHeader::everyBoxUnchecked()
{
    const QStringList expected{
        u"#header{height:300px;background-color:#000000}"_s,
        u"#header div.lc{}"_s,
        u"#header div.rc{}"_s,
        kTitleStart + u'}',
        u"#header div.tit a.titlink{text-decoration:none;color:#5577ff}"_s,
        u"#header div.tit a.titlink:visited{text-decoration:none;color:#ff77ff}"_s,
        kIntroStart + u";color:#557700}",
    };
    QCOMPARE(lines({{Option::HeaderMiddlePictureOn, u"0"_s}}), expected);
}

void TestHeader::pictureRules_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("rule");
    QTest::newRow("strip picture") << Settings{{Option::HeaderHeight, u"250"_s},
                                               {Option::HeaderColour, u"背景颜色#123456"_s},
                                               {Option::HeaderMiddlePicture, u"m.jpg"_s},
                                               {Option::HeaderMiddlePictureRepeat, u"repeat-x"_s},
                                               {Option::HeaderMiddlePicturePosition, u"bottom right"_s}}
                                   << 0
                                   << u"#header{height:250px;background:url(m.jpg) #123456;background-repeat:repeat-x;"
                                      u"background-position:bottom right}"_s;
    QTest::newRow("strip colour") << Settings{{Option::HeaderMiddlePictureOn, u"0"_s},
                                              {Option::HeaderColour, u"背景颜色#123456"_s}}
                                  << 0 << u"#header{height:300px;background-color:#123456}"_s;
    QTest::newRow("left corner") << Settings{{Option::HeaderLeftPictureOn, u"1"_s},
                                             {Option::HeaderLeftPicture, u"l.gif"_s},
                                             {Option::HeaderLeftPictureRepeat, u"repeat-y"_s},
                                             {Option::HeaderLeftPicturePosition, u"center left"_s}}
                                 << 1
                                 << u"#header div.lc{background:url(l.gif);background-repeat:repeat-y;"
                                    u"background-position:center left}"_s;
    QTest::newRow("right corner") << Settings{{Option::HeaderRightPictureOn, u"1"_s},
                                              {Option::HeaderRightPicture, u"r.gif"_s},
                                              {Option::HeaderRightPictureRepeat, u"repeat"_s},
                                              {Option::HeaderRightPicturePosition, u"top right"_s}}
                                  << 2
                                  << u"#header div.rc{background:url(r.gif);background-repeat:repeat;"
                                     u"background-position:top right}"_s;
    QTest::newRow("greyed corner is off")
        << Settings{{Option::HeaderLeftPictureOn, u"2"_s}} << 1 << u"#header div.lc{}"_s;
}

void TestHeader::pictureRules()
{
    QFETCH(Settings, settings);
    QFETCH(int, line);
    QFETCH(QString, rule);
    QCOMPARE(lines(settings).at(line), rule);
}

// Each effect's three fragment forms, written out with the name effect colour 111111 and the
// introduction effect colour 222222 (the forms below use 111111; the introduction swaps it).
void TestHeader::effects_data()
{
    QTest::addColumn<QString>("effect");
    QTest::addColumn<QString>("closing"); // ends the title rule without a picture
    QTest::addColumn<QString>("beforeColour");
    QTest::addColumn<QString>("beforePicture");
    const QString shadow = u";Filter:DropShadow(Color=#111111,Offx=Offx,Offy=offy,Positive=positive)"_s;
    const QString engrave = u";filter:progid:DXImageTransform.Microsoft.engrave(bias=0.5)"_s;
    const QString emboss = u";filter:progid:DXImageTransform.Microsoft.emboss(bias=0.5)"_s;
    const QString wave = u";filter:Wave(Add=add,Freq=freq,LightStrength=strength,Phase=phase,Strength=strength)"_s;
    QTest::newRow("none") << u"无效果"_s << u"}"_s << u";color:#"_s << u";background:url("_s;
    QTest::newRow("glow") << u"发光效果"_s << u";filter:glow(color:#111111,strength=3)}"_s
                          << u";filter:glow(color:#111111,strength=3);color:#"_s
                          << u";filter:glow(color:#111111,strength=3);background:url("_s;
    QTest::newRow("shadow") << u"阴影效果"_s << shadow + u'}' << shadow + u";color:#" << shadow + u";background:url(";
    QTest::newRow("blur") << u"模糊效果"_s << u";filter:blur(30)}"_s << u";filter:blur(30);color:#"_s
                          << u";filter:blur(30);background:url("_s;
    QTest::newRow("engrave") << u"凹立体"_s << engrave + u'}' << engrave + u";color:#" << engrave + u";background:url(";
    QTest::newRow("emboss") << u"凸立体"_s << emboss + u",strength=4)}" << emboss + u";color:#"
                            << emboss + u";background:url(";
    QTest::newRow("wave") << u"波纹效果"_s << wave + u'}' << wave + u";color:#" << wave + u";background:url(";
    QTest::newRow("mask") << u"掩膜效果"_s << u";filter:Mask(Color:#111111)}"_s
                          << u";filter:Mask(Color:#111111);color:#"_s
                          << u";filter:Mask(Color:#111111);background:url("_s;
    QTest::newRow("flip h") << u"水平镜像效果"_s << u";filter:FlipH}"_s << u";filter:FlipH;color:#"_s
                            << u";filter:FlipH;background:url("_s;
    QTest::newRow("flip v") << u"垂直镜像效果"_s << u";filter:FlipV}"_s << u";filter:FlipV;color:#"_s
                            << u";filter:FlipV;background:url("_s;
}

void TestHeader::effects()
{
    QFETCH(QString, effect);
    QFETCH(QString, closing);
    QFETCH(QString, beforeColour);
    QFETCH(QString, beforePicture);
    const Settings base{{Option::NameEffect, effect},
                        {Option::IntroEffect, effect},
                        {Option::NameEffectColour, u"效果颜色#111111"_s},
                        {Option::IntroEffectColour, u"效果颜色#222222"_s},
                        {Option::NamePicture, u"n.gif"_s},
                        {Option::IntroPicture, u"j.gif"_s}};
    const QString introBeforeColour = QString(beforeColour).replace(u"111111"_s, u"222222"_s);
    const QStringList plain = lines(base);
    QCOMPARE(plain.at(3), QString(kTitleStart + closing));
    QCOMPARE(plain.at(6), QString(kIntroStart + introBeforeColour + u"557700}"));

    const QStringList pictures =
        lines(base + Settings{{Option::NamePictureOn, u"1"_s}, {Option::IntroPictureOn, u"1"_s}});
    QCOMPARE(pictures.at(3), QString(kTitleStart + beforePicture +
                                     u"n.gif);background-repeat:no-repeat;background-position:center center}"));
    const QString introTail = effect == u"掩膜效果"
                                  ? u") no-repeat center}"_s
                                  : u");background-repeat:no-repeat;background-position:center center}"_s;
    QCOMPARE(pictures.at(6), QString(kIntroStart + introBeforeColour + u"557700;background:url(j.gif" + introTail));
}

void TestHeader::unknownEffectLeavesEmptyLine()
{
    const QStringList title = lines({{Option::HeaderMiddlePictureOn, u"0"_s}, {Option::NameEffect, u"彩虹效果"_s}});
    QCOMPARE(title.size(), 7);
    QCOMPARE(title.at(3), QString());
    QCOMPARE(title.at(6), QString(kIntroStart + u";color:#557700}"));

    const QStringList intro = lines({{Option::IntroEffect, u"无效果 "_s}, {Option::IntroPictureOn, u"1"_s}});
    QCOMPARE(intro.size(), 7);
    QCOMPARE(intro.at(3), QString(kTitleStart + u'}'));
    QCOMPARE(intro.at(6), QString());
}

void TestHeader::lineHeights_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("lineHeight");
    QTest::newRow("half") << u"12.5"_s << u"17.5"_s;
    QTest::newRow("whole") << u"36"_s << u"41"_s;
    QTest::newRow("trailing zero") << u"12.50"_s << u"17.5"_s;
    QTest::newRow("negative") << u"-8"_s << u"-3"_s;
}

void TestHeader::lineHeights()
{
    QFETCH(QString, size);
    QFETCH(QString, lineHeight);
    const QStringList l = lines({{Option::NameFontSize, size}, {Option::IntroFontSize, size}});
    const QString title = u"#header div.tit{top:45px;left:20px;line-height:" + lineHeight + u"px;font-size:" + size +
                          u"px;font-family:宋体}";
    const QString intro = u"#header div.desc{text-decoration:none;top:96px;left:20px;font-size:" + size +
                          u"px;line-height:" + lineHeight + u"px;font-family:宋体;color:#557700}";
    QCOMPARE(l.at(3), title);
    QCOMPARE(l.at(6), intro);
}

void TestHeader::fontSizeNotANumber_data()
{
    QTest::addColumn<Option>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");
    QTest::newRow("name empty") << Option::NameFontSize << QString() << u"名称栏字体大小"_s;
    QTest::newRow("name with unit") << Option::NameFontSize << u"12px"_s << u"名称栏字体大小"_s;
    QTest::newRow("intro word") << Option::IntroFontSize << u"abc"_s << u"简介栏字体大小"_s;
}

void TestHeader::fontSizeNotANumber()
{
    QFETCH(Option, field);
    QFETCH(QString, text);
    QFETCH(QString, label);
    const GeneratedBlock block = generate(u"cmdqy", optionsWith({{field, text}}));
    QCOMPARE(block.error, notANumber(label, text).message);
    QVERIFY(block.writes.isEmpty());
}

void TestHeader::fontSizeNotANumberAppendsNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = codeFilePath(dir.path());
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("/*earlier*/\r\n");
    }
    testing::FakePrompts prompts;
    prompts.answers = {true};
    testing::FakeDesktop desktop;
    runAreaButton(Area::Header, optionsWith({{Option::IntroFontSize, u"大"_s}}), dir.path(), prompts, desktop);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("/*earlier*/\r\n"));
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown.at(0).title, u"错误提示"_s);
    QCOMPARE(prompts.shown.at(0).text, notANumber(u"简介栏字体大小", u"大").message);
    QVERIFY(!prompts.shown.at(0).question);
    QVERIFY(desktop.openedFiles.isEmpty());
}

void TestHeader::textsGoInAsTheyStand()
{
    const QStringList w = generate(u"cmdqy", optionsWith({{Option::HeaderMiddlePictureOn, u"0"_s},
                                                          {Option::HeaderHeight, u"}\r\n😀"_s},
                                                          {Option::NameFont, QString()},
                                                          {Option::NameColour, u"#abc"_s}}))
                              .writes;
    QVERIFY(w.at(1).startsWith(u"#header{height:}\r\n😀px;background-color:#000000}\r\n"));
    QVERIFY(w.at(1).contains(u"font-size:36px;font-family:}\r\n"));
    QVERIFY(w.at(1).contains(u"a.titlink{text-decoration:none;color:##abc}"));
}

QTEST_GUILESS_MAIN(TestHeader)
#include "test_header.moc"
