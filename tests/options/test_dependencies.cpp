#include "options/catalogue.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {

using Options = QList<Option>;

bool allEnabled(const OptionSet &o, const Options &options, bool enabled)
{
    for (Option option : options) {
        if (o.isEnabled(option) != enabled) {
            qWarning("%s is %s", qPrintable(optionDef(option).id.toString()), enabled ? "disabled" : "enabled");
            return false;
        }
    }
    return true;
}

} // namespace

class TestDependencies : public QObject {
    Q_OBJECT
private slots:
    void checkBoxes_data();
    void checkBoxes();
    void disabledFieldsKeepTheirValues();
    void pageBackgroundIgnoresGreyedState();
    void bodyWidthNeedsExactlyChecked();
    void transparencyExcludesBodyPicture();
    void headerPicturesFollowTheirOwnBoxes();
    void effectColours_data();
    void effectColours();
    void headerEffectsShareOneReaction();
    void columnLayouts_data();
    void columnLayouts();
    void boxesWithoutReaction();
    void listenerHearsEveryChange();
};

void TestDependencies::checkBoxes_data()
{
    QTest::addColumn<Option>("box");
    QTest::addColumn<Options>("same");
    QTest::addColumn<Options>("inverse");
    auto row = [](Option box, Options same, Options inverse = {}) {
        QTest::newRow(qPrintable(optionDef(box).id.toString())) << box << same << inverse;
    };
    row(Option::PagePictureOn,
        {Option::PagePicture, Option::PageBackgroundFixed, Option::PagePictureRepeat, Option::PagePicturePosition});
    row(Option::CursorOn, {Option::Cursor});
    row(Option::MainPictureOn, {Option::MainPicture, Option::MainPictureRepeat, Option::MainPicturePosition});
    row(Option::MainScrollOn,
        {Option::MainScrollTop, Option::MainScrollLeft, Option::MainScrollWidth, Option::MainScrollHeight});
    row(Option::BodyWidthOn, {Option::BodyWidth});
    row(Option::NavigationPicturesOn, {Option::NavigationPicture, Option::NavigationHoverPicture});
    row(Option::ModuleBorderPicturesOn,
        {Option::ModuleTopLeftPicture, Option::ModuleTopCentrePicture, Option::ModuleTopRightPicture,
         Option::ModuleBottomLeftPicture, Option::ModuleBottomCentrePicture, Option::ModuleBottomRightPicture,
         Option::ModuleBorderLineHeight});
    row(Option::ModulePictureOn, {Option::ModulePicture, Option::ModulePictureRepeat});
    row(Option::ArticleTitlePictureOn,
        {Option::ArticleTitleIndent, Option::ArticleTitleLineHeight, Option::ArticleTitlePicture,
         Option::ArticleTitlePictureRepeat, Option::ArticleTitlePicturePosition});
    row(Option::ArticleDividerPictureOn, {Option::ArticleDividerPicture, Option::ArticleDividerRepeat});
    row(Option::ArticleTextPictureOn,
        {Option::ArticleTextPicture, Option::ArticleTextPictureRepeat, Option::ArticleTextPicturePosition});
    row(Option::ArticleScrollOn, {Option::ArticleScrollHeight});
    row(Option::CategoryScrollOn, {Option::CategoryScrollHeight});
    row(Option::CategoryDividerPictureOn, {Option::CategoryDividerPicture, Option::CategoryDividerRepeat});
    row(Option::CategoryPictureOn,
        {Option::CategoryPicture, Option::CategoryPictureRepeat, Option::CategoryPicturePosition});
    row(Option::ProfilePictureOn, {Option::ProfilePicture, Option::ProfilePictureHeight});
    row(Option::AlbumBarPictureOn, {Option::AlbumBarPicture, Option::AlbumBarPictureRepeat}, {Option::AlbumBarColour});
    row(Option::LinksScrollOn, {Option::LinksScrollHeight});
    row(Option::FriendsDividerPictureOn, {Option::FriendsDividerPicture, Option::FriendsDividerRepeat});
    row(Option::LinksDividerPictureOn, {Option::LinksDividerPicture, Option::LinksDividerRepeat});
    row(Option::LinksPictureOn, {Option::LinksPicture, Option::LinksPictureRepeat});
    row(Option::CommentBoxPictureOn,
        {Option::CommentBoxPicture, Option::CommentBoxPictureRepeat, Option::CommentBoxPicturePosition});
    row(Option::CommentDividerPictureOn,
        {Option::CommentDividerRepeat, Option::CommentDividerPosition, Option::CommentDividerPicture});
    row(Option::ExtrasDividerPictureOn, {Option::ExtrasDividerPicture, Option::ExtrasDividerRepeat,
                                         Option::ExtrasDividerPosition, Option::ExtrasDividerLineHeight});
    row(Option::SearchPictureOn, {Option::SearchPicture, Option::SearchPictureRepeat}, {Option::SearchColour});
    row(Option::PictureFilterOn, {Option::PictureFilter});
    row(Option::MainTransparencyOn, {Option::MainTransparency}, {Option::MainPictureOn});
}

void TestDependencies::checkBoxes()
{
    QFETCH(Option, box);
    QFETCH(Options, same);
    QFETCH(Options, inverse);
    OptionSet o;
    QVERIFY(allEnabled(o, same, false));
    QVERIFY(allEnabled(o, inverse, true));
    o.setValue(box, u"1"_s);
    QVERIFY(allEnabled(o, same, true));
    QVERIFY(allEnabled(o, inverse, false));
    o.setValue(box, u"0"_s);
    QVERIFY(allEnabled(o, same, false));
    QVERIFY(allEnabled(o, inverse, true));
}

void TestDependencies::disabledFieldsKeepTheirValues()
{
    OptionSet o;
    o.setValue(Option::PagePictureOn, u"1"_s);
    o.setValue(Option::PagePicture, u"mine.jpg"_s);
    o.setValue(Option::PagePictureRepeat, u"repeat-x"_s);
    o.setValue(Option::PagePictureOn, u"0"_s);
    QCOMPARE(o.value(Option::PagePicture), u"mine.jpg"_s);
    QCOMPARE(o.value(Option::PagePictureRepeat), u"repeat-x"_s);
}

void TestDependencies::pageBackgroundIgnoresGreyedState()
{
    OptionSet o;
    o.setValue(Option::PagePictureOn, u"1"_s);
    o.setValue(Option::PagePictureOn, u"2"_s);
    QVERIFY(o.isEnabled(Option::PagePicture));
    o.setValue(Option::PagePictureOn, u"0"_s);
    o.setValue(Option::PagePictureOn, u"2"_s);
    QVERIFY(!o.isEnabled(Option::PagePicture));
    o.setValue(Option::PagePictureOn, u"yes"_s); // not a check box state: ignored
    QCOMPARE(o.value(Option::PagePictureOn), u"2"_s);
    // Elsewhere the greyed state counts as checked.
    o.setValue(Option::MainScrollOn, u"2"_s);
    QVERIFY(o.isEnabled(Option::MainScrollTop));
}

void TestDependencies::bodyWidthNeedsExactlyChecked()
{
    OptionSet o;
    o.setValue(Option::BodyWidthOn, u"1"_s);
    QVERIFY(o.isEnabled(Option::BodyWidth));
    o.setValue(Option::BodyWidthOn, u"2"_s);
    QVERIFY(!o.isEnabled(Option::BodyWidth));
}

void TestDependencies::transparencyExcludesBodyPicture()
{
    OptionSet o;
    o.setValue(Option::MainPictureOn, u"1"_s);
    QVERIFY(allEnabled(o, {Option::MainPicture, Option::MainPictureRepeat, Option::MainPicturePosition}, true));
    o.setValue(Option::MainTransparencyOn, u"1"_s);
    QCOMPARE(o.value(Option::MainPictureOn), u"0"_s);
    QVERIFY(allEnabled(
        o, {Option::MainPictureOn, Option::MainPicture, Option::MainPictureRepeat, Option::MainPicturePosition},
        false));
    QVERIFY(o.isEnabled(Option::MainTransparency));
    o.setValue(Option::MainTransparencyOn, u"0"_s);
    QVERIFY(o.isEnabled(Option::MainPictureOn));
    QCOMPARE(o.value(Option::MainPictureOn), u"0"_s);
    QVERIFY(allEnabled(
        o, {Option::MainPicture, Option::MainPictureRepeat, Option::MainPicturePosition, Option::MainTransparency},
        false));
}

void TestDependencies::headerPicturesFollowTheirOwnBoxes()
{
    OptionSet o;
    const Options rows[] = {
        {Option::HeaderMiddlePicture, Option::HeaderMiddlePictureRepeat, Option::HeaderMiddlePicturePosition},
        {Option::HeaderLeftPicture, Option::HeaderLeftPictureRepeat, Option::HeaderLeftPicturePosition},
        {Option::HeaderRightPicture, Option::HeaderRightPictureRepeat, Option::HeaderRightPicturePosition},
    };
    auto rowEnabled = [&](int i, bool on) { return allEnabled(o, rows[i], on); };
    QVERIFY(rowEnabled(0, true) && rowEnabled(1, false) && rowEnabled(2, false));
    o.setValue(Option::HeaderRightPictureOn, u"1"_s);
    QVERIFY(rowEnabled(0, true) && rowEnabled(1, false) && rowEnabled(2, true));
    o.setValue(Option::HeaderMiddlePictureOn, u"0"_s);
    QVERIFY(rowEnabled(0, false) && rowEnabled(1, false) && rowEnabled(2, true));
    // Another reaction may have changed a row's fields; the shared reaction re-evaluates all three.
    o.setEnabled(Option::HeaderLeftPicture, true);
    o.setValue(Option::HeaderMiddlePictureOn, u"1"_s);
    QVERIFY(rowEnabled(0, true) && rowEnabled(1, false) && rowEnabled(2, true));
}

void TestDependencies::effectColours_data()
{
    QTest::addColumn<QString>("effect");
    QTest::addColumn<bool>("colourEnabled");
    QTest::newRow("glow") << u"发光效果"_s << true;
    QTest::newRow("shadow") << u"阴影效果"_s << true;
    QTest::newRow("blur") << u"模糊效果"_s << false;
    QTest::newRow("mask") << u"掩膜效果"_s << false;
    QTest::newRow("none") << u"无效果"_s << false;
    QTest::newRow("typed other") << u"发光"_s << false;
    QTest::newRow("trailing blank") << u"发光效果 "_s << false;
}

void TestDependencies::effectColours()
{
    QFETCH(QString, effect);
    QFETCH(bool, colourEnabled);
    OptionSet o;
    o.setValue(Option::ArticleTextEffect, u"阴影效果"_s);
    o.setValue(Option::ArticleTextEffect, effect);
    QCOMPARE(o.isEnabled(Option::ArticleTextEffectColour), colourEnabled);
    o.setValue(Option::NameEffect, effect);
    QCOMPARE(o.isEnabled(Option::NameEffectColour), colourEnabled);
    o.setValue(Option::IntroEffect, effect);
    QCOMPARE(o.isEnabled(Option::IntroEffectColour), colourEnabled);
}

void TestDependencies::headerEffectsShareOneReaction()
{
    OptionSet o;
    o.setValue(Option::NameEffect, u"发光效果"_s);
    o.setEnabled(Option::NameEffectColour, false);
    o.setValue(Option::IntroEffect, u"模糊效果"_s); // re-applies the name bar's rule too
    QVERIFY(o.isEnabled(Option::NameEffectColour));
    QVERIFY(!o.isEnabled(Option::IntroEffectColour));
}

void TestDependencies::columnLayouts_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QList<bool>>("enabled"); // txtzlan, txtlanf, txtlans, txtlant
    QTest::newRow("default") << u"默认分栏"_s << QList<bool>{false, false, false, false};
    QTest::newRow("two") << u"分两栏"_s << QList<bool>{true, true, false, true};
    QTest::newRow("three") << u"分三栏"_s << QList<bool>{true, true, true, true};
    QTest::newRow("single") << u"单栏(不分)"_s << QList<bool>{true, false, false, false};
    QTest::newRow("other text unchanged") << u"分两栏 "_s << QList<bool>{true, true, true, true};
}

void TestDependencies::columnLayouts()
{
    QFETCH(QString, layout);
    QFETCH(QList<bool>, enabled);
    OptionSet o;
    o.setValue(Option::ColumnLayout, u"分三栏"_s);
    o.setValue(Option::ColumnLayout, layout);
    const QList<bool> actual{o.isEnabled(Option::ColumnsTotalWidth), o.isEnabled(Option::FirstColumnWidth),
                             o.isEnabled(Option::SecondColumnWidth), o.isEnabled(Option::ThirdColumnWidth)};
    QCOMPARE(actual, enabled);
}

void TestDependencies::boxesWithoutReaction()
{
    OptionSet o;
    const OptionSet before = o;
    for (Option box : {Option::PageBackgroundFixed, Option::NavigationHideDividers, Option::NavigationVertical,
                       Option::NamePictureOn, Option::IntroPictureOn}) {
        o.setValue(box, o.value(box) == u"1" ? u"0"_s : u"1"_s);
        for (int row = 0; row < kOptionCount; ++row)
            QCOMPARE(o.isEnabled(optionAt(row)), before.isEnabled(optionAt(row)));
    }
    QVERIFY(!o.isEnabled(Option::NavigationVertical));
    QVERIFY(o.isEnabled(Option::NamePicture) && o.isEnabled(Option::IntroPicture));
}

void TestDependencies::listenerHearsEveryChange()
{
    OptionSet o;
    QList<Option> heard;
    QObject listener;
    QObject::connect(&o.changes(), &OptionChanges::changed, &listener, [&](Option option) { heard << option; });
    o.setCheckState(Option::MainPictureOn, CheckState::Checked);
    heard.clear();
    o.setCheckState(Option::MainTransparencyOn, CheckState::Checked);
    for (Option option :
         {Option::MainTransparencyOn, Option::MainPictureOn, Option::MainPicture, Option::MainTransparency})
        QVERIFY2(heard.contains(option), qPrintable(optionDef(option).id.toString()));
    const OptionSet copy = o; // a copy never calls the original's listeners
    heard.clear();
    OptionSet changed = copy;
    changed.setValue(Option::MainTransparencyOn, u"0"_s);
    QVERIFY(heard.isEmpty());
    // Taking another record's state tells of each option that differs, and only of those.
    o.assign(changed);
    QCOMPARE(heard.size(), 3); // chcbgst itself, and the enabled flags of chcdaob and txtzttmd
    QCOMPARE(o.value(Option::MainTransparencyOn), u"0"_s);
    QVERIFY(o.isEnabled(Option::MainPictureOn) && !o.isEnabled(Option::MainTransparency));
    heard.clear();
    o.assign(changed);
    QVERIFY(heard.isEmpty());
}

QTEST_GUILESS_MAIN(TestDependencies)
#include "test_dependencies.moc"
