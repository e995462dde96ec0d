#include "generators/generators.h"
#include "options/option_set.h"
#include "support/helpers.h"

#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

class TestAlbum : public QObject {
    Q_OBJECT
private slots:
    void defaultBlock();
    void descriptionBar_data();
    void descriptionBar();
    void textsGoInAsTheyStand();
};

void TestAlbum::defaultBlock()
{
    const GeneratedBlock block = generate(u"cmdxc", OptionSet());
    QVERIFY(block.error.isEmpty());
    const QStringList expected{
        u"\r\n/*相册区域*/"_s,
        u"#m_album div.image{text-align:center}\r\n"
        u"#m_album div.page {color:#ff0000;font-size:12px;text-align:center}\r\n"
        u"#m_album div.page a{color:#ff0000;font-size:12px}\r\n"
        u"#m_album div.page a:visited{color:#ffff00}"_s,
        u"\r\n/*相册列表*/"_s,
        u"#m_albumlist div.desc{line-height:12px;background-color:#000000;font-size:12px;color:#ff0000}\r\n"
        u"#m_albumlist div.none{padding:100px 0 100px 0;color:#ff0000;font-size:12px} \r\n"
        u"#m_albumlist div.line{margin-top:10px;line-height:16px;border-top:1px solid #000000}\r\n"
        u"#m_albumlist div.tit{margin:6px 0 7px 0;color:#ff0000;font-size:12px}\r\n"
        u"#m_albumlist div.tit a{color:#ff0000;font-size:12px}\r\n"
        u"#m_albumlist div.tit a:visited{color:#ffff00}\r\n"
        u"#m_albumlist span.count{color:#ff0000;font-size:12px;font-weight:bold}\r\n"
        u"#m_albumlist span.size{color:#ff0000;font-size:12px;font-family:Arial}\r\n"
        u"#m_albumlist a.act{color:#ff0000;font-size:12px}\r\n"
        u"#m_albumlist a.act:visited{color:#ffff00}"_s,
    };
    QCOMPARE(block.writes, expected);
}

void TestAlbum::descriptionBar_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("separator");
    const Settings values{{Option::AlbumBarLineHeight, u"20"_s},
                          {Option::AlbumBarColour, u"背景颜色#abcdef"_s},
                          {Option::AlbumBarPictureRepeat, u"repeat-x"_s},
                          {Option::AlbumFontSize, u"13"_s}};
    QTest::newRow("colour")
        << values << u"#m_albumlist div.desc{line-height:20px;background-color:#abcdef;font-size:13px;color:#ff0000}"_s
        << u"#m_albumlist div.line{margin-top:10px;line-height:16px;border-top:1px solid #abcdef}"_s;
    // Ticking the picture disables the bar colour; the picture form does not use it at all.
    QTest::newRow("picture") << (values +
                                 Settings{{Option::AlbumBarPictureOn, u"1"_s}, {Option::AlbumBarPicture, u"d.jpg"_s}})
                             << u"#m_albumlist div.desc{line-height:20px;background:url(d.jpg) repeat-x;"
                                u"font-size:13px;color:#ff0000}"_s
                             << u"#m_albumlist div.line{display:none}"_s;
    QTest::newRow("picture without address")
        << (values + Settings{{Option::AlbumBarPictureOn, u"1"_s}})
        << u"#m_albumlist div.desc{line-height:20px;background:url() repeat-x;font-size:13px;color:#ff0000}"_s
        << u"#m_albumlist div.line{display:none}"_s;
}

void TestAlbum::descriptionBar()
{
    QFETCH(Settings, settings);
    QFETCH(QString, bar);
    QFETCH(QString, separator);
    const QStringList w = generate(u"cmdxc", optionsWith(settings)).writes;
    QCOMPARE(w.size(), 4);
    QCOMPARE(w.at(1).split(u"\r\n"_s).size(), 4);
    const QStringList list = w.at(3).split(u"\r\n"_s);
    QCOMPARE(list.size(), 10);
    QCOMPARE(list.at(0), bar);
    QCOMPARE(list.at(2), separator);
}

void TestAlbum::textsGoInAsTheyStand()
{
    const QStringList w =
        generate(u"cmdxc", optionsWith({{Option::AlbumFontSize, QString()}, {Option::AlbumVisitedColour, u"}😀"_s}}))
            .writes;
    QCOMPARE(w.at(1).split(u"\r\n"_s).at(2), u"#m_album div.page a{color:#ff0000;font-size:px}"_s);
    QCOMPARE(w.at(1).split(u"\r\n"_s).at(3), u"#m_album div.page a:visited{color:#}😀}"_s);
}

QTEST_GUILESS_MAIN(TestAlbum)
#include "test_album.moc"
