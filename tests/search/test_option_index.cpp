#include "options/catalogue.h"
#include "search/option_index.h"

#include <QHash>
#include <QSet>
#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {

// Readings for a few characters only, written as a transliterator might (tones, capitals).
QString someReadings(const QString &characters)
{
    const QHash<QString, QString> known{{u"背"_s, u"Bèi"_s}, {u"景"_s, u"jǐng"_s}, {u"颜"_s, u"yán"_s},
                                        {u"色"_s, u"sè"_s},  {u"导"_s, u"dǎo"_s},  {u"航"_s, u"háng"_s}};
    QStringList lines;
    for (const QString &c : characters.split(u'\n'))
        lines.append(known.value(c));
    return lines.join(u'\n');
}

QList<Option> found(const OptionIndex &index, const QString &query)
{
    QList<Option> options;
    for (const OptionMatch &match : index.find(query))
        options.append(match.option);
    return options;
}

} // namespace

class TestOptionIndex : public QObject {
    Q_OBJECT
private slots:
    void withoutPinyin_data();
    void withoutPinyin();
    void readingsLineForLine();
    void pinyinFromReadings();
};

void TestOptionIndex::withoutPinyin_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("count");
    QTest::addColumn<std::optional<Option>>("first");
    QTest::newRow("caption") << u"背景颜色"_s << 5 << std::optional(Option::PageBackgroundColour);
    QTest::newRow("identifier, any case") << u"TXTBGC"_s << 1 << std::optional(Option::PageBackgroundColour);
    QTest::newRow("choice item") << u"repeat-y"_s << 11 << std::optional(Option::PagePictureRepeat);
    QTest::newRow("every word, in any text") << u"导航 字体颜色"_s << 2 << std::optional(Option::NavigationColour);
    QTest::newRow("ideographic space") << u"导航　字体颜色"_s << 2 << std::optional(Option::NavigationColour);
    QTest::newRow("one word matches nothing") << u"背景 zzz"_s << 0 << std::optional<Option>();
    QTest::newRow("pinyin needs readings") << u"bjys"_s << 0 << std::optional<Option>();
    QTest::newRow("blank") << u"  "_s << 0 << std::optional<Option>();
}

void TestOptionIndex::withoutPinyin()
{
    QFETCH(QString, query);
    QFETCH(int, count);
    QFETCH(std::optional<Option>, first);
    const OptionIndex index;
    const QList<Option> options = found(index, query);
    QCOMPARE(options.size(), count);
    if (count > 0)
        QCOMPARE(std::optional(options.first()), first);
}

void TestOptionIndex::readingsLineForLine()
{
    OptionIndex index;
    const QString characters = index.hanCharacters();
    const QStringList lines = characters.split(u'\n');
    QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), lines.size());
    QVERIFY(lines.contains(u"背"_s) && lines.contains(u"航"_s));
    // One reading short: refused, nothing taken.
    QVERIFY(!index.addReadings(QStringList(lines.size() - 1, u"a"_s).join(u'\n')));
    QVERIFY(!index.hasReadings());
    QVERIFY(index.addReadings(someReadings(characters)));
    QVERIFY(index.hasReadings());
}

void TestOptionIndex::pinyinFromReadings()
{
    OptionIndex index;
    QVERIFY(index.addReadings(someReadings(index.hanCharacters())));
    const Pinyin pinyin = index.pinyinOf(u"背景颜色");
    QCOMPARE(pinyin.full, u"beijingyanse"_s);
    QCOMPARE(pinyin.initials, u"bjys"_s);
    QCOMPARE(pinyin.starts, (QList<int>{0, 3, 7, 10}));
    QCOMPARE(found(index, u"BJYS"_s).size(), 5);
    QCOMPARE(found(index, u"beijingyan"_s).size(), 5);
    // "dh" is the tab's name; a reading-less caption word still matches as characters.
    QCOMPARE(found(index, u"dh 字体颜色"_s),
             (QList<Option>{Option::NavigationColour, Option::NavigationVisitedColour}));
}

QTEST_GUILESS_MAIN(TestOptionIndex)
#include "test_option_index.moc"
