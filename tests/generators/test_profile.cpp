#include "editor/editor_actions.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "platform/prompts.h"
#include "support/fakes.h"
#include "support/helpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void defaultBlock();
    void userLine_data();
    void userLine();
    void appendsAndOffersToOpen();
    void unwritableCodeFileIsReported();
};

void TestProfile::defaultBlock()
{
    const GeneratedBlock block = generate(u"cmdgr", OptionSet());
    QVERIFY(block.error.isEmpty());
    const QStringList expected{
        u"\r\n/*个人档案*/"_s,
        u"#m_pro{margin-left:10px;margin-bottom:15px}\r\n"
        u"#mod_profile.modth{display:none}\r\n"
        u"#mod_profile.modbox{border:0px solid #ff0000}\r\n"
        u"#m_pro.portrait{width:80px!important;height:80px!important;background:transparent;padding-top:0px}"
        u"\r\n"
        u"#m_pro.portrait img{width:80px!important}\r\n"
        u"#m_pro.userinfo{width:80px!important;height:80px!important;overflow:hidden!important;"
        u"background-color:#ff0000}\r\n"
        u"#m_pro div.user{margin-top:10px;color:#ff0000;font-size:14px;font-weight:bold}\r\n"
        u"#m_pro.userinfo nobr{color:#ff0000!important}\r\n"
        u"#m_pro.userinfo nobr img{display:none}\r\n"
        u"#m_pro.line{}\r\n"
        u"#m_pro div.act a,#m_pro div.act a:visited{color:#ff0000;text-decoration:underline}\r\n"
        u"#m_pro a.btfan{color:#ff0000;background:transparent;text-decoration:none!important;"
        u"border:1px solid #ff0000}\r\n"
        u"#m_pro a.btfan img{FILTER: progid:DXImageTransform.Microsoft.Alpha(opacity=100,finishopacity=0,style=0)}"_s,
        u"\r\n/*我在墨檐*/"_s,
        u"#mod_inmoyan ul{padding:0;margin:0;margin-top:5px;border-bottom:1px dotted #ff0000}\r\n"
        u"#mod_inmoyan.title{color:#ff0000;font-size:14px;list-style:none;padding-bottom:5px}\r\n"
        u"#mod_inmoyan.list{color:#ff0000;border-bottom:1px solid "
        u"#ff0000;margin-top:5px;margin-left:15px}\r\n"
        u"#mod_inmoyan.list a{color:#ff0000;text-decoration:none}\r\n"
        u"#mod_inmoyan.noContent{color:#ff0000;list-style:none;padding-bottom:5px}\r\n"
        u"#mod_inmoya .qzContent{list-style:none;padding-bottom:5px}"_s,
        u"\r\n/*我的爱好*/"_s,
        u"#mod_hobby{color:#ff0000}\r\n"
        u"#m_hobby span.title{font-size:14px;color:#ff0000}\r\n"
        u"#m_hobby span.colon{color:#ff0000}\r\n"
        u"#m_hobby a{color:#ff0000}\r\n"
        u"#m_hobby a:hover{color:#ffff00}"_s,
        u"\r\n/*我的资料*/"_s,
        u"#mod_info span.modtit{color:#ff0000}\r\n"
        u"#m_info td.tit{color:#ff0000}\r\n"
        u"#m_info td{color:#ff0000}\r\n"
        u"#m_info td a:link{color:#ff0000}\r\n"
        u"#m_info td a:visited{color:#ffff00}\r\n"
        u"#m_info td a:hover{color:#ffff00}\r\n"
        u"#m_info td a:active{color:#ff0000}"_s,
    };
    QCOMPARE(block.writes, expected);
    QCOMPARE(encodeBlock(block.writes).count("\r\n"), 4 + 4 + 31); // empty lines, headers, rules
}

void TestProfile::userLine_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("line");
    const Settings values{{Option::ProfilePicture, u"p.gif"_s},
                          {Option::ProfilePictureHeight, u"128"_s},
                          {Option::ProfileFontSize, u"12.5"_s},
                          {Option::ProfileColour, u"#1a2b3c"_s}};
    QTest::newRow("user name") << values
                               << u"#m_pro div.user{margin-top:10px;color:#1a2b3c;font-size:12.5px;font-weight:bold}"_s;
    QTest::newRow("picture") << (values + Settings{{Option::ProfilePictureOn, u"1"_s}})
                             << u"#m_pro div.act{background:url(p.gif);background-repeat:no-repeat;"
                                u"background-position:top left;padding-bottom:128px}"_s;
}

void TestProfile::userLine()
{
    QFETCH(Settings, settings);
    QFETCH(QString, line);
    const QStringList profile = generate(u"cmdgr", optionsWith(settings)).writes.at(1).split(u"\r\n"_s);
    QCOMPARE(profile.size(), 13);
    QCOMPARE(profile.at(6), line);
    QCOMPARE(profile.filter(u"div.user"_s).size(), line.contains(u"div.user") ? 1 : 0);
}

void TestProfile::appendsAndOffersToOpen()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    testing::FakePrompts prompts;
    prompts.answers = {true};
    testing::FakeDesktop desktop;
    const OptionSet o = optionsWith({{Option::ProfilePortraitSize, u"96"_s}});
    runAreaButton(Area::Profile, o, dir.path(), prompts, desktop);

    QFile file(codeFilePath(dir.path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), encodeBlock(generate(u"cmdgr", o).writes));
    QCOMPARE(prompts.shown.size(), 1);
    QVERIFY(prompts.shown.at(0).question);
    QCOMPARE(desktop.openedFiles, QStringList{codeFilePath(dir.path())});
}

// A failed write is reported like every other area's, and no question follows it.
void TestProfile::unwritableCodeFileIsReported()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"墨檐CSS代码.txt"_s)); // a folder where the file should be
    testing::FakePrompts prompts;
    prompts.answers = {true};
    testing::FakeDesktop desktop;
    runAreaButton(Area::Profile, OptionSet(), dir.path(), prompts, desktop);

    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown.at(0).title, kErrorTitle);
    QVERIFY(!prompts.shown.at(0).question);
    QVERIFY(prompts.shown.at(0).text.contains(u"墨檐CSS代码.txt"));
    QVERIFY(prompts.shown.at(0).text != kNoCodeMessage);
    QVERIFY(desktop.openedFiles.isEmpty());
}

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
