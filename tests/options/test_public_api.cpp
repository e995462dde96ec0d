// The documented string API that outside programs build against: options named by their legacy
// identifier. The rest of the tests name options by their Option enumerator.
#include "options/catalogue.h"
#include "options/option_set.h"

#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

class TestPublicApi : public QObject {
    Q_OBJECT
private slots:
    void unknownIdentifiers();
    void identifiersNameTheirOptions();
};

void TestPublicApi::unknownIdentifiers()
{
    OptionSet o;
    QVERIFY(!optionById(u"nosuch"));
    QCOMPARE(o.value(u"nosuch"), QString());
    QVERIFY(!o.isEnabled(u"nosuch"));
    o.setValue(u"nosuch", u"x"_s);
    QCOMPARE(o.value("txtbgc"), u"背景颜色#000000"_s);
}

void TestPublicApi::identifiersNameTheirOptions()
{
    OptionSet o;
    o.setValue("chcbg", u"1"_s); // runs the dependency rules like the typed call
    QVERIFY(o.isChecked(Option::PagePictureOn));
    QVERIFY(o.isEnabled("txtbgp"));
    o.setValue(u"chcmrl(2)", u"1"_s);
    QCOMPARE(o.value(u"chcmrl(2)"), o.value(Option::HeaderRightPictureOn));
    QVERIFY(o.isEnabled(Option::HeaderRightPicture));
}

QTEST_GUILESS_MAIN(TestPublicApi)
#include "test_public_api.moc"
