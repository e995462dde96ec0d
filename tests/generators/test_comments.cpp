#include "editor/editor_actions.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/catalogue.h"
#include "options/option_set.h"
#include "platform/prompts.h"
#include "support/fakes.h"
#include "support/helpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList lines(const Settings &settings, int write)
{
    return generate(u"cmdpinlun", optionsWith(settings)).writes.at(write).split(u"\r\n"_s);
}

} // namespace

class TestComments : public QObject {
    Q_OBJECT
private slots:
    void defaultBlockBytes();
    void titleSize_data();
    void titleSize();
    void textBoxPicture_data();
    void textBoxPicture();
    void separators_data();
    void separators();
    void sizeNotANumber_data();
    void sizeNotANumber();
    void sizeNotANumberWritesNothing();
    void textsGoInAsTheyStand();
};

void TestComments::defaultBlockBytes()
{
    const GeneratedBlock block = generate(u"cmdpinlun", OptionSet());
    QVERIFY(block.error.isEmpty());
    QCOMPARE(block.writes.size(), 4);
    const QByteArray expected =
        "\r\n/*\xD7\xEE\xD0\xC2\xC6\xC0\xC2\xDB*/\r\n" // 最新评论
        "#m_comment div.item{color:#ff0000;font-size:12px}\r\n"
        "#m_comment div.item a{color:#ff0000;font-size:12px} \r\n"
        "#m_comment div.item a:visited{color:#ff0000}\r\n"
        "#m_comment div.item a.cnt{color:#ff0000;font-size:12px;text-decoration:none}\r\n"
        "#m_comment div.item a.cnt:visited{color:#ff0000;text-decoration:none}\r\n"
        "#m_comment div.item a.cnt:hover{color:#ff0000;text-decoration:underline}\r\n"
        "#in_comment{width:710px}\r\n"
        "#in_comment div.tit{color:#ff0000;font-size:14px;font-weight:bold;line-height:18px}\r\n"
        "#in_comment div.user a{color:#ff0000;font-size:12px;line-height:12px}\r\n"
        "#in_comment div.user a:visited{color:#ff0000}\r\n"
        "#in_comment div.user span.date{color:#ff0000;font-size:12px}\r\n"
        "#in_comment div.desc{color:#ff0000;font-size:12px}\r\n"
        "#in_send div.tit{margin:10px 0 10px 0;color:#ff0000;font-size:14px;font-weight:bold}\r\n"
        "\r\n"
        "\r\n/*\xC1\xF4\xD1\xD4\xB0\xE5*/\r\n" // 留言板
        "#in_msg div.tit{margin-bottom:12px;color:#ff0000;font-size:14px;font-weight:bold}\r\n"
        "#in_msg a{}\r\n"
        "#in_msg a:hover{}\r\n"
        "#in_msg .item td.index{width:40px;color:#ff0000;font-size:12px}\r\n"
        "#in_msg .item div.user{width:150px;color:#ff0000}\r\n"
        "#in_msg .item div.user a{color:#ff0000;font-size:12px}\r\n"
        "#in_msg .item div.user a:visited{color:#ff0000}\r\n"
        "#in_msg .item div.user a:hover{color:#ff0000}\r\n"
        "#in_msg .item div.user img{margin-bottom:5px}\r\n"
        "#in_msg .item td.cnt a{color:#ff0000;font-size:12px}\r\n"
        "#in_msg .item td.cnt a:visited{color:#ff0000}\r\n"
        "#in_msg .item td.cnt a:hover{color:#ff0000}\r\n"
        "#in_msg span.date{color:#ff0000;font-size:12px}\r\n"
        "#in_msg div.desc{margin-top:5px;color:#ff0000;font-size:12px}\r\n"
        "#in_msg div.line{margin-top:17px;line-height:17px;border-top:1px solid #ff0000}\r\n"
        "#m_comment div.line{line-height:12px;border-top:1px solid #ff0000}\r\n";
    QCOMPARE(encodeBlock(block.writes), expected);
    QCOMPARE(block.writes.at(1).split(u"\r\n"_s).size(), 14);
    QCOMPARE(block.writes.at(3).split(u"\r\n"_s).size(), 16);
}

void TestComments::titleSize_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("title");
    QTest::newRow("whole") << u"12"_s << u"14"_s;
    QTest::newRow("half") << u"12.5"_s << u"14.5"_s;
    QTest::newRow("negative") << u"-3"_s << u"-1"_s;
    QTest::newRow("trailing zeros") << u"10.50"_s << u"12.5"_s;
}

void TestComments::titleSize()
{
    QFETCH(QString, size);
    QFETCH(QString, title);
    const OptionSet o = optionsWith({{Option::CommentFontSize, size}});
    const QStringList w = generate(u"cmdpinlun", o).writes;
    const QStringList first = w.at(1).split(u"\r\n"_s);
    const QStringList second = w.at(3).split(u"\r\n"_s);
    QCOMPARE(first.at(7),
             u"#in_comment div.tit{color:#ff0000;font-size:"_s + title + u"px;font-weight:bold;line-height:18px}");
    QCOMPARE(first.at(12),
             u"#in_send div.tit{margin:10px 0 10px 0;color:#ff0000;font-size:"_s + title + u"px;font-weight:bold}");
    QCOMPARE(second.at(0),
             u"#in_msg div.tit{margin-bottom:12px;color:#ff0000;font-size:"_s + title + u"px;font-weight:bold}");
    // Every other rule carries the size as typed.
    QCOMPARE(first.at(8),
             u"#in_comment div.user a{color:#ff0000;font-size:"_s + size + u"px;line-height:" + size + u"px}");
    QCOMPARE(second.at(13), u"#in_msg div.desc{margin-top:5px;color:#ff0000;font-size:"_s + size + u"px}");
}

void TestComments::textBoxPicture_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("rule");
    const Settings picture{{Option::CommentBoxPicture, u"k.gif"_s},
                           {Option::CommentBoxPictureRepeat, u"repeat-y"_s},
                           {Option::CommentBoxPicturePosition, u"bottom center "_s}};
    QTest::newRow("off") << picture << QString();
    QTest::newRow("on") << (picture + Settings{{Option::CommentBoxPictureOn, u"1"_s}})
                        << u"#spBlogCmtText{background:url(k.gif);background-repeat:repeat-y;"
                           u"background-position:bottom center }"_s;
    QTest::newRow("greyed is not on") << (picture + Settings{{Option::CommentBoxPictureOn, u"2"_s}}) << QString();
}

void TestComments::textBoxPicture()
{
    QFETCH(Settings, settings);
    QFETCH(QString, rule);
    const QStringList first = lines(settings, 1);
    QCOMPARE(first.size(), 14);
    QCOMPARE(first.last(), rule);
}

void TestComments::separators_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("latest");
    const Settings values{{Option::CommentLineHeight, u"9"_s},
                          {Option::CommentDividerPicture, u"s.gif"_s},
                          {Option::CommentDividerRepeat, u"no-repeat"_s},
                          {Option::CommentDividerPosition, u"center"_s},
                          {Option::CommentColour, u"字体颜色#123456"_s}};
    QTest::newRow("lines") << values
                           << u"#in_msg div.line{margin-top:17px;line-height:17px;border-top:1px solid #123456}"_s
                           << u"#m_comment div.line{line-height:9px;border-top:1px solid #123456}"_s;
    QTest::newRow("pictures")
        << (values + Settings{{Option::CommentDividerPictureOn, u"1"_s}})
        << u"#in_msg div.line{line-height:9px;background:url(s.gif);background-repeat:no-repeat;"
           u"background-position:center}"_s
        << u"#m_comment div.line{line-height:9px;background:url(s.gif);background-repeat:no-repeat;"
           u"background-position:center}"_s;
}

void TestComments::separators()
{
    QFETCH(Settings, settings);
    QFETCH(QString, board);
    QFETCH(QString, latest);
    const QStringList second = lines(settings, 3);
    QCOMPARE(second.size(), 16);
    QCOMPARE(second.at(14), board);
    QCOMPARE(second.at(15), latest);
}

void TestComments::sizeNotANumber_data()
{
    QTest::addColumn<QString>("size");
    QTest::newRow("empty") << QString();
    QTest::newRow("unit") << u"12px"_s;
    QTest::newRow("word") << u"abc"_s;
    QTest::newRow("blank") << u" 12"_s;
}

void TestComments::sizeNotANumber()
{
    QFETCH(QString, size);
    const GeneratedBlock block = generate(u"cmdpinlun", optionsWith({{Option::CommentFontSize, size}}));
    QVERIFY(block.writes.isEmpty());
    QVERIFY(block.error.contains(u"留言评论字体大小"));
}

void TestComments::sizeNotANumberWritesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray before = "earlier block\r\n";
    QFile file(codeFilePath(dir.path()));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();

    testing::FakePrompts prompts;
    testing::FakeDesktop desktop;
    runAreaButton(Area::Comments, optionsWith({{Option::CommentFontSize, u"abc"_s}}), dir.path(), prompts, desktop);

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown.at(0).title, kErrorTitle);
    QVERIFY(!prompts.shown.at(0).question);
    QVERIFY(prompts.shown.at(0).text.contains(u"abc"));
    QVERIFY(desktop.openedFiles.isEmpty());
}

void TestComments::textsGoInAsTheyStand()
{
    const QStringList first =
        lines({{Option::ArticleTitleLineHeight, u"}\n😀"_s}, {Option::CommentVisitedColour, u"#abc"_s}}, 1);
    QCOMPARE(first.at(2), u"#m_comment div.item a:visited{color:##abc}"_s);
    QCOMPARE(first.at(7), u"#in_comment div.tit{color:#ff0000;font-size:14px;font-weight:bold;line-height:}\n😀px}"_s);
    // A disabled field is read all the same.
    OptionSet o =
        optionsWith({{Option::CommentBoxPictureOn, u"1"_s}, {Option::CommentBoxPicture, u"still-read.gif"_s}});
    o.setEnabled(Option::CommentBoxPicture, false);
    QVERIFY(generate(u"cmdpinlun", o)
                .writes.at(1)
                .endsWith(u"url(still-read.gif);background-repeat:no-repeat;"
                          u"background-position:top left}"));
}

QTEST_GUILESS_MAIN(TestComments)
#include "test_comments.moc"
