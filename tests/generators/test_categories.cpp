#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "support/helpers.h"

#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

class TestCategories : public QObject {
    Q_OBJECT
private slots:
    void defaultBlockBytes();
    void rules_data();
    void rules();
};

void TestCategories::defaultBlockBytes()
{
    const GeneratedBlock block = generate(u"cmdwzsz", OptionSet());
    QVERIFY(block.error.isEmpty());
    QCOMPARE(block.writes.size(), 4);
    const QByteArray expected = "\r\n/*\xCE\xC4\xD5\xC2\xB7\xD6\xC0\xE0\xC7\xF8\xD3\xF2*/\r\n" // 文章分类区域
                                "\r\n"
                                "#m_artclg div.item{color:#5577ff;font-size:12px}\r\n"
                                "#m_artclg div.item a{color:#5577ff;font-size:12px}\r\n"
                                "#m_artclg div.item a:visited{color:#ff77ff}\r\n"
                                "#m_artclg div.line{margin-top:5px;line-height:5px;border-top:1px solid #5577ff}\r\n"
                                "\r\n/*\xCE\xC4\xD5\xC2\xB4\xE6\xB5\xB5\xC7\xF8\xD3\xF2*/\r\n" // 文章存档区域
                                "\r\n"
                                "#m_filed div.item{color:#5577ff;font-size:12px}\r\n"
                                "#m_filed div.item a{color:#5577ff;font-size:12px}\r\n"
                                "#m_filed div.item a:visited{color:#ff77ff}\r\n"
                                "#m_filed div.line{margin-top:5px;line-height:5px;border-top:1px solid #5577ff}\r\n";
    QCOMPARE(encodeBlock(block.writes), expected);
}

// Each rule of the category set; the archive set must be the same with its own selector.
void TestCategories::rules_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("rule");
    QTest::newRow("scroll bar") << Settings{{Option::CategoryScrollOn, u"1"_s},
                                            {Option::CategoryScrollHeight, u"240"_s}}
                                << 0 << u"#m_artclg{overflow-y:auto;height:240px}"_s;
    QTest::newRow("item picture") << Settings{{Option::CategoryPictureOn, u"1"_s},
                                              {Option::CategoryPicture, u"i.gif"_s},
                                              {Option::CategoryPictureRepeat, u"repeat-y"_s},
                                              {Option::CategoryPicturePosition, u"bottom center "_s}}
                                  << 1
                                  << u"#m_artclg div.item{color:#5577ff;font-size:12px;background:url(i.gif);"
                                     u"background-repeat:repeat-y;background-position:bottom center }"_s;
    const Settings colours{{Option::CategoryColour, u"字体颜色#010101"_s},
                           {Option::CategoryVisitedColour, u"已访问字体颜色#020202"_s},
                           {Option::CategoryFontSize, u"15"_s},
                           {Option::CategoryDividerLineHeight, u"3"_s}};
    QTest::newRow("item") << colours << 1 << u"#m_artclg div.item{color:#010101;font-size:15px}"_s;
    QTest::newRow("item link") << colours << 2 << u"#m_artclg div.item a{color:#010101;font-size:15px}"_s;
    QTest::newRow("visited link") << colours << 3 << u"#m_artclg div.item a:visited{color:#020202}"_s;
    QTest::newRow("separator line") << colours << 4
                                    << u"#m_artclg div.line{margin-top:5px;line-height:3px;"
                                       u"border-top:1px solid #010101}"_s;
    QTest::newRow("separator picture") << Settings{{Option::CategoryDividerPictureOn, u"1"_s},
                                                   {Option::CategoryDividerPicture, u"d.gif"_s},
                                                   {Option::CategoryDividerRepeat, u"no-repeat"_s}}
                                       << 4
                                       << u"#m_artclg div.line{line-height:5px;background:url(d.gif);"
                                          u"background-repeat:no-repeat}"_s;
    QTest::newRow("texts as they stand") << Settings{{Option::CategoryScrollOn, u"1"_s},
                                                     {Option::CategoryScrollHeight, u"}\r\n"_s}}
                                         << 0 << u"#m_artclg{overflow-y:auto;height:}"_s;
}

void TestCategories::rules()
{
    QFETCH(Settings, settings);
    QFETCH(int, line);
    QFETCH(QString, rule);
    const QStringList w = generate(u"cmdwzsz", optionsWith(settings)).writes;
    QCOMPARE(w.size(), 4);
    QCOMPARE(w.at(0), u"\r\n/*文章分类区域*/"_s);
    QCOMPARE(w.at(2), u"\r\n/*文章存档区域*/"_s);
    QCOMPARE(w.at(1).split(u"\r\n"_s).at(line), rule);
    QCOMPARE(QString(w.at(1)).replace(u"#m_artclg"_s, u"#m_filed"_s), w.at(3));
}

QTEST_GUILESS_MAIN(TestCategories)
#include "test_categories.moc"
