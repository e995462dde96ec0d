// Which options style an element of the sample page, against every rule the generators write.

#include "generators/generators.h"
#include "styling/element_styling.h"
#include "styling/option_reach.h"
#include "options/field_captions.h"
#include "options/option_set.h"
#include "preview/preview_sheet.h"

#include <QRandomGenerator>
#include <QTest>

using namespace stylewright;
using enum Option;

namespace {

// The element a compound selector asks for, as plainly as the page could hold it.
ElementStep elementFor(const CompoundSelector &compound)
{
    QString tag = compound.tag;
    if (tag.isEmpty())
        tag = compound.pseudoClasses.isEmpty() ? QStringLiteral("div") : QStringLiteral("a");
    return {tag, compound.id, compound.classes};
}

ElementChain chainFor(const ComplexSelector &selector)
{
    ElementChain chain{{QStringLiteral("html"), {}, {}}, {QStringLiteral("body"), {}, {}}};
    for (const CompoundSelector &compound : selector.compounds) {
        if (compound.tag != u"body")
            chain.append(elementFor(compound));
        else
            chain.last() = elementFor(compound);
    }
    return chain;
}

ElementStep el(const char *tag, const char *id = "", std::initializer_list<const char *> classes = {})
{
    ElementStep step{QString::fromLatin1(tag), QString::fromLatin1(id), {}};
    for (const char *name : classes)
        step.classes.append(QString::fromLatin1(name));
    return step;
}

ElementChain page(std::initializer_list<ElementStep> inBody)
{
    ElementChain chain{{QStringLiteral("html"), {}, {}}, {QStringLiteral("body"), {}, {}}};
    chain.append(QList<ElementStep>(inBody));
    return chain;
}

// Every check box and choice the generators read set at random; the texts keep their defaults.
OptionSet randomSwitches(QRandomGenerator &random)
{
    OptionSet o;
    for (const OptionDef &def : options()) {
        if (def.kind == OptionKind::Check)
            o.setValue(def.option, random.bounded(2) ? QStringLiteral("1") : QStringLiteral("0"));
        else if (def.kind == OptionKind::Choice && !def.items.empty())
            o.setValue(def.option, def.items[random.bounded(int(def.items.size()))].toString());
    }
    return o;
}

} // namespace

class TestElementStyling : public QObject {
    Q_OBJECT
private slots:
    void everyDescribedSelectorIsPlaced();
    void everyWrittenSelectorIsPlaced();
    void sampleElements_data();
    void sampleElements();
    void aRuleOutsideTheSheetIsPassedBy();
    void aStateAloneIsWrittenBackAsAnyElement();
    void fieldsFindTheirElements();
    void aFieldStylesNothingWhileItsRuleIsOff();
    void labelsNameTheAreaAndAFewFields();
};

void TestElementStyling::everyDescribedSelectorIsPlaced()
{
    for (Area area : areas()) {
        for (const WrittenRule &rule : rulesOf(area)) {
            const std::optional<QList<ComplexSelector>> selectors = parseSelectors(rule.selector);
            QVERIFY2(selectors, qPrintable(rule.selector.toString()));
            if (rule.options.isEmpty() && rule.switches.isEmpty())
                continue; // nothing to edit: the element is placed by the rules around it
            for (const ComplexSelector &selector : *selectors) {
                const ElementChain chain = chainFor(selector);
                const std::optional<ElementStyling> styling = stylingOf(chain);
                const QString where = rule.selector.toString() + u" as " + selector.withoutStates();
                QVERIFY2(styling, qPrintable(where));
                QCOMPARE(styling->element, chain.size() - 1);
                const bool placed = std::any_of(styling->rules.begin(), styling->rules.end(),
                                                [&](const MatchedRule &m) { return m.rule == &rule; });
                QVERIFY2(placed, qPrintable(where));
                if (styling->area == area) {
                    for (Option option : rule.options)
                        QVERIFY2(styling->options.contains(option), qPrintable(where));
                }
            }
        }
    }
}

void TestElementStyling::everyWrittenSelectorIsPlaced()
{
    QSet<QString> described;
    for (Area area : areas()) {
        for (const WrittenRule &rule : rulesOf(area))
            described.insert(rule.selector.toString());
    }
    QRandomGenerator random(20261209);
    for (int look = 0; look < 25; ++look) {
        const OptionSet options = look == 0 ? OptionSet::withDefaults() : randomSwitches(random);
        for (const QString &selector : writtenSelectors(wholeCss(sheetFor(options)))) {
            QVERIFY2(described.contains(selector), qPrintable(selector));
            QVERIFY2(parseSelectors(selector), qPrintable(selector));
        }
    }
}

void TestElementStyling::sampleElements_data()
{
    QTest::addColumn<ElementChain>("chain");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("area");
    QTest::addColumn<QList<Option>>("first");
    const ElementStep main = el("div", "main");
    QTest::newRow("navigation link") << page({main, el("div", "tab"), el("a", "", {"on"})}) << 4
                                     << int(Area::Navigation) << QList<Option>{NavigationFontSize, NavigationColour};
    QTest::newRow("page itself") << page({}) << 1 << int(Area::Background) << QList<Option>{PageBackgroundColour};
    // A paragraph of an article has no rule of its own: the text's rule is its parent's.
    QTest::newRow("article paragraph") << page({main, el("div", "m_blog"), el("div", "", {"cnt"}), el("p")}) << 4
                                       << int(Area::Articles) << QList<Option>{ArticleTextColour};
    QTest::newRow("profile's user in a module box")
        << page({main, el("div", "mod_profile", {"mod"}), el("div", "", {"modbox"}), el("div", "m_pro"),
                 el("div", "", {"user"})})
        << 6 << int(Area::Profile) << QList<Option>{ProfileColour, ProfileFontSize};
    // The box takes the page's transparency too, a field of another tab: it comes last.
    QTest::newRow("module box") << page({main, el("div", "mod_info", {"mod"}), el("div", "", {"modbox"})}) << 4
                                << int(Area::Modules)
                                << QList<Option>{ModulePicture, ModulePictureRepeat, ModuleColour};
    QTest::newRow("upper-case tags") << page({main, el("a"), el("img")}) << 4 << int(Area::Extras)
                                     << QList<Option>{PictureFilter};
}

void TestElementStyling::sampleElements()
{
    QFETCH(ElementChain, chain);
    QFETCH(int, element);
    QFETCH(int, area);
    QFETCH(QList<Option>, first);
    const std::optional<ElementStyling> styling = stylingOf(chain);
    QVERIFY(styling);
    QCOMPARE(styling->element, element);
    QCOMPARE(int(styling->area), area);
    QCOMPARE(styling->options.first(first.size()), first);
    // The fields of the area's own tab come first.
    bool elsewhere = false;
    for (Option option : styling->options) {
        QVERIFY(!elsewhere || int(optionDef(option).area) != area);
        elsewhere = elsewhere || int(optionDef(option).area) != area;
    }
}

void TestElementStyling::aStateAloneIsWrittenBackAsAnyElement()
{
    const std::optional<QList<ComplexSelector>> selectors = parseSelectors(u":link,#tab a:visited");
    QVERIFY(selectors);
    QCOMPARE(selectors->size(), 2);
    QCOMPARE(selectors->at(0).withoutStates(), u"*");
    QVERIFY(parseSelectors(selectors->at(0).withoutStates()));
    QCOMPARE(selectors->at(1).withoutStates(), u"#tab a");
}

void TestElementStyling::aRuleOutsideTheSheetIsPassedBy()
{
    const ElementChain link = page({el("div", "main"), el("div", "tab"), el("a", "", {"on"})});
    const QSet<QString> onlyBody{QStringLiteral("body")};
    const std::optional<ElementStyling> styling = stylingOf(link, &onlyBody);
    QVERIFY(styling);
    QCOMPARE(styling->element, 1);
    QCOMPARE(styling->area, Area::Background);
    const QSet<QString> none;
    QVERIFY(!stylingOf(link, &none));
}

void TestElementStyling::fieldsFindTheirElements()
{
    QCOMPARE(pageSelectorsOf(PageBackgroundColour), (QStringList{QStringLiteral("body"), QStringLiteral(".stage")}));
    const QStringList navigation = pageSelectorsOf(NavigationColour);
    QVERIFY(navigation.contains(QStringLiteral("#tab a")));  // from "#tab a:link"
    QVERIFY(navigation.contains(QStringLiteral("#tab2 a"))); // from "#tab2 a:visited"
    QVERIFY(pageSelectorsOf(PagePictureOn).contains(QStringLiteral("body")));
}

void TestElementStyling::aFieldStylesNothingWhileItsRuleIsOff()
{
    OptionSet o;
    o.setValue(PagePictureOn, QStringLiteral("0"));
    QVERIFY(!stylesNow(o, PagePicture));
    QVERIFY(stylesNow(o, PageBackgroundColour));
    QVERIFY(stylesNow(o, PagePictureOn)); // ticking it would change the page
    o.setValue(PagePictureOn, QStringLiteral("1"));
    QVERIFY(stylesNow(o, PagePicture));
    // An address left open while its box is unticked says which box.
    o.setValue(NamePictureOn, QStringLiteral("0"));
    QVERIFY(o.isEnabled(NamePicture) && !stylesNow(o, NamePicture));
    QCOMPARE(whyStylesNothing(o, NamePicture), QStringLiteral("需先勾选“%1”").arg(fieldCaption(NamePictureOn)));
    QVERIFY(whyStylesNothing(o, PageBackgroundColour).isEmpty());
}

void TestElementStyling::labelsNameTheAreaAndAFewFields()
{
    QCOMPARE(stylingLabel(Area::Background, {PageBackgroundColour}), QStringLiteral("1.整体背景 · 背景颜色"));
    QCOMPARE(stylingLabel(Area::Navigation, {}), QStringLiteral("3.导航设置"));
    const QString many =
        stylingLabel(Area::Background,
                     {PageBackgroundColour, PagePicture, PagePictureRepeat, PagePicturePosition, Cursor, CursorOn}, 2);
    QVERIFY2(many.endsWith(QStringLiteral("等 6 项")), qPrintable(many));
    QCOMPARE(many.count(u'、'), 1);
}

QTEST_GUILESS_MAIN(TestElementStyling)
#include "test_element_styling.moc"
