#include "options/catalogue.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {

bool allEnabled(const OptionSet &o, const QStringList &ids, bool enabled)
{
    for (const QString &id : ids) {
        if (o.isEnabled(id) != enabled) {
            qWarning("%s is %s", qPrintable(id), enabled ? "disabled" : "enabled");
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
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("same");
    QTest::addColumn<QStringList>("inverse");
    auto row = [](const char *name, QStringList same, QStringList inverse = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << same << inverse;
    };
    row("chcbg", {u"txtbgp"_s, u"chcbggd"_s, u"cmbbg"_s, u"cmbbdbg"_s});
    row("chcbgm", {u"txtbgm"_s});
    row("chcdaob", {u"txtdaob"_s, u"cmbztbg"_s, u"cmbztps"_s});
    row("chcgund", {u"txtsttop"_s, u"txtstlef"_s, u"txtstwid"_s, u"txtsthei"_s});
    row("chckd", {u"txtkd"_s});
    row("chctap", {u"txtdhp"_s, u"txtdhpm"_s});
    row("chcmkbtp",
        {u"txtmkls"_s, u"txtmkcs"_s, u"txtmkrs"_s, u"txtmklx"_s, u"txtmkcx"_s, u"txtmkrx"_s, u"txtmktplh"_s});
    row("chcmkbgp", {u"txtmkbgp"_s, u"cmbmkbgp"_s});
    row("chcwzbttp", {u"txtwzbtwz"_s, u"txtwzbtlh"_s, u"txtwzbtp"_s, u"cmbwzbt"_s, u"cmbwzbtp"_s});
    row("chcwzfjxp", {u"txtwzfjxp"_s, u"cmbwzfjx"_s});
    row("chcwznrbg", {u"txtwznrbg"_s, u"cmbwznrbg"_s, u"cmbwznrbgp"_s});
    row("chcwznrgd", {u"txtwznrgd"_s});
    row("chcfcgd", {u"txtfcgd"_s});
    row("chcwzffjx", {u"txtwzffjx"_s, u"cmbwzffjx"_s});
    row("chcwzfl", {u"txtwzfl"_s, u"cmbwzfl"_s, u"cmbwzflp"_s});
    row("chcgrpic", {u"txtgrpic"_s, u"txtgrph"_s});
    row("chcxcjj", {u"txtxcjjlp"_s, u"cmbxcjjl"_s}, {u"txtxcjjlc"_s});
    row("chcyqgd", {u"txtyqgd"_s});
    row("chchyfjx", {u"txthyfjx"_s, u"cmbhyfjx"_s});
    row("chcyqlj", {u"txtyqljp"_s, u"cmbyqfjx"_s});
    row("chcyqwzbg", {u"txtyqwzbg"_s, u"cmbyqbg"_s});
    row("chcplk", {u"txtplkp"_s, u"cmbplkp"_s, u"cmbplkpp"_s});
    row("chcplpic", {u"cmbplpic"_s, u"cmbplpicp"_s, u"txtplpic"_s});
    row("chcffjx", {u"txtffjx"_s, u"cmbffjx"_s, u"cmbffjxp"_s, u"txtffhl"_s});
    row("chcssbgp", {u"txtssbgp"_s, u"cmbssbgp"_s}, {u"txtssbg"_s});
    row("chcpic", {u"cmblj"_s});
    row("chcbgst", {u"txtzttmd"_s}, {u"chcdaob"_s});
}

void TestDependencies::checkBoxes()
{
    QFETCH(QString, box);
    QFETCH(QStringList, same);
    QFETCH(QStringList, inverse);
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
    o.setValue(u"chcbg", u"1"_s);
    o.setValue(u"txtbgp", u"mine.jpg"_s);
    o.setValue(u"cmbbg", u"repeat-x"_s);
    o.setValue(u"chcbg", u"0"_s);
    QCOMPARE(o.value(u"txtbgp"), u"mine.jpg"_s);
    QCOMPARE(o.value(u"cmbbg"), u"repeat-x"_s);
}

void TestDependencies::pageBackgroundIgnoresGreyedState()
{
    OptionSet o;
    o.setValue(u"chcbg", u"1"_s);
    o.setValue(u"chcbg", u"2"_s);
    QVERIFY(o.isEnabled(u"txtbgp"));
    o.setValue(u"chcbg", u"0"_s);
    o.setValue(u"chcbg", u"2"_s);
    QVERIFY(!o.isEnabled(u"txtbgp"));
    o.setValue(u"chcbg", u"yes"_s); // not a check box state: ignored
    QCOMPARE(o.value(u"chcbg"), u"2"_s);
    // Elsewhere the greyed state counts as checked.
    o.setValue(u"chcgund", u"2"_s);
    QVERIFY(o.isEnabled(u"txtsttop"));
}

void TestDependencies::bodyWidthNeedsExactlyChecked()
{
    OptionSet o;
    o.setValue(u"chckd", u"1"_s);
    QVERIFY(o.isEnabled(u"txtkd"));
    o.setValue(u"chckd", u"2"_s);
    QVERIFY(!o.isEnabled(u"txtkd"));
}

void TestDependencies::transparencyExcludesBodyPicture()
{
    OptionSet o;
    o.setValue(u"chcdaob", u"1"_s);
    QVERIFY(allEnabled(o, {u"txtdaob"_s, u"cmbztbg"_s, u"cmbztps"_s}, true));
    o.setValue(u"chcbgst", u"1"_s);
    QCOMPARE(o.value(u"chcdaob"), u"0"_s);
    QVERIFY(allEnabled(o, {u"chcdaob"_s, u"txtdaob"_s, u"cmbztbg"_s, u"cmbztps"_s}, false));
    QVERIFY(o.isEnabled(u"txtzttmd"));
    o.setValue(u"chcbgst", u"0"_s);
    QVERIFY(o.isEnabled(u"chcdaob"));
    QCOMPARE(o.value(u"chcdaob"), u"0"_s);
    QVERIFY(allEnabled(o, {u"txtdaob"_s, u"cmbztbg"_s, u"cmbztps"_s, u"txtzttmd"_s}, false));
}

void TestDependencies::headerPicturesFollowTheirOwnBoxes()
{
    OptionSet o;
    auto rowEnabled = [&](int i, bool on) {
        return allEnabled(o, {u"txtmrl(%1)"_s.arg(i), u"cmbmrl(%1)"_s.arg(i), u"cmbmrlp(%1)"_s.arg(i)}, on);
    };
    QVERIFY(rowEnabled(0, true) && rowEnabled(1, false) && rowEnabled(2, false));
    o.setValue(u"chcmrl(2)", u"1"_s);
    QVERIFY(rowEnabled(0, true) && rowEnabled(1, false) && rowEnabled(2, true));
    o.setValue(u"chcmrl(0)", u"0"_s);
    QVERIFY(rowEnabled(0, false) && rowEnabled(1, false) && rowEnabled(2, true));
    // Another reaction may have changed a row's fields; the shared reaction re-evaluates all three.
    o.setEnabled(Option::HeaderLeftPicture, true);
    o.setValue(u"chcmrl(0)", u"1"_s);
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
    o.setValue(u"cmbblogcnt", u"阴影效果"_s);
    o.setValue(u"cmbblogcnt", effect);
    QCOMPARE(o.isEnabled(u"txtblogcntc"), colourEnabled);
    o.setValue(u"cmbmjxg(0)", effect);
    QCOMPARE(o.isEnabled(u"txtfgu"), colourEnabled);
    o.setValue(u"cmbmjxg(1)", effect);
    QCOMPARE(o.isEnabled(u"txtfgjj"), colourEnabled);
}

void TestDependencies::headerEffectsShareOneReaction()
{
    OptionSet o;
    o.setValue(u"cmbmjxg(0)", u"发光效果"_s);
    o.setEnabled(Option::NameEffectColour, false);
    o.setValue(u"cmbmjxg(1)", u"模糊效果"_s); // re-applies the name bar's rule too
    QVERIFY(o.isEnabled(u"txtfgu"));
    QVERIFY(!o.isEnabled(u"txtfgjj"));
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
    o.setValue(u"cmblan", u"分三栏"_s);
    o.setValue(u"cmblan", layout);
    const QList<bool> actual{o.isEnabled(u"txtzlan"), o.isEnabled(u"txtlanf"), o.isEnabled(u"txtlans"),
                             o.isEnabled(u"txtlant")};
    QCOMPARE(actual, enabled);
}

void TestDependencies::boxesWithoutReaction()
{
    OptionSet o;
    const OptionSet before = o;
    for (const char16_t *box : {u"chcbggd", u"chcqxdhx", u"chcdhcz", u"chcmcbg", u"chcmcjj"}) {
        o.setValue(box, o.value(box) == u"1" ? u"0"_s : u"1"_s);
        for (int row = 0; row < kOptionCount; ++row)
            QCOMPARE(o.isEnabled(optionAt(row)), before.isEnabled(optionAt(row)));
    }
    QVERIFY(!o.isEnabled(u"chcdhcz"));
    QVERIFY(o.isEnabled(u"txtmcbg") && o.isEnabled(u"txtjjbg"));
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
    changed.setValue(u"chcbgst", u"0"_s);
    QVERIFY(heard.isEmpty());
    // Taking another record's state tells of each option that differs, and only of those.
    o.assign(changed);
    QCOMPARE(heard.size(), 3); // chcbgst itself, and the enabled flags of chcdaob and txtzttmd
    QCOMPARE(o.value(u"chcbgst"), u"0"_s);
    QVERIFY(o.isEnabled(u"chcdaob") && !o.isEnabled(u"txtzttmd"));
    heard.clear();
    o.assign(changed);
    QVERIFY(heard.isEmpty());
}

QTEST_GUILESS_MAIN(TestDependencies)
#include "test_dependencies.moc"
