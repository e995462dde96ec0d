#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "support/helpers.h"

#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList writes(const Settings &settings)
{
    return generate(u"cmdbg", optionsWith(settings)).writes;
}

} // namespace

class TestBackground : public QObject {
    Q_OBJECT
private slots:
    void defaultBlockBytes();
    void bodyRule_data();
    void bodyRule();
    void widthRule();
    void mainAreaRule_data();
    void mainAreaRule();
    void columnRules_data();
    void columnRules();
    void textsGoInAsTheyStand();
};

void TestBackground::defaultBlockBytes()
{
    const GeneratedBlock block = generate(u"cmdbg", OptionSet());
    QVERIFY(block.error.isEmpty());
    QCOMPARE(block.writes.size(), 8);
    const QByteArray expected = "/*\xB1\xB3\xBE\xB0\xC7\xF8\xD3\xF2*/\r\n" // 背景区域
                                "body{background-color:#000000}\r\n"
                                "\r\n/*\xBF\xD5\xBC\xE4\xBF\xED\xB6\xC8*/\r\n" // 空间宽度
                                "\r\n"
                                "\r\n/*\xD6\xF7\xCC\xE5\xC7\xF8\xD3\xF2\xB1\xB3\xBE\xB0*/\r\n" // 主体区域背景
                                ".stage{text-align:center;background-color:#000000}\r\n"
                                "\r\n/*\xB7\xD6\xC0\xB8\xC9\xE8\xD6\xC3*/\r\n" // 分栏设置
                                "\r\n";
    QCOMPARE(encodeBlock(block.writes), expected);
}

void TestBackground::bodyRule_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("rule");
    const QString url = u"http://x.test/c.ani"_s;
    const QString picture = u"body{background:url(p.jpg) #000000;background-repeat:no-repeat;"
                            u"background-position:top center;background-attachment:fixed"_s;
    QTest::newRow("plain") << Settings{} << u"body{background-color:#000000}"_s;
    QTest::newRow("cursor url") << Settings{{Option::CursorOn, u"1"_s}, {Option::Cursor, url}}
                                << u"body{background-color:#000000;CURSOR:url('http://x.test/c.ani')} "_s;
    QTest::newRow("cursor keyword") << Settings{{Option::CursorOn, u"1"_s}, {Option::Cursor, u"pointer"_s}}
                                    << u"body{background-color:#000000;CURSOR:pointer}"_s;
    QTest::newRow("capital scheme is no url")
        << Settings{{Option::CursorOn, u"1"_s}, {Option::Cursor, u"HTTP://x.test/c.ani"_s}}
        << u"body{background-color:#000000;CURSOR:HTTP://x.test/c.ani}"_s;
    const Settings pic{{Option::PagePictureOn, u"1"_s}, {Option::PagePicture, u"p.jpg"_s}};
    QTest::newRow("picture fixed") << (pic + Settings{{Option::PageBackgroundFixed, u"1"_s}}) << picture + u'}';
    QTest::newRow("picture not fixed") << pic << picture + u'}';
    QTest::newRow("picture fixed cursor url")
        << (pic + Settings{{Option::PageBackgroundFixed, u"1"_s}, {Option::CursorOn, u"1"_s}, {Option::Cursor, url}})
        << picture + u";CURSOR:url('http://x.test/c.ani')} ";
    QTest::newRow("picture fixed cursor keyword")
        << (pic +
            Settings{{Option::PageBackgroundFixed, u"1"_s}, {Option::CursorOn, u"1"_s}, {Option::Cursor, u"wait"_s}})
        << picture + u";CURSOR:wait}";
    QTest::newRow("picture not fixed cursor url") << (pic + Settings{{Option::CursorOn, u"1"_s}, {Option::Cursor, url}})
                                                  << picture + u";CURSOR:url('http://x.test/c.ani')}";
    QTest::newRow("picture not fixed cursor keyword")
        << (pic + Settings{{Option::CursorOn, u"1"_s}, {Option::Cursor, u"help"_s}}) << picture + u";CURSOR:help}";
    QTest::newRow("colour digits") << Settings{{Option::PageBackgroundColour, u"背景颜色#ABCDEF"_s}}
                                   << u"body{background-color:#ABCDEF}"_s;
    QTest::newRow("short colour whole") << Settings{{Option::PageBackgroundColour, u"#abc"_s}}
                                        << u"body{background-color:##abc}"_s;
}

void TestBackground::bodyRule()
{
    QFETCH(Settings, settings);
    QFETCH(QString, rule);
    QCOMPARE(writes(settings).at(1), rule);
}

void TestBackground::widthRule()
{
    QCOMPARE(writes({}).at(3), QString());
    QCOMPARE(writes({{Option::BodyWidthOn, u"1"_s}, {Option::BodyWidth, u"760"_s}}).at(3),
             u"#main{width:760px!important}"_s);
}

void TestBackground::mainAreaRule_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("rule");
    const Settings scroll{{Option::MainScrollOn, u"1"_s},
                          {Option::MainScrollTop, u"1"_s},
                          {Option::MainScrollLeft, u"2"_s},
                          {Option::MainScrollWidth, u"3"_s},
                          {Option::MainScrollHeight, u"4"_s}};
    const QString tail = u"position:absolute;top:1px!important; left:2px!important;width:3px!important;"
                         u"height:4px!important;overflow:auto}"_s;
    const Settings picture{{Option::MainPictureOn, u"1"_s},
                           {Option::MainPicture, u"d.gif"_s},
                           {Option::MainPictureRepeat, u"repeat-x"_s},
                           {Option::MainPicturePosition, u"20px 30px"_s}};
    const Settings transparent{{Option::MainTransparencyOn, u"1"_s}, {Option::MainTransparency, u"60"_s}};
    const Settings left{{Option::MainAlignment, u"主体位置left"_s}};

    QTest::newRow("plain") << left << u".stage{text-align:left;background-color:#000000}"_s;
    QTest::newRow("picture") << picture
                             << u".stage{text-align:center;background:url(d.gif) #000000;background-repeat:repeat-x;"
                                u"background-position:20px 30px}"_s;
    QTest::newRow("transparent") << transparent
                                 << u".stage{text-align:center;background-color:#000000;filter:alpha(opacity=60)}"_s;
    // Transparency unticks the body picture; set the picture again afterwards to cover "any".
    QTest::newRow("transparent beats picture")
        << (transparent + Settings{{Option::MainPictureOn, u"1"_s}})
        << u".stage{text-align:center;background-color:#000000;filter:alpha(opacity=60)}"_s;
    QTest::newRow("scroll") << scroll << u".stage{text-align:center;background-color:#000000;"_s + tail;
    QTest::newRow("scroll picture") << (scroll + picture)
                                    << u".stage{text-align:center;background:url(d.gif) #000000;"
                                       u"background-repeat:repeat-x;"_s +
                                           tail;
    QTest::newRow("scroll transparent") << (scroll + transparent + Settings{{Option::MainPictureOn, u"1"_s}})
                                        << u".stage{text-align:center;background:transparent;"_s + tail;
    QTest::newRow("short alignment") << Settings{{Option::MainAlignment, u"主体"_s}}
                                     << u".stage{text-align:;background-color:#000000}"_s;
}

void TestBackground::mainAreaRule()
{
    QFETCH(Settings, settings);
    QFETCH(QString, rule);
    QCOMPARE(writes(settings).at(5), rule);
}

void TestBackground::columnRules_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("rules");
    QTest::newRow("default") << u"默认分栏"_s << QString();
    QTest::newRow("two") << u"分两栏"_s
                         << u"#layout{width:900px}\r\n#layout td.c2t1{width:1px}\r\n#layout td.c2t2{display:none}\r\n"
                            u"#layout td.c2t3{width:2px}"_s;
    QTest::newRow("three") << u"分三栏"_s
                           << u"#layout{width:900px}\r\n#layout td.c2t1{width:1px}\r\n#layout td.c2t2{width:2px}\r\n"
                              u"#layout td.c2t3{width:3px}"_s;
    QTest::newRow("single") << u"单栏(不分)"_s
                            << u"#layout{width:900px}\r\n#layout td.c2t1{width:900px}\r\n"
                               u"#layout td.c2t2{display:none}\r\n#layout td.c2t3{display:none}"_s;
    QTest::newRow("other text") << u"分四栏"_s << QString();
}

void TestBackground::columnRules()
{
    QFETCH(QString, layout);
    QFETCH(QString, rules);
    const QStringList w = writes({{Option::ColumnLayout, layout},
                                  {Option::ColumnsTotalWidth, u"900"_s},
                                  {Option::FirstColumnWidth, u"1"_s},
                                  {Option::SecondColumnWidth, u"2"_s},
                                  {Option::ThirdColumnWidth, u"3"_s}});
    QCOMPARE(w.at(6), u"\r\n/*分栏设置*/"_s);
    QCOMPARE(w.at(7), rules);
}

void TestBackground::textsGoInAsTheyStand()
{
    const QStringList w = writes({{Option::BodyWidthOn, u"1"_s}, {Option::BodyWidth, u"}\r\n😀"_s}});
    QCOMPARE(w.at(3), u"#main{width:}\r\n😀px!important}"_s);
    // Disabled fields are read all the same.
    OptionSet o;
    o.setValue(Option::PagePicture, u"still-read.jpg"_s);
    o.setValue(Option::PagePictureOn, u"1"_s);
    QVERIFY(generate(u"cmdbg", o).writes.at(1).contains(u"still-read.jpg"));
}

QTEST_GUILESS_MAIN(TestBackground)
#include "test_background.moc"
