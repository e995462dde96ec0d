#include "editor/editor_actions.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "platform/prompts.h"
#include "support/fakes.h"
#include "support/helpers.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList writes(const Settings &settings)
{
    return generate(u"cmdxtgg", optionsWith(settings)).writes;
}

// The lines under one header (the header and its empty line left out when they share the write).
QStringList group(const Settings &settings, int write)
{
    QStringList lines = writes(settings).at(write).split(u"\r\n"_s);
    if (write >= 4)
        lines.remove(0, 2);
    return lines;
}

} // namespace

class TestExtras : public QObject {
    Q_OBJECT
private slots:
    void defaultBlockBytes();
    void computedSizes_data();
    void computedSizes();
    void stripSeparator_data();
    void stripSeparator();
    void searchRadio_data();
    void searchRadio();
    void player_data();
    void player();
    void pictureEffect_data();
    void pictureEffect();
    void pet_data();
    void pet();
    void sizeNotANumber_data();
    void sizeNotANumber();
    void sizeNotANumberWritesNothing();
};

void TestExtras::defaultBlockBytes()
{
    const GeneratedBlock block = generate(u"cmdxtgg", OptionSet());
    QVERIFY(block.error.isEmpty());
    QCOMPARE(block.writes.size(), 12);
    const QByteArray expected = "\r\n/"
                                "*\xB5\xBC\xBA\xBD\xB2\xCB\xB5\xA5\xD3\xEB\xB0\xE6\xC8\xA8\xD0\xC5\xCF\xA2"
                                "\xD6\xAE\xBC\xE4\xB5\xC4"
                                "\xC7\xF8\xD3\xF2*/\r\n" // 导航菜单与版权信息之间的区域
                                "#comm_info{color:#5577ff;font-family:Arial;text-align:left}\r\n"
                                "#comm_info div.line{margin-top:5px;border-top:1px solid #5577ff}\r\n"
                                "#comm_info a{color:#5577ff}\r\n"
                                "\r\n/*\xD2\xB3\xC2\xEB\xC7\xF8\xD3\xF2*/\r\n" // 页码区域
                                "#page{line-height:16px;font-size:14px;font-family:Arial;text-align:center}"
                                "\r\n"
                                "#page span{color:#5577ff;font-size:14px;font-weight:bold}\r\n"
                                "#page a.pc{color:#5577ff;font-size:14px;font-weight:bold}\r\n"
                                "#page a.pc:visited{color:#ff77ff}\r\n"
                                "#page a.pi{color:#5577ff;font-size:14px}\r\n"
                                "#page a.pi:visited{color:#ff77ff}\r\n"
                                "\r\n/"
                                "*\xB7\xC3\xCE\xCA\xCD\xB3\xBC\xC6\xA1\xA2\xC4\xA3\xB0\xE5\xC9\xE8\xD6\xC3*/"
                                "\r\n" // 访问统计、模板设置
                                "#m_setting a{color:#5577ff}\r\n"
                                "#m_setting a:visited{color:#ff77ff}\r\n"
                                "#m_setting{line-height:19px;color:#5577ff;font-size:14px}\r\n"
                                "#m_setting img.sel{border:4px solid #5577ff}\r\n"
                                "#m_setting img.unsel{border:1px solid #5577ff}\r\n"
                                "#m_setting span.tit{font-size:14px}\r\n"
                                "#m_setting span.usr{color:#5577ff}\r\n"
                                "#m_setting div.sel{padding-top:6px;font-size:14px;font-weight:bold}\r\n"
                                "#m_setting div.line{margin-top:20px;line-height:16px;border-top:1px solid "
                                "#5577ff}\r\n"
                                "\r\n/*\xCF\xB5\xCD\xB3\xB9\xAB\xB8\xE6*/\r\n" // 系统公告
                                "#m_sysinfo a{color:#5577ff}\r\n"
                                "#m_sysinfo a:visited{color:#ff77ff}\r\n"
                                "#m_sysinfo{line-height:19px;color:#5577ff;font-size:14px} \r\n"
                                "#m_sysinfo span.new{color:#5577ff;font-size:14px;font-family:Arial}\r\n"
                                "#m_sysinfo span.date{color:#5577ff;font-size:14px}\r\n"
                                "\r\n/*\xBB\xF9\xB1\xBE\xC9\xE8\xD6\xC3*/\r\n" // 基本设置
                                "#m_setbase{color:#5577ff;font-size:14px} \r\n"
                                "#m_setbase td{color:#5577ff;font-size:14px;line-height:19px}\r\n"
                                "#m_setbase div.line{margin-top:5px;line-height:8px;border-top:1px solid "
                                "#5577ff}\r\n"
                                "\r\n/*\xD7\xEE\xBD\xFC\xB7\xC3\xBF\xCD*/\r\n" // 最近访客
                                "#m_track {color:#5577ff;font-size:14px}\r\n"
                                "#m_track a{color:#5577ff;font-size:14px}\r\n"
                                "#m_track a:hover{color:#ff77ff}\r\n"
                                "#m_track a img{filter:gray(enabled=1)}#m_track a:hover "
                                "img{filter:gray(enabled=0)}\r\n"
                                "\r\n/*\xCB\xD1\xCB\xF7\xC4\xA3\xBF\xE9*/\r\n" // 搜索模块
                                "#m_search {color:#5577ff;font-size:14px}\r\n"
                                "#m_search input.text{color:#5577ff;font-size:14px}\r\n"
                                "#m_search input.radio{background-color:#000000}\r\n"
                                "#m_search input.submit{color:#ff0000;font-size:12px;}\r\n"
                                "\r\n/*\xB2\xA5\xB7\xC5\xC6\xF7\xCC\xD8\xD0\xA7*/\r\n" // 播放器特效
                                "\r\n"
                                "\r\n/*\xB9\xE2\xD4\xCE\xCC\xD8\xD0\xA7*/\r\n" // 光晕特效
                                "\r\n"
                                "\r\n/*\xB3\xE8\xCE\xEF\xC9\xE8\xD6\xC3*/\r\n" // 宠物设置
                                "\r\n";
    QCOMPARE(encodeBlock(block.writes), expected);
}

void TestExtras::computedSizes_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("plus2");
    QTest::addColumn<QString>("plus5");
    QTest::newRow("whole") << u"14"_s << u"16"_s << u"19"_s;
    QTest::newRow("half") << u"12.5"_s << u"14.5"_s << u"17.5"_s;
    QTest::newRow("carry") << u"9.95"_s << u"11.95"_s << u"14.95"_s;
}

void TestExtras::computedSizes()
{
    QFETCH(QString, size);
    QFETCH(QString, plus2);
    QFETCH(QString, plus5);
    const Settings s{{Option::ExtrasFontSize, size}};
    QCOMPARE(group(s, 3).at(0),
             u"#page{line-height:"_s + plus2 + u"px;font-size:" + size + u"px;font-family:Arial;text-align:center}");
    QCOMPARE(group(s, 4).at(2), u"#m_setting{line-height:"_s + plus5 + u"px;color:#5577ff;font-size:" + size + u"px}");
    QCOMPARE(group(s, 4).at(8),
             u"#m_setting div.line{margin-top:20px;line-height:"_s + plus2 + u"px;border-top:1px solid #5577ff}");
    QCOMPARE(group(s, 5).at(2), u"#m_sysinfo{line-height:"_s + plus5 + u"px;color:#5577ff;font-size:" + size + u"px} ");
    QCOMPARE(group(s, 6).at(1),
             u"#m_setbase td{color:#5577ff;font-size:"_s + size + u"px;line-height:" + plus5 + u"px}");
    // The search button keeps its own size.
    QCOMPARE(group(s, 8).at(3), u"#m_search input.submit{color:#ff0000;font-size:12px;}"_s);
}

void TestExtras::stripSeparator_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("line");
    const Settings values{{Option::ExtrasDividerLineHeight, u"8"_s},
                          {Option::ExtrasDividerPicture, u"s.gif"_s},
                          {Option::ExtrasDividerRepeat, u"no-repeat"_s},
                          {Option::ExtrasDividerPosition, u"right"_s},
                          {Option::VisitCountAlignment, u"center"_s}};
    QTest::newRow("line") << values << u"#comm_info div.line{margin-top:5px;border-top:1px solid #5577ff}"_s;
    QTest::newRow("picture") << (values + Settings{{Option::ExtrasDividerPictureOn, u"1"_s}})
                             << u"#comm_info div.line{line-height:8px;background:url(s.gif);"
                                u"background-repeat:no-repeat;background-position:right}"_s;
}

void TestExtras::stripSeparator()
{
    QFETCH(Settings, settings);
    QFETCH(QString, line);
    const QStringList strip = group(settings, 1);
    QCOMPARE(strip.size(), 3);
    QCOMPARE(strip.at(0), u"#comm_info{color:#5577ff;font-family:Arial;text-align:center}"_s);
    QCOMPARE(strip.at(1), line);
}

void TestExtras::searchRadio_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("line");
    const Settings values{{Option::SearchPicture, u"r.gif"_s}, {Option::SearchColour, u"背景颜色#010203"_s}};
    QTest::newRow("colour") << values << u"#m_search input.radio{background-color:#010203}"_s;
    QTest::newRow("picture") << (values + Settings{{Option::SearchPictureOn, u"1"_s}})
                             << u"#m_search input.radio{background:url(r.gif)}"_s;
}

void TestExtras::searchRadio()
{
    QFETCH(Settings, settings);
    QFETCH(QString, line);
    QCOMPARE(group(settings, 8).at(2), line);
}

void TestExtras::player_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("text");
    QTest::newRow("default") << u"默认"_s << QString();
    QTest::newRow("hidden") << u"隐藏"_s << u"#mod_bgmusic{display:none}"_s;
    QTest::newRow("filter") << u"滤镜"_s
                            << u"#mod_bgmusic{display:block; no-repeat top right}\r\n#phx{FILTER:Alpha(Opacity=100,"
                               u"FinishOpacity=10,Style=2,StartX=20,StartY=40,FinishX=0,FinishY=0) gray;"
                               u"WIDTH:200px;HEIGHT:32px}"_s;
    QTest::newRow("other text") << u"隐藏 "_s << QString();
}

void TestExtras::player()
{
    QFETCH(QString, style);
    QFETCH(QString, text);
    QCOMPARE(writes({{Option::PlayerStyle, style}}).at(9), u"\r\n/*播放器特效*/\r\n"_s + text);
}

void TestExtras::pictureEffect_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("text");
    const auto filter = [](const QString &digit) -> QString {
        return u"A IMG {FILTER: progid:DXImageTransform.Microsoft.Alpha(opacity=100,finishopacity=0,style="_s + digit +
               u")}\r\nA:hover IMG {FILTER: progid:DXImageTransform.Microsoft.Alpha(opacity=100)}";
    };
    const QString on = u"1"_s;
    QTest::newRow("off") << Settings{{Option::PictureFilter, u"效果3"_s}} << QString();
    QTest::newRow("style 1") << Settings{{Option::PictureFilterOn, on}, {Option::PictureFilter, u"效果1"_s}}
                             << filter(u"1"_s);
    QTest::newRow("style 3") << Settings{{Option::PictureFilterOn, on}, {Option::PictureFilter, u"效果3"_s}}
                             << filter(u"3"_s);
    QTest::newRow("empty style") << Settings{{Option::PictureFilterOn, on}, {Option::PictureFilter, QString()}}
                                 << filter(QString());
    QTest::newRow("emoji style") << Settings{{Option::PictureFilterOn, on}, {Option::PictureFilter, u"效果😀"_s}}
                                 << filter(u"😀"_s);
}

void TestExtras::pictureEffect()
{
    QFETCH(Settings, settings);
    QFETCH(QString, text);
    QCOMPARE(writes(settings).at(10), u"\r\n/*光晕特效*/\r\n"_s + text);
}

void TestExtras::pet_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("default size") << u"默认大小"_s << QString();
    QTest::newRow("hidden") << u"隐藏宠物"_s << u"#petObject {display:none}"_s;
    QTest::newRow("300") << u"300"_s << u"#petObject {width:300px!important;height:300px!important}"_s;
    QTest::newRow("typed") << u"12em"_s << u"#petObject {width:12empx!important;height:12empx!important}"_s;
    QTest::newRow("empty") << QString() << u"#petObject {width:px!important;height:px!important}"_s;
}

void TestExtras::pet()
{
    QFETCH(QString, size);
    QFETCH(QString, text);
    QCOMPARE(writes({{Option::PetSize, size}}).at(11), u"\r\n/*宠物设置*/\r\n"_s + text);
}

void TestExtras::sizeNotANumber_data()
{
    QTest::addColumn<QString>("size");
    QTest::newRow("empty") << QString();
    QTest::newRow("unit") << u"14px"_s;
    QTest::newRow("comma") << u"14,5"_s;
}

void TestExtras::sizeNotANumber()
{
    QFETCH(QString, size);
    const GeneratedBlock block = generate(u"cmdxtgg", optionsWith({{Option::ExtrasFontSize, size}}));
    QVERIFY(block.writes.isEmpty());
    QVERIFY(block.error.contains(u"综合设置字体大小"));
}

void TestExtras::sizeNotANumberWritesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    testing::FakePrompts prompts;
    testing::FakeDesktop desktop;
    runAreaButton(Area::Extras, optionsWith({{Option::ExtrasFontSize, u"14px"_s}}), dir.path(), prompts, desktop);

    QVERIFY(!QFileInfo::exists(codeFilePath(dir.path())));
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown.at(0).title, kErrorTitle);
    QVERIFY(!prompts.shown.at(0).question);
    QVERIFY(prompts.shown.at(0).text.contains(u"14px"));
    QVERIFY(desktop.openedFiles.isEmpty());
}

QTEST_GUILESS_MAIN(TestExtras)
#include "test_extras.moc"
