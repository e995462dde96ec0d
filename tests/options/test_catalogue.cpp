#include "options/catalogue.h"
#include "options/option_set.h"

#include <QMap>
#include <QSet>
#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void countsByKind();
    void colourFields();
    void identifiersAndKeysAreUnique();
    void sectionsInSaveOrder();
    void listsKeepTheirItems();
    void startStatesFollowTheRules();
};

void TestCatalogue::countsByKind()
{
    QMap<OptionKind, int> count;
    for (const OptionDef &d : options())
        ++count[d.kind];
    QCOMPARE(count[OptionKind::Check], 35);
    QCOMPARE(count[OptionKind::Choice], 43);
    QCOMPARE(count[OptionKind::Number] + count[OptionKind::Colour] + count[OptionKind::Picture], 111);
}

void TestCatalogue::colourFields()
{
    int colours = 0;
    for (const OptionDef &d : options()) {
        if (d.kind != OptionKind::Colour)
            continue;
        ++colours;
        // label + "#" + six hexadecimal digits
        const QString v = d.defaultValue.toString();
        QCOMPARE(v.at(v.size() - 7), QChar(u'#'));
    }
    QCOMPARE(colours, 31);
}

void TestCatalogue::identifiersAndKeysAreUnique()
{
    QSet<QString> ids, keys;
    QSet<int> orders;
    for (const OptionDef &d : options()) {
        ids.insert(d.id.toString());
        keys.insert(d.section + u'/' + d.key);
        orders.insert(d.saveOrder);
        QCOMPARE(optionById(d.id), std::optional<Option>(d.option));
        if (d.kind == OptionKind::Check)
            QVERIFY(!d.caption.isEmpty());
    }
    QCOMPARE(ids.size(), kOptionCount);
    QCOMPARE(keys.size(), kOptionCount);
    QCOMPARE(orders.size(), kOptionCount);
}

void TestCatalogue::sectionsInSaveOrder()
{
    const QList<QPair<QString, int>> expected = {
        {u"空间背景"_s, 10},  {u"主体设置"_s, 12},      {u"分栏设置"_s, 5},     {u"名称简介"_s, 14},
        {u"名称栏"_s, 10},    {u"简介栏"_s, 9},         {u"导航设置"_s, 11},    {u"模块标题栏/编辑栏"_s, 7},
        {u"模块设置"_s, 11},  {u"文章设置"_s, 9},       {u"文章发表日期"_s, 1}, {u"文章内容设置"_s, 11},
        {u"文章链接栏"_s, 4}, {u"文章分类/存档"_s, 13}, {u"个人档案"_s, 7},     {u"相册设置"_s, 8},
        {u"友情链接"_s, 12},  {u"好友列表"_s, 4},       {u"留言评论"_s, 12},    {u"综合设置"_s, 10},
        {u"搜索模块"_s, 5},   {u"播放器"_s, 1},         {u"图片特效"_s, 2},     {u"宠物设置"_s, 1},
    };
    QList<QPair<QString, int>> actual;
    for (Option option : saveOrder()) {
        const QString section = optionDef(option).section.toString();
        if (actual.isEmpty() || actual.back().first != section)
            actual.append({section, 0});
        ++actual.back().second;
    }
    QCOMPARE(actual, expected);
    const OptionDef &first = optionDef(saveOrder().front());
    const OptionDef &last = optionDef(saveOrder().back());
    QCOMPARE(first.option, Option::PageBackgroundFixed);
    QCOMPARE(last.key, u"宠物大小");
    QCOMPARE(optionDef(Option::HeaderRightPictureOn).key, u"右边图片选项");
    QCOMPARE(optionDef(Option::SearchPicture).section, u"搜索模块");
}

void TestCatalogue::listsKeepTheirItems()
{
    const QStringList positions = listItems(optionDef(Option::PagePicturePosition));
    QCOMPARE(positions.size(), 9);
    QCOMPARE(positions.at(7), u"bottom center "_s);
    QCOMPARE(listItems(optionDef(Option::HeaderLeftPicturePosition)).at(7), u"bottom center"_s);
    QCOMPARE(listItems(optionDef(Option::NameEffect)).last(), u"无效果"_s);
    QCOMPARE(listItems(optionDef(Option::Cursor)).size(), 16);
    QCOMPARE(listItems(optionDef(Option::PetSize)),
             QStringList({u"100"_s, u"200"_s, u"300"_s, u"400"_s, u"500"_s, u"600"_s, u"隐藏宠物"_s, u"默认大小"_s}));
    for (const OptionDef &d : options()) {
        if (d.kind == OptionKind::Choice)
            QVERIFY2(!d.items.empty(), qPrintable(d.id.toString()));
    }
    QVERIFY(optionDef(Option::HeaderLeftPicture).defaultValue.endsWith(u"/1.jpg|gif|bmp"));
}

void TestCatalogue::startStatesFollowTheRules()
{
    OptionSet o;
    for (int row = 0; row < kOptionCount; ++row)
        o.react(optionAt(row));
    for (int row = 0; row < kOptionCount; ++row) {
        const OptionDef &d = options()[row];
        QVERIFY2(o.isEnabled(optionAt(row)) == d.startEnabled, qPrintable(d.id.toString()));
        QCOMPARE(o.value(optionAt(row)), d.defaultValue.toString());
    }
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
