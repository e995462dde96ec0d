#include "options/catalogue.h"
#include "pinyin/pinyin_readings.h"
#include "search/option_index.h"

#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(stylewright::MatchRank)

class TestPinyinSearch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCharacterRead();
    void pinyin_data();
    void pinyin();
    void ranking_data();
    void ranking();

private:
    OptionIndex m_index;
};

void TestPinyinSearch::initTestCase()
{
    QVERIFY(m_index.addReadings(pinyinReadings(m_index.hanCharacters())));
}

void TestPinyinSearch::everyCharacterRead()
{
    const QStringList characters = m_index.hanCharacters().split(u'\n');
    const QStringList readings = pinyinReadings(characters.join(u'\n')).split(u'\n');
    QCOMPARE(readings.size(), characters.size());
    for (qsizetype i = 0; i < readings.size(); ++i)
        QVERIFY2(!m_index.pinyinOf(characters[i]).full.isEmpty(), qPrintable(characters[i] + u' ' + readings[i]));
}

void TestPinyinSearch::pinyin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("initials");
    QTest::newRow("背景颜色") << u"背景颜色"_s << u"beijingyanse"_s << u"bjys"_s;
    QTest::newRow("导航设置, tab number left out") << u"3.导航设置"_s << u"daohangshezhi"_s << u"dhsz"_s;
    QTest::newRow("已访问字体颜色") << u"已访问字体颜色"_s << u"yifangwenzitiyanse"_s << u"yfwztys"_s;
    QTest::newRow("添加滚动条") << u"添加滚动条"_s << u"tianjiagundongtiao"_s << u"tjgdt"_s;
    QTest::newRow("留言框添加图片") << u"留言框添加图片"_s << u"liuyankuangtianjiatupian"_s << u"lyktjtp"_s;
    QTest::newRow("Latin kept out") << u"选择主体宽度(600-980)"_s << u"xuanzezhutikuandu"_s << u"xzztkd"_s;
}

void TestPinyinSearch::pinyin()
{
    QFETCH(QString, text);
    QFETCH(QString, full);
    QFETCH(QString, initials);
    const Pinyin pinyin = m_index.pinyinOf(text);
    QCOMPARE(pinyin.full, full);
    QCOMPARE(pinyin.initials, initials);
}

void TestPinyinSearch::ranking_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<Option>("option");
    QTest::addColumn<int>("position"); // in the results; -1: anywhere
    QTest::addColumn<MatchRank>("rank");
    QTest::newRow("dh ztys: the navigation's colour leads")
        << u"dh ztys"_s << Option::NavigationColour << 0 << MatchRank::GroupOrTab;
    QTest::newRow("dh ztys: its visited colour next")
        << u"dh ztys"_s << Option::NavigationVisitedColour << 1 << MatchRank::GroupOrTab;
    QTest::newRow("背景: caption prefix first")
        << u"背景"_s << Option::PageBackgroundColour << 0 << MatchRank::CaptionPrefix;
    QTest::newRow("背景: caption contains") << u"背景"_s << Option::PagePictureOn << -1 << MatchRank::CaptionContains;
    QTest::newRow("bjys: initials") << u"bjys"_s << Option::PageBackgroundColour << 0 << MatchRank::InitialsPrefix;
    QTest::newRow("tp: initials prefix") << u"tp"_s << Option::ProfilePictureHeight << -1 << MatchRank::InitialsPrefix;
    QTest::newRow("tp: later syllable") << u"tp"_s << Option::PagePictureOn << -1 << MatchRank::PinyinInCaption;
    QTest::newRow("daohang: full pinyin") << u"daohang"_s << Option::NavigationTop << 0 << MatchRank::PinyinPrefix;
    QTest::newRow("daohang: inside the caption")
        << u"daohang"_s << Option::NavigationHideDividers << -1 << MatchRank::PinyinInCaption;
    QTest::newRow("daohang: the tab") << u"daohang"_s << Option::NavigationLineHeight << -1 << MatchRank::GroupOrTab;
    QTest::newRow("bjl: group's second phrase") << u"bjl"_s << Option::ModuleTitleIndent << -1 << MatchRank::GroupOrTab;
    QTest::newRow("tooltip") << u"上传"_s << Option::PagePicture << 0 << MatchRank::Other;
    QTest::newRow("choice item") << u"kaiti"_s << Option::NameFont << 0 << MatchRank::Other;
}

void TestPinyinSearch::ranking()
{
    QFETCH(QString, query);
    QFETCH(Option, option);
    QFETCH(int, position);
    QFETCH(MatchRank, rank);
    const QList<OptionMatch> matches = m_index.find(query);
    for (qsizetype i = 1; i < matches.size(); ++i)
        QVERIFY(matches[i - 1].rank <= matches[i].rank);
    const auto at =
        std::find_if(matches.begin(), matches.end(), [&](const OptionMatch &m) { return m.option == option; });
    QVERIFY2(at != matches.end(), "not found");
    QCOMPARE(at->rank, rank);
    if (position >= 0)
        QCOMPARE(int(at - matches.begin()), position);
}

QTEST_GUILESS_MAIN(TestPinyinSearch)
#include "test_pinyin_search.moc"
