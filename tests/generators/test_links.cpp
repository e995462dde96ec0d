#include "generators/generators.h"
#include "options/option_set.h"
#include "support/helpers.h"

#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

// The options every row sets, so each rule is easy to read in full.
const Settings kValues{{Option::LinksScrollHeight, u"180"_s},        {Option::LinksDividerLineHeight, u"15"_s},
                       {Option::LinksPicture, u"i.gif"_s},           {Option::LinksPictureRepeat, u"repeat-x"_s},
                       {Option::LinksDividerPicture, u"l.gif"_s},    {Option::LinksDividerRepeat, u"no-repeat"_s},
                       {Option::FriendsDividerLineHeight, u"16"_s},  {Option::FriendsDividerPicture, u"f.gif"_s},
                       {Option::FriendsDividerRepeat, u"repeat-x"_s}};

const QString kPlainItem = u"#m_links div.item{color:#ff0000;font-size:12px}"_s;
const QString kLinksBorder = u"#m_links div.line{line-height:15px;border-top:1px solid #ff0000} "_s;
const QString kFriendsBorder = u"#m_friend div.line{line-height:16px;border-top:1px solid #ff0000}"_s;

} // namespace

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void defaultBlock();
    void switches_data();
    void switches();
};

void TestLinks::defaultBlock()
{
    const GeneratedBlock block = generate(u"cmdyqlj", OptionSet());
    QVERIFY(block.error.isEmpty());
    const QStringList expected{
        u"\r\n/*友情链接*/"_s,
        u"\r\n"
        u"#m_links div.item{color:#ff0000;font-size:12px}\r\n"
        u"#m_links div.item a{color:#ff0000;font-size:12px;text-decoration:none}\r\n"
        u"#m_links div.item a:visited{color:#ff0000}\r\n"
        u"#m_links div.line{line-height:12px;border-top:1px solid #ff0000} "_s,
        u"\r\n/*好友列表*/"_s,
        u"#m_friend div.user{margin-top:4px;color:#ff0000;font-size:12px}\r\n"
        u"#m_friend div.user a{color:#ff0000;font-size:12px}\r\n"
        u"#m_friend div.user a:visited{color:#ff0000}\r\n"
        u"#m_friend div.line{line-height:16px;border-top:1px solid #ff0000}"_s,
    };
    QCOMPARE(block.writes, expected);
}

void TestLinks::switches_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("scroll");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("linksSeparator");
    QTest::addColumn<QString>("friendsSeparator");
    const QString on = u"1"_s;
    QTest::newRow("none") << Settings{} << QString() << kPlainItem << kLinksBorder << kFriendsBorder;
    QTest::newRow("scroll bar") << Settings{{Option::LinksScrollOn, on}} << u"#m_links{overflow-y:auto;height:180px}"_s
                                << kPlainItem << kLinksBorder << kFriendsBorder;
    QTest::newRow("item picture")
        << Settings{{Option::LinksPictureOn, on}} << QString()
        << u"#m_links div.item{color:#ff0000;font-size:12px;line-height:15px;background:url(i.gif);"
           u"background-repeat:repeat-x}"_s
        << kLinksBorder << kFriendsBorder;
    QTest::newRow("links separator picture")
        << Settings{{Option::LinksDividerPictureOn, on}} << QString() << kPlainItem
        << u"#m_links div.line{line-height:15px;background:url(l.gif);background-repeat:no-repeat}"_s << kFriendsBorder;
    QTest::newRow("friends separator picture")
        << Settings{{Option::FriendsDividerPictureOn, on}} << QString() << kPlainItem << kLinksBorder
        << u"#m_friend div.line{line-height:16px;background:url(f.gif);background-repeat:repeat-x}"_s;
}

void TestLinks::switches()
{
    QFETCH(Settings, settings);
    QFETCH(QString, scroll);
    QFETCH(QString, item);
    QFETCH(QString, linksSeparator);
    QFETCH(QString, friendsSeparator);
    const QStringList w = generate(u"cmdyqlj", optionsWith(kValues + settings)).writes;
    QCOMPARE(w.size(), 4);
    const QStringList links = w.at(1).split(u"\r\n"_s);
    const QStringList friends = w.at(3).split(u"\r\n"_s);
    QCOMPARE(links.size(), 5);
    QCOMPARE(friends.size(), 4);
    QCOMPARE(links.at(0), scroll);
    QCOMPARE(links.at(1), item);
    QCOMPARE(links.at(2), u"#m_links div.item a{color:#ff0000;font-size:12px;text-decoration:none}"_s);
    QCOMPARE(links.at(4), linksSeparator);
    QCOMPARE(friends.at(3), friendsSeparator);
}

QTEST_GUILESS_MAIN(TestLinks)
#include "test_links.moc"
