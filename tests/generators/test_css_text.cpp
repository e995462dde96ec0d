#include "generators/css_text.h"
#include "options/choices.h"

#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

class TestCssText : public QObject {
    Q_OBJECT
private slots:
    void addToDecimal_data();
    void addToDecimal();
    void colourDigits();
    void effectNamesInOrder();
    void errorNamesFieldAndText();
};

void TestCssText::addToDecimal_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("addend");
    QTest::addColumn<QString>("sum"); // null: not a number
    QTest::newRow("whole") << u"36"_s << 5 << u"41"_s;
    QTest::newRow("half") << u"12.5"_s << 5 << u"17.5"_s;
    QTest::newRow("trailing zeros") << u"12.50"_s << 2 << u"14.5"_s;
    QTest::newRow("whole after point") << u"12.0"_s << 3 << u"15"_s;
    QTest::newRow("point at end") << u"12."_s << 3 << u"15"_s;
    QTest::newRow("point first") << u".5"_s << 7 << u"7.5"_s;
    QTest::newRow("leading zeros") << u"007"_s << 8 << u"15"_s;
    QTest::newRow("negative") << u"-3"_s << 16 << u"13"_s;
    QTest::newRow("negative stays") << u"-20.25"_s << 5 << u"-15.25"_s;
    QTest::newRow("to zero") << u"-5"_s << 5 << u"0"_s;
    QTest::newRow("small fraction") << u"-0.001"_s << 2 << u"1.999"_s;
    QTest::newRow("plus sign") << u"+1"_s << 2 << u"3"_s;
    QTest::newRow("carry") << u"99.99"_s << 16 << u"115.99"_s;
    QTest::newRow("beyond double") << u"123456789012345678901234567890.1"_s << 2
                                   << u"123456789012345678901234567892.1"_s;
    QTest::newRow("empty") << QString() << 5 << QString();
    QTest::newRow("unit") << u"12px"_s << 5 << QString();
    QTest::newRow("letters") << u"abc"_s << 5 << QString();
    QTest::newRow("blank") << u" 12"_s << 5 << QString();
    QTest::newRow("lone point") << u"."_s << 5 << QString();
    QTest::newRow("lone sign") << u"-"_s << 5 << QString();
    QTest::newRow("two points") << u"1.2.3"_s << 5 << QString();
    QTest::newRow("exponent") << u"1e3"_s << 5 << QString();
    QTest::newRow("full-width digits") << u"１２"_s << 5 << QString();
}

void TestCssText::addToDecimal()
{
    QFETCH(QString, number);
    QFETCH(int, addend);
    QFETCH(QString, sum);
    const std::optional<QString> result = stylewright::addToDecimal(number, addend);
    QCOMPARE(result.has_value(), !sum.isNull());
    if (result)
        QCOMPARE(*result, sum);
}

void TestCssText::colourDigits()
{
    OptionSet o;
    QCOMPARE(colour(o, Option::PageBackgroundColour), u"000000"_s);
    o.setValue(Option::PageBackgroundColour, u"#5577ff"_s);
    QCOMPARE(colour(o, Option::PageBackgroundColour), u"5577ff"_s);
    o.setValue(Option::PageBackgroundColour, u"#abc"_s);
    QCOMPARE(colour(o, Option::PageBackgroundColour), u"#abc"_s);
    o.setValue(Option::PageBackgroundColour, QString());
    QCOMPARE(colour(o, Option::PageBackgroundColour), QString());
    o.setValue(Option::PageBackgroundColour, u"颜色😀12345"_s); // a character outside the BMP is never split
    QCOMPARE(colour(o, Option::PageBackgroundColour), u"😀12345"_s);
    o.setValue(Option::PageBackgroundColour, u"颜色123456"_s);
    QCOMPARE(colour(o, Option::PageBackgroundColour), u"123456"_s);
}

void TestCssText::effectNamesInOrder()
{
    QCOMPARE(std::size(kEffectNames), 10u);
    QCOMPARE(kEffectNames[0], u"发光效果");
    QCOMPARE(kEffectNames[9], u"无效果");
    QCOMPARE(effectNamed(u"掩膜效果"), std::optional<Effect>(Effect::Mask));
    QCOMPARE(effectNamed(u"掩膜效果 "), std::nullopt);
    QCOMPARE(effectNamed(u""), std::nullopt);
}

void TestCssText::errorNamesFieldAndText()
{
    const QString e = notANumber(u"名称栏字体大小", u"12px").message;
    QVERIFY(e.contains(u"名称栏字体大小") && e.contains(u"“12px”"));
    QVERIFY(notANumber(u"x", QString(100000, u'9')).message.size() < 200);
}

QTEST_GUILESS_MAIN(TestCssText)
#include "test_css_text.moc"
