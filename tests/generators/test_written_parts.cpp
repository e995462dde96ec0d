// Holds the generators to the description of what they write: every generator is run with probe
// texts standing for the options, through every combination of each group of switches, and what it
// writes is read back rule by rule.

#include "generators/generators.h"
#include "generators/written_parts.h"
#include "options/catalogue.h"
#include "options/option_set.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <array>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {

// Each text option holds eight private-use characters naming it and their place, more than any
// written tail; each summed size a number naming it, with room for every addend.
constexpr char16_t kFirstProbe = 0xE000;
constexpr int kProbeLength = 8;
constexpr qint64 kFirstNumber = 700000000;
constexpr int kNumberStep = 1000;

bool isSummed(Option option)
{
    return !addendsOf(option).isEmpty();
}

bool onlySwitches(Option option)
{
    const std::optional<Switch> s = switchOf(option);
    return optionDef(option).kind == OptionKind::Check || (s && s->kind == SwitchKind::Named);
}

QString probeOf(Option option)
{
    if (isSummed(option))
        return QString::number(kFirstNumber + qint64(rowOf(option)) * kNumberStep);
    QString text;
    for (int i = 0; i < kProbeLength; ++i)
        text += QChar(char16_t(kFirstProbe + rowOf(option) * kProbeLength + i));
    return text;
}

bool names(const Switch &s, const QString &text)
{
    return std::find(s.names.begin(), s.names.end(), text) != s.names.end();
}

// The texts a switch with names does not name: an empty or probe text, and the field's own list
// items it lacks.
QStringList otherTexts(const Switch &s)
{
    QStringList texts{s.kind == SwitchKind::NamedOrText ? probeOf(s.option) : QString()};
    for (const QString &item : listItems(optionDef(s.option))) {
        if (!names(s, item))
            texts.append(item);
    }
    return texts;
}

QStringList valuesOf(const Switch &s)
{
    QStringList named;
    for (QStringView name : s.names)
        named.append(name.toString());
    switch (s.kind) {
    case SwitchKind::Checked:
        return {u"0"_s, u"1"_s};
    case SwitchKind::Named:
        return named + otherTexts(s);
    case SwitchKind::Prefixed:
        return {probeOf(s.option), s.prefix + probeOf(s.option)};
    case SwitchKind::NamedOrText:
        return otherTexts(s) + named;
    }
    return {};
}

// Every text option holding its probe, every switch its first value.
OptionSet probeRecord()
{
    OptionSet o;
    for (const OptionDef &def : options()) {
        if (!onlySwitches(def.option))
            o.setValue(def.option, probeOf(def.option));
    }
    for (int a = 0; a < kTabCount; ++a) {
        for (const QList<Switch> &group : switchGroups(Area(a))) {
            for (const Switch &s : group)
                o.setValue(s.option, valuesOf(s).first());
        }
    }
    return o;
}

// An area's rules as written, the declarations of each by its selector.
using Rules = QMap<QString, QString>;

Rules rulesIn(const QStringList &writes)
{
    static const QRegularExpression comment(u"/\\*.*?\\*/"_s);
    const QString text = writes.join(u"\r\n").remove(comment);
    Rules rules;
    qsizetype at = 0;
    for (qsizetype open; (open = text.indexOf(u'{', at)) >= 0;) {
        const QString selector = text.sliced(at, open - at).trimmed();
        at = text.indexOf(u'}', open);
        if (at < 0)
            break;
        // The blanks after a rule are the generator's too, and may differ with a switch.
        for (++at; at < text.size() && (text[at] == u' ' || text[at] == u'\t');)
            ++at;
        rules[selector] += text.sliced(open + 1, at - open - 1);
    }
    return rules;
}

struct Seen {
    QSet<QString> selectors;
    QMap<QString, QSet<Option>> options;  // by selector
    QMap<QString, QSet<Option>> switches; // that changed the rule, by selector
    QMap<Option, QSet<int>> addends;
    QStringList problems; // of the rules
    QStringList parts;    // of the written parts
};

// Notes the options whose probes stand in a rule, each checked against its written part.
void readRule(const QString &selector, const QString &declarations, Seen &seen)
{
    const char16_t lastProbe = kFirstProbe + kOptionCount * kProbeLength;
    seen.selectors.insert(selector);
    for (qsizetype i = 0; i < declarations.size();) {
        const char16_t c = declarations[i].unicode();
        qsizetype end = i + 1;
        if (c >= kFirstProbe && c < lastProbe) {
            const Option option = optionAt((c - kFirstProbe) / kProbeLength);
            while (end < declarations.size() && declarations[end].unicode() == declarations[end - 1].unicode() + 1 &&
                   (declarations[end].unicode() - kFirstProbe) % kProbeLength != 0)
                ++end;
            seen.options[selector].insert(option);
            if (declarations.sliced(i, end - i) != writtenText(option, probeOf(option)))
                seen.parts << u"%1 writes another part of %2 than described"_s.arg(selector, optionDef(option).id);
        } else if (c >= u'0' && c <= u'9') {
            while (end < declarations.size() && declarations[end].isDigit())
                ++end;
            const qint64 offset = declarations.sliced(i, end - i).toLongLong() - kFirstNumber;
            if (offset >= 0 && offset < qint64(kOptionCount) * kNumberStep) {
                const Option option = optionAt(int(offset / kNumberStep));
                seen.options[selector].insert(option);
                if (offset % kNumberStep != 0)
                    seen.addends[option].insert(int(offset % kNumberStep));
            }
        }
        i = end;
    }
}

// Every combination of a group's switch values, the first switch changing slowest.
QList<QList<int>> combinations(const QList<Switch> &group)
{
    QList<QList<int>> all{{}};
    for (const Switch &s : group) {
        QList<QList<int>> longer;
        for (const QList<int> &picks : all) {
            for (int v = 0; v < valuesOf(s).size(); ++v)
                longer.append(picks + QList<int>{v});
        }
        all = longer;
    }
    return all;
}

void compareForms(const QList<Switch> &group, const QList<QList<int>> &picks, const QList<Rules> &written, Area area,
                  Seen &seen)
{
    for (qsizetype c = 0; c < picks.size(); ++c) {
        for (qsizetype d = 0; d < group.size(); ++d) {
            const QStringList values = valuesOf(group[d]);
            QList<int> other = picks[c];
            other[d] = 0;
            const Rules &first = written[picks.indexOf(other)];
            const Rules &here = written[c];
            for (const QString &selector :
                 QSet<QString>(first.keyBegin(), first.keyEnd()) + QSet<QString>(here.keyBegin(), here.keyEnd())) {
                if (first.value(selector, u"-"_s) != here.value(selector, u"-"_s))
                    seen.switches[selector].insert(group[d].option);
            }
            const Switch &s = group[d];
            const QString &value = values[picks[c][d]];
            if (s.kind == SwitchKind::Checked || s.kind == SwitchKind::Prefixed || names(s, value))
                continue;
            // A text a choice does not name acts as the name described, or leaves the rule out.
            if (!s.otherTextActsAs.isEmpty()) {
                other[d] = int(values.indexOf(s.otherTextActsAs.toString()));
                if (written[picks.indexOf(other)] != here)
                    seen.problems << u"%1 “%2” does not act as described"_s.arg(optionDef(s.option).id, value);
                continue;
            }
            // A text the pet's size does not name is written as it is.
            for (const WrittenRule &rule : rulesOf(area)) {
                const bool kept = here.value(rule.selector.toString()).contains(value);
                if (rule.switches.contains(s) &&
                    (s.kind == SwitchKind::Named ? here.contains(rule.selector.toString()) : !kept))
                    seen.problems << u"%1 is not as described for “%2”"_s.arg(rule.selector, value);
            }
        }
    }
}

Seen observe(Area area)
{
    Seen seen;
    const OptionSet base = probeRecord();
    for (const QList<Switch> &group : switchGroups(area) + QList<QList<Switch>>{QList<Switch>()}) {
        const QList<QList<int>> picks = combinations(group);
        QList<Rules> written;
        for (const QList<int> &pick : picks) {
            OptionSet o(base);
            for (qsizetype d = 0; d < group.size(); ++d)
                o.setValue(group[d].option, valuesOf(group[d])[pick[d]]);
            const Result<QStringList> block = generateArea(area, o);
            if (!block)
                seen.problems << u"writes nothing (a summed size not described?): "_s + block.failure().message;
            written.append(block ? rulesIn(*block) : Rules());
            for (auto it = written.back().cbegin(); it != written.back().cend(); ++it)
                readRule(it.key(), it.value(), seen);
        }
        compareForms(group, picks, written, area, seen);
    }
    seen.problems.removeDuplicates();
    seen.parts.removeDuplicates();
    return seen;
}

const Seen &seenIn(Area area)
{
    static std::array<std::optional<Seen>, kTabCount> seen;
    if (!seen[int(area)])
        seen[int(area)] = observe(area);
    return *seen[int(area)];
}

QString ids(const QSet<Option> &options)
{
    QStringList out;
    for (Option option : options)
        out.append(optionDef(option).id.toString());
    out.sort();
    return out.join(u' ');
}

} // namespace

class TestWrittenParts : public QObject {
    Q_OBJECT
private slots:
    void rulesAreAsDescribed_data();
    void rulesAreAsDescribed();
    void partsAreAsDescribed();
    void sumsAreAsDescribed();
    void boxesNoRuleListsChangeNothing();
    void rulesFeedingAnOption();
};

void TestWrittenParts::rulesAreAsDescribed_data()
{
    QTest::addColumn<int>("area");
    for (const TabDef &tab : tabs())
        QTest::newRow(qPrintable(tab.caption.toString())) << int(tab.area);
}

// Selectors, the options reaching each rule and the switches shaping it, both ways.
void TestWrittenParts::rulesAreAsDescribed()
{
    QFETCH(int, area);
    const Seen &seen = seenIn(Area(area));
    QStringList problems = seen.problems;
    QSet<QString> described;
    for (const WrittenRule &rule : rulesOf(Area(area))) {
        const QString selector = rule.selector.toString();
        described.insert(selector);
        if (!seen.selectors.contains(selector))
            problems << u"%1 is described but never written"_s.arg(selector);
        const QSet<Option> options(rule.options.begin(), rule.options.end());
        if (seen.options.value(selector) != options) {
            problems << u"%1 takes {%2}, described {%3}"_s.arg(selector, ids(seen.options.value(selector)),
                                                               ids(options));
        }
        QSet<Option> switches;
        for (const Switch &s : rule.switches)
            switches.insert(s.option);
        if (seen.switches.value(selector) != switches) {
            problems << u"%1 changes with {%2}, described {%3}"_s.arg(selector, ids(seen.switches.value(selector)),
                                                                      ids(switches));
        }
    }
    for (const QString &selector : seen.selectors) {
        if (!described.contains(selector))
            problems << u"%1 is written but not described"_s.arg(selector);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// Each option's probe stands in the rules cut as its written part says.
void TestWrittenParts::partsAreAsDescribed()
{
    QStringList problems;
    for (int a = 0; a < kTabCount; ++a)
        problems += seenIn(Area(a)).parts;
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestWrittenParts::sumsAreAsDescribed()
{
    QMap<Option, QSet<int>> addends;
    for (int a = 0; a < kTabCount; ++a) {
        for (auto it = seenIn(Area(a)).addends.cbegin(); it != seenIn(Area(a)).addends.cend(); ++it)
            addends[it.key()] += it.value();
    }
    for (const OptionDef &def : options()) {
        const QList<int> described = addendsOf(def.option);
        QCOMPARE(QSet<int>(described.begin(), described.end()), addends.value(def.option));
    }
}

// A check box that no rule names as its switch leaves every area as it is.
void TestWrittenParts::boxesNoRuleListsChangeNothing()
{
    const OptionSet base = probeRecord();
    for (const OptionDef &def : options()) {
        if (def.kind != OptionKind::Check || switchOf(def.option))
            continue;
        OptionSet flipped(base);
        flipped.setValue(def.option, base.value(def.option) == u"1" ? u"0"_s : u"1"_s);
        for (int a = 0; a < kTabCount; ++a)
            QVERIFY2(*generateArea(Area(a), flipped) == *generateArea(Area(a), base), qPrintable(def.id.toString()));
    }
}

void TestWrittenParts::rulesFeedingAnOption()
{
    QList<std::pair<Area, QString>> fed;
    for (const RuleRef &ref : rulesFeeding(Option::MainTransparency))
        fed.append({ref.area, ref.rule->selector.toString()});
    QCOMPARE(fed, (QList<std::pair<Area, QString>>{{Area::Background, u".stage"_s}, {Area::Modules, u".modbox"_s}}));
    QVERIFY(!writtenPart(Option::MainTransparencyOn).written);
    QVERIFY(writtenPart(Option::MainTransparency).written);
}

QTEST_GUILESS_MAIN(TestWrittenParts)
#include "test_written_parts.moc"
