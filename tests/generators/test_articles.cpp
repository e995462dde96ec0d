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
    return generate(u"cmdwz", optionsWith(settings)).writes.value(1).split(u"\r\n"_s);
}

constexpr int kBodyLine = 5;

} // namespace

class TestArticles : public QObject {
    Q_OBJECT
private slots:
    void defaultBlockBytes();
    void switches_data();
    void switches();
    void bodyEffects_data();
    void bodyEffects();
    void unknownEffectLeavesEmptyLine();
    void shortColourIsNotRepaired();
};

void TestArticles::defaultBlockBytes()
{
    const GeneratedBlock block = generate(u"cmdwz", OptionSet());
    QVERIFY(block.error.isEmpty());
    QCOMPARE(block.writes.size(), 2);
    const QByteArray expected = "\r\n/*\xCE\xC4\xD5\xC2\xC7\xF8\xD3\xF2*/\r\n" // 文章区域
                                "\r\n"
                                "#m_blog div.tit{color:#5577ff;font-size:16px;font-weight:bold}\r\n"
                                "#m_blog div.tit a{color:#5577ff;font-size:16px;font-weight:bold}\r\n"
                                "#m_blog div.tit a:visited{color:#ff77ff}\r\n"
                                "#m_blog div.date{margin:5px 0 8px 0px;color:#5577ff}\r\n"
                                "#m_blog div.cnt{color:#333333;line-height:20px;font-size:14px}\r\n"
                                "#m_blog div.more{color:#5577ff;font-size:12px}\r\n"
                                "#m_blog div.more a:visited{color:#ff77ff}\r\n"
                                "#m_blog div.opt{color:#5577ff;font-size:12px}\r\n"
                                "#m_blog div.opt a{color:#5577ff;font-size:12px}\r\n"
                                "#m_blog div.opt a:visited{color:#ff77ff}\r\n"
                                "#m_blog div.line{line-height:17px;border-top:1px solid #5577ff}\r\n"
                                "#m_blog div.none{padding:100px 0 100px 0;color:#5577ff;font-size:12px}\r\n";
    QCOMPARE(encodeBlock(block.writes), expected);
}

// Each check box that swaps a rule, with the line it lands on.
void TestArticles::switches_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("rule");
    QTest::newRow("scroll bar") << Settings{{Option::ArticleScrollOn, u"1"_s}, {Option::ArticleScrollHeight, u"450"_s}}
                                << 0 << u"#m_blog{overflow-y:auto;height:450px}"_s;
    const Settings titlePicture{{Option::ArticleTitlePictureOn, u"1"_s},
                                {Option::ArticleTitleIndent, u"22"_s},
                                {Option::ArticleTitleLineHeight, u"30"_s},
                                {Option::ArticleTitlePicture, u"t.gif"_s},
                                {Option::ArticleTitlePictureRepeat, u"repeat-x"_s},
                                {Option::ArticleTitlePicturePosition, u"bottom center "_s}};
    QTest::newRow("title picture") << titlePicture << 1
                                   << u"#m_blog div.tit{color:#5577ff;font-size:16px;text-indent:22px;line-height:30px;"
                                      u"background:url(t.gif);background-repeat:repeat-x;"
                                      u"background-position:bottom center }"_s;
    QTest::newRow("title link keeps bold")
        << titlePicture << 2 << u"#m_blog div.tit a{color:#5577ff;font-size:16px;font-weight:bold}"_s;
    QTest::newRow("separator picture") << Settings{{Option::ArticleDividerPictureOn, u"1"_s},
                                                   {Option::ArticleDividerPicture, u"s.gif"_s},
                                                   {Option::ArticleDividerRepeat, u"no-repeat"_s},
                                                   {Option::ArticleDividerLineHeight, u"9"_s}}
                                       << 11
                                       << u"#m_blog div.line{background:url(s.gif);background-repeat:no-repeat;"
                                          u"line-height:9px}"_s;
    const Settings colours{
        {Option::ArticleTitleColour, u"#a1a1a1"_s}, {Option::ArticleTitleVisitedColour, u"#b2b2b2"_s},
        {Option::CategoryColour, u"#c3c3c3"_s},     {Option::CategoryVisitedColour, u"#d4d4d4"_s},
        {Option::ArticleDateIndent, u"8"_s},        {Option::CategoryFontSize, u"11"_s}};
    QTest::newRow("date takes title colour")
        << colours << 4 << u"#m_blog div.date{margin:5px 0 8px 8px;color:#a1a1a1}"_s;
    QTest::newRow("visited title") << colours << 3 << u"#m_blog div.tit a:visited{color:#b2b2b2}"_s;
    QTest::newRow("more link") << colours << 6 << u"#m_blog div.more{color:#c3c3c3;font-size:11px}"_s;
    QTest::newRow("more visited") << colours << 7 << u"#m_blog div.more a:visited{color:#d4d4d4}"_s;
    QTest::newRow("option visited") << colours << 10 << u"#m_blog div.opt a:visited{color:#d4d4d4}"_s;
    QTest::newRow("separator line colour")
        << colours << 11 << u"#m_blog div.line{line-height:17px;border-top:1px solid #c3c3c3}"_s;
    QTest::newRow("empty list") << colours << 12
                                << u"#m_blog div.none{padding:100px 0 100px 0;color:#c3c3c3;font-size:11px}"_s;
}

void TestArticles::switches()
{
    QFETCH(Settings, settings);
    QFETCH(int, line);
    QFETCH(QString, rule);
    const QStringList l = lines(settings);
    QCOMPARE(l.size(), 13);
    QCOMPARE(l.at(line), rule);
}

void TestArticles::bodyEffects_data()
{
    QTest::addColumn<QString>("effect");
    QTest::addColumn<QString>("plainEnding");
    QTest::addColumn<QString>("pictureEnding");
    const QString shadow = u";Filter:DropShadow(Color=color,Offx=Offx,Offy=offy,Positive=positive)}"_s;
    const QString emboss = u";filter:progid:DXImageTransform.Microsoft.emboss(bias=0.5)}"_s;
    const QString wave = u";filter:Wave(Add=add,Freq=freq,LightStrength=strength,Phase=phase,Strength=strength)}"_s;
    QTest::newRow("none") << u"无效果"_s << u"px}"_s << u"}"_s;
    QTest::newRow("glow") << u"发光效果"_s << u"px;filter:glow(color:#00ff00,strength=3)}"_s
                          << u";filter:glow(color:#00ff00,strength=3)}"_s;
    QTest::newRow("shadow") << u"阴影效果"_s << u"px"_s + shadow << shadow;
    QTest::newRow("blur") << u"模糊效果"_s << u"px;filter:blur(30)}"_s << u";filter:blur(30)}"_s;
    QTest::newRow("engrave") << u"凹立体"_s << u"px;filter:shadow(color:#00ff00,strength=4)}"_s
                             << u";filter:progid:DXImageTransform.Microsoft.engrave(bias=0.5)}"_s;
    QTest::newRow("emboss") << u"凸立体"_s << u"px"_s + emboss << emboss;
    QTest::newRow("wave") << u"波纹效果"_s << u"px"_s + wave << wave;
    QTest::newRow("mask") << u"掩膜效果"_s << u"px;filter:Mask(color:#00ff00)}"_s << u";filter:Mask(color:#00ff00)}"_s;
    QTest::newRow("flip h") << u"水平镜像效果"_s << u"px;filter:FlipH}"_s << u";filter:FlipH}"_s;
    QTest::newRow("flip v") << u"垂直镜像效果"_s << u"px;filter:FlipV}"_s << u";filter:FlipV}"_s;
}

void TestArticles::bodyEffects()
{
    QFETCH(QString, effect);
    QFETCH(QString, plainEnding);
    QFETCH(QString, pictureEnding);
    const Settings base{{Option::ArticleTextEffect, effect},
                        {Option::ArticleTextEffectColour, u"效果颜色#00ff00"_s},
                        {Option::ArticleTextPicture, u"b.jpg"_s},
                        {Option::ArticleTextPictureRepeat, u"repeat-x"_s},
                        {Option::ArticleTextPicturePosition, u"right"_s}};
    const QString head = u"#m_blog div.cnt{color:#333333;line-height:20px;font-size:14"_s;
    QCOMPARE(lines(base).at(kBodyLine), QString(head + plainEnding));
    QCOMPARE(lines(base + Settings{{Option::ArticleTextPictureOn, u"1"_s}}).at(kBodyLine),
             QString(head + u"px;background:url(b.jpg);background-repeat:repeat-x;background-position:right" +
                     pictureEnding));
}

void TestArticles::unknownEffectLeavesEmptyLine()
{
    const QStringList plain = lines({});
    const QStringList l = lines({{Option::ArticleTextEffect, u"Glow"_s}});
    QCOMPARE(l.size(), 13);
    QCOMPARE(l.at(kBodyLine), QString());
    QCOMPARE(l.mid(0, kBodyLine), plain.mid(0, kBodyLine));
    QCOMPARE(l.mid(kBodyLine + 1), plain.mid(kBodyLine + 1));
}

void TestArticles::shortColourIsNotRepaired()
{
    const QStringList l = lines({{Option::CategoryColour, u"字体颜色#12345"_s}, {Option::ArticleTextColour, u"}"_s}});
    QCOMPARE(l.at(12), u"#m_blog div.none{padding:100px 0 100px 0;color:##12345;font-size:12px}"_s);
    QCOMPARE(l.at(kBodyLine), u"#m_blog div.cnt{color:#};line-height:20px;font-size:14px}"_s);
}

QTEST_GUILESS_MAIN(TestArticles)
#include "test_articles.moc"
