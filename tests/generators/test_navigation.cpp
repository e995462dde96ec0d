#include "editor/editor_actions.h"
#include "generators/code_file.h"
#include "generators/css_text.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "support/fakes.h"
#include "support/helpers.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList lines(const Settings &settings)
{
    return generate(u"cmddaoh", optionsWith(settings)).writes.value(2).split(u"\r\n"_s);
}

const Settings kDividers{{Option::NavigationHideDividers, u"0"_s}};

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void defaultBlockBytes();
    void dividersShown();
    void layout_data();
    void layout();
    void derivedSizes();
    void unreadOptionsChangeNothing();
    void fontSizeNotANumber_data();
    void fontSizeNotANumber();
    void fontSizeNotANumberAppendsNothing();
};

void TestNavigation::defaultBlockBytes()
{
    const GeneratedBlock block = generate(u"cmddaoh", OptionSet());
    QVERIFY(block.error.isEmpty());
    QCOMPARE(block.writes.size(), 3);
    const QByteArray expected = "\r\n"
                                "/*\xB5\xBC\xBA\xBD\xC7\xF8\xD3\xF2*/\r\n" // 导航区域
                                "#tabline{display:none}\r\n"
                                "#tab{top:20px;left:60px}\r\n"
                                "#tab a{text-align:center}\r\n"
                                "#tab a.on,#tab a.on:link,#tab a.on:visited{"
                                "line-height:30px;color:#5577ff;font-size:16px}\r\n"
                                "#tab a:link,#tab a:visited{"
                                "text-decoration:none;color:#5577ff;font-size:16px;line-height:21px}\r\n"
                                "#tab span{display:none}\r\n"
                                "#tab a:hover,#tab a.on:hover{font-size:17px;line-height:22px}\r\n"
                                "#tab2{color:#5577ff;font-size:14px}\r\n"
                                "#tab2 span{display:none}\r\n"
                                "#tab2 a{font-size:14px}\r\n"
                                "#tab2 a:link{color:#5577ff}\r\n"
                                "#tab2 a:visited{color:#5577ff}\r\n";
    QCOMPARE(encodeBlock(block.writes), expected);
}

void TestNavigation::dividersShown()
{
    const QStringList expected{
        u"#tabline{top:20px;background-color:#5577ff}"_s,
        u"#tab{top:20px;left:60px}"_s,
        u"#tab a{text-align:center}"_s,
        u"#tab a.on,#tab a.on:link,#tab a.on:visited{line-height:30px;color:#5577ff;font-size:16px}"_s,
        u"#tab a:link,#tab a:visited{text-decoration:none;color:#5577ff;font-size:16px;line-height:21px}"_s,
        u"#tab span{color:#5577ff;font-size:14px}"_s,
        u"#tab a:hover,#tab a.on:hover{font-size:17px;line-height:22px}"_s,
        u"#tab2{color:#5577ff;font-size:14px}"_s,
        u"#tab2 span{color:#5577ff;font-size:14px;font-weight:bold;text-decoration:none}"_s,
        u"#tab2 a{font-size:14px}"_s,
        u"#tab2 a:link{color:#5577ff}"_s,
        u"#tab2 a:visited{color:#5577ff}"_s,
    };
    QCOMPARE(lines(kDividers), expected);
    // Hiding the dividers swaps exactly those three lines, in place.
    QStringList hidden = expected;
    hidden[0] = u"#tabline{display:none}"_s;
    hidden[5] = u"#tab span{display:none}"_s;
    hidden[8] = u"#tab2 span{display:none}"_s;
    QCOMPARE(lines({{Option::NavigationHideDividers, u"1"_s}}), hidden);
}

void TestNavigation::layout_data()
{
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("pictures");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("active");
    QTest::addColumn<QString>("hover");
    const QString a = u"#tab a.on,#tab a.on:link,#tab a.on:visited{"_s;
    const QString h = u"#tab a:hover,#tab a.on:hover{font-size:17px;line-height:22px"_s;
    const QString activePicture =
        a + u"line-height:21px;background:url(p.gif);background-repeat:no-repeat;color:#5577ff;font-size:16px}";
    QTest::newRow("horizontal") << u"0"_s << u"0"_s << u"#tab{top:20px;left:60px}"_s
                                << a + u"line-height:30px;color:#5577ff;font-size:16px}" << h + u'}';
    QTest::newRow("horizontal pictures") << u"0"_s << u"1"_s << u"#tab{top:20px;left:60px}"_s << activePicture
                                         << h + u";background:url(m.gif);background-repeat:no-repeat}";
    QTest::newRow("vertical") << u"1"_s << u"0"_s << u"#tab{top:20px;left:60px;width:100px!important}"_s
                              << a + u"width:100px!important;line-height:30px;color:#5577ff;font-size:16px}"
                              << h + u'}';
    QTest::newRow("vertical pictures")
        << u"1"_s << u"1"_s << u"#tab{top:20px;;left:60px;background:url(p.gif) no-repeat;width:100px!important}"_s
        << activePicture << h + u";background:url(m.gif)}";
    QTest::newRow("greyed boxes are off") << u"2"_s << u"2"_s << u"#tab{top:20px;left:60px}"_s
                                          << a + u"line-height:30px;color:#5577ff;font-size:16px}" << h + u'}';
}

void TestNavigation::layout()
{
    QFETCH(QString, vertical);
    QFETCH(QString, pictures);
    QFETCH(QString, row);
    QFETCH(QString, active);
    QFETCH(QString, hover);
    const QStringList l = lines(kDividers + Settings{{Option::NavigationVertical, vertical},
                                                     {Option::NavigationPicturesOn, pictures},
                                                     {Option::NavigationPicture, u"p.gif"_s},
                                                     {Option::NavigationHoverPicture, u"m.gif"_s}});
    QCOMPARE(l.size(), 12);
    QCOMPARE(l.at(1), row);
    QCOMPARE(l.at(3), active);
    QCOMPARE(l.at(6), hover);
}

void TestNavigation::derivedSizes()
{
    const QStringList l = lines(kDividers + Settings{{Option::NavigationFontSize, u"12.5"_s}});
    QCOMPARE(l.at(3),
             u"#tab a.on,#tab a.on:link,#tab a.on:visited{line-height:28.5px;color:#5577ff;font-size:14.5px}"_s);
    QCOMPARE(l.at(4),
             u"#tab a:link,#tab a:visited{text-decoration:none;color:#5577ff;font-size:14.5px;line-height:19.5px}"_s);
    QCOMPARE(l.at(5), u"#tab span{color:#5577ff;font-size:12.5px}"_s);
    QCOMPARE(l.at(6), u"#tab a:hover,#tab a.on:hover{font-size:15.5px;line-height:20.5px}"_s);
    QCOMPARE(l.at(7), u"#tab2{color:#5577ff;font-size:12.5px}"_s);
    QCOMPARE(l.at(8), u"#tab2 span{color:#5577ff;font-size:12.5px;font-weight:bold;text-decoration:none}"_s);
    QCOMPARE(l.at(9), u"#tab2 a{font-size:12.5px}"_s);
    // F alone keeps its text as typed; only the sums are in shortest form.
    const QStringList typed = lines(kDividers + Settings{{Option::NavigationFontSize, u"014.0"_s}});
    QCOMPARE(typed.at(5), u"#tab span{color:#5577ff;font-size:014.0px}"_s);
    QCOMPARE(typed.at(6), u"#tab a:hover,#tab a.on:hover{font-size:17px;line-height:22px}"_s);
}

void TestNavigation::unreadOptionsChangeNothing()
{
    const QStringList before = lines(kDividers);
    QCOMPARE(lines(kDividers + Settings{{Option::NavigationLineHeight, u"99"_s},
                                        {Option::NavigationVisitedColour, u"已访问字体颜色#010203"_s}}),
             before);
}

void TestNavigation::fontSizeNotANumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("unit") << u"14px"_s;
    QTest::newRow("word") << u"大"_s;
}

void TestNavigation::fontSizeNotANumber()
{
    QFETCH(QString, text);
    const GeneratedBlock block = generate(u"cmddaoh", optionsWith({{Option::NavigationFontSize, text}}));
    QCOMPARE(block.error, notANumber(u"导航字体大小", text).message);
    QVERIFY(block.writes.isEmpty());
}

void TestNavigation::fontSizeNotANumberAppendsNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    testing::FakePrompts prompts;
    prompts.answers = {true};
    testing::FakeDesktop desktop;
    runAreaButton(Area::Navigation, optionsWith({{Option::NavigationFontSize, u"abc"_s}}), dir.path(), prompts,
                  desktop);

    QVERIFY(!QFileInfo::exists(codeFilePath(dir.path())));
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown.at(0).title, u"错误提示"_s);
    QCOMPARE(prompts.shown.at(0).text, notANumber(u"导航字体大小", u"abc").message);
    QVERIFY(desktop.openedFiles.isEmpty());
}

QTEST_GUILESS_MAIN(TestNavigation)
#include "test_navigation.moc"
