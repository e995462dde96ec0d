// Text contrast as WCAG 2.x measures it, and the page's texts judged against their backgrounds.

#include "styling/contrast.h"
#include "styling/text_findings.h"

#include <QTest>

using namespace stylewright;

namespace {

Rgba colour(const char *css)
{
    return *parseCssColour(QString::fromLatin1(css));
}

PageText textOn(const char *text, std::initializer_list<BackgroundLayer> layers, double px = 12, int weight = 400)
{
    PageText t;
    t.sample = QStringLiteral("示例");
    t.colour = colour(text);
    t.fontPx = px;
    t.fontWeight = weight;
    t.layers = layers;
    t.element = {{QStringLiteral("html"), {}, {}}, {QStringLiteral("body"), {}, {}}};
    return t;
}

} // namespace

class TestContrast : public QObject {
    Q_OBJECT
private slots:
    void knownPairs_data();
    void knownPairs();
    void largeText_data();
    void largeText();
    void engineColours();
    void semiTransparentLayersAreLaidOverWhatIsBeneath();
    void aPictureOnTheWayCannotBeJudged();
    void pageTextsAreReadOnlyWhenWhole();
    void aFindingIsOneLine();
};

void TestContrast::knownPairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("passes");
    QTest::newRow("777 on white") << "#777777"
                                  << "#ffffff"
                                  << "4.48:1" << false;
    QTest::newRow("767676 on white") << "#767676"
                                     << "#ffffff"
                                     << "4.54:1" << true;
    QTest::newRow("white on 767676, either way round") << "#ffffff"
                                                       << "#767676"
                                                       << "4.54:1" << true;
    QTest::newRow("black on white") << "#000000"
                                    << "#ffffff"
                                    << "21.00:1" << true;
    QTest::newRow("same colour") << "rgb(96, 112, 140)"
                                 << "rgb(96, 112, 140)"
                                 << "1.00:1" << false;
}

void TestContrast::knownPairs()
{
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(QString, shown);
    QFETCH(bool, passes);
    const double ratio = contrastRatio(*parseCssColour(text), *parseCssColour(background));
    QCOMPARE(ratioText(ratio), shown);
    QCOMPARE(ratio >= requiredRatio(16, 400), passes);
}

void TestContrast::largeText_data()
{
    QTest::addColumn<double>("px");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("large");
    QTest::newRow("24 px") << 24.0 << 400 << true;
    QTest::newRow("just under 24 px") << 23.9 << 400 << false;
    QTest::newRow("18.66 px bold") << 18.66 << 700 << true;
    QTest::newRow("18.66 px, weight 600") << 18.66 << 600 << false;
    QTest::newRow("18.6 px bold") << 18.6 << 700 << false;
    QTest::newRow("18.66 px black weight") << 18.66 << 900 << true;
}

void TestContrast::largeText()
{
    QFETCH(double, px);
    QFETCH(int, weight);
    QFETCH(bool, large);
    QCOMPARE(isLargeText(px, weight), large);
    QCOMPARE(requiredRatio(px, weight), large ? 3.0 : 4.5);
    // #777777 on white: too faint for body text, enough for large text.
    const TextFinding finding = judge(textOn("#777777", {{colour("#ffffff")}}, px, weight));
    QCOMPARE(finding.readability, large ? Readability::Readable : Readability::HardToRead);
}

void TestContrast::engineColours()
{
    QCOMPARE(hexOf(colour("rgb(111, 127, 153)")), QStringLiteral("#6f7f99"));
    QCOMPARE(colour("rgba(0, 0, 0, 0.25)").alpha, 0.25);
    QCOMPARE(colour("transparent").alpha, 0.0);
    QCOMPARE(hexOf(colour("#A0b1C2")), QStringLiteral("#a0b1c2"));
    // Rounded, but a ratio just under a threshold never shows as the threshold.
    QCOMPARE(ratioText(4.4999), QStringLiteral("4.49:1"));
    QCOMPARE(ratioText(2.997), QStringLiteral("2.99:1"));
    QCOMPARE(ratioText(4.5), QStringLiteral("4.50:1"));
    QCOMPARE(ratioText(3.456), QStringLiteral("3.46:1"));
    for (const char *bad : {"", "rgb(1, 2)", "rgb(300, 0, 0)", "rgba(1, 2, 3, 2)", "red", "rgb(-1, 0, 0)", "#fff"})
        QVERIFY2(!parseCssColour(QString::fromLatin1(bad)), bad);
}

void TestContrast::semiTransparentLayersAreLaidOverWhatIsBeneath()
{
    // Black at half strength over white is mid grey; the text is black.
    const TextFinding half =
        judge(textOn("#000000", {{colour("rgba(0, 0, 0, 0.5)")}, {colour("transparent")}, {colour("#ffffff")}}));
    QCOMPARE(hexOf(half.background), QStringLiteral("#808080"));
    QCOMPARE(half.ratio, contrastRatio(colour("#000000"), Rgba{127.5, 127.5, 127.5, 1}));
    QCOMPARE(half.readability, Readability::Readable); // 5.28:1
    // Layers under the first opaque one are hidden by it.
    const TextFinding covered = judge(textOn("#777777", {{colour("#ffffff")}, {colour("#000000")}}));
    QCOMPARE(hexOf(covered.background), QStringLiteral("#ffffff"));
    // With no opaque layer the engine's white canvas is beneath.
    const TextFinding bare = judge(textOn("#767676", {{colour("transparent")}}));
    QCOMPARE(hexOf(bare.background), QStringLiteral("#ffffff"));
    QCOMPARE(bare.readability, Readability::Readable);
    // Half-transparent text is laid over its background too.
    const TextFinding faint = judge(textOn("rgba(0, 0, 0, 0.5)", {{colour("#ffffff")}}));
    QCOMPARE(hexOf(faint.text), QStringLiteral("#808080"));
}

void TestContrast::aPictureOnTheWayCannotBeJudged()
{
    const TextFinding onPicture = judge(textOn("#000000", {{colour("transparent"), true}, {colour("#ffffff")}}));
    QCOMPARE(onPicture.readability, Readability::Unknown);
    QVERIFY(findingLine(onPicture).contains(kPictureBehindText));
    // A picture under an opaque colour is hidden by it.
    const TextFinding hidden = judge(textOn("#000000", {{colour("#ffffff")}, {colour("#000000"), true}}));
    QCOMPARE(hidden.readability, Readability::Readable);
    QCOMPARE(
        findingsOf({textOn("#000000", {{colour("#ffffff")}}), textOn("#000000", {{colour("#000000"), true}})}).size(),
        1);
}

void TestContrast::pageTextsAreReadOnlyWhenWhole()
{
    const QByteArray good = R"js([{"text":"首页","colour":"rgb(51, 68, 85)","size":12,"weight":400,
        "layers":[["rgba(0, 0, 0, 0)",false],["rgb(0, 0, 0)",false]],
        "element":[["html","",""],["body","",""],["div","tab",""],["a","","on"]]}])js";
    const std::optional<QList<PageText>> texts = readPageTexts(good);
    QVERIFY(texts);
    QCOMPARE(texts->size(), 1);
    QCOMPARE(texts->first().element.last().classes, QStringList{QStringLiteral("on")});
    const QList<TextFinding> findings = findingsOf(*texts);
    QCOMPARE(findings.size(), 1);
    QCOMPARE(areaCaptionOf(findings.first()), QStringLiteral("3.导航设置"));
    for (const QByteArray &bad : {QByteArray("{}"), QByteArray("[1]"), QByteArray("[{\"text\":\"a\"}]"),
                                  QByteArray(good).replace("rgb(51", "rgb(x"), QByteArray(good).replace("false]", "0]"),
                                  QByteArray(good).replace("12,", "\"12\","), QByteArray("[")})
        QVERIFY2(!readPageTexts(bad), bad.constData());
}

void TestContrast::aFindingIsOneLine()
{
    const TextFinding finding = judge(textOn("#777777", {{colour("#ffffff")}}));
    QCOMPARE(findingLine(finding), QStringLiteral("1.整体背景\t4.48:1\t#777777\t#ffffff\t示例"));
}

QTEST_GUILESS_MAIN(TestContrast)
#include "test_contrast.moc"
