#include "styling/element_styling.h"

#include "options/field_captions.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace stylewright {
namespace {

struct ParsedRule {
    Area area;
    const WrittenRule *rule;
    QList<ComplexSelector> selectors;
};

// Every described rule with its selectors read once; a selector outside the grammar is left
// out here, and the description's test names it.
const QList<ParsedRule> &parsedRules()
{
    static const QList<ParsedRule> rules = [] {
        QList<ParsedRule> all;
        for (Area area : areas()) {
            for (const WrittenRule &rule : rulesOf(area)) {
                if (std::optional<QList<ComplexSelector>> selectors = parseSelectors(rule.selector))
                    all.append({area, &rule, std::move(*selectors)});
            }
        }
        return all;
    }();
    return rules;
}

bool isEditable(const WrittenRule &rule)
{
    return !rule.options.isEmpty() || !rule.switches.isEmpty();
}

struct Match {
    const ParsedRule *rule;
    bool pointer;    // holds only under the pointer: after the rules that always hold
    int specificity; // the most specific of its selectors that match
};

QList<Match> matchesOf(const ElementChain &chain, const QSet<QString> *written)
{
    QList<Match> found;
    for (const ParsedRule &rule : parsedRules()) {
        if (!isEditable(*rule.rule) || (written && !written->contains(rule.rule->selector.toString())))
            continue;
        std::optional<Match> best;
        for (const ComplexSelector &selector : rule.selectors) {
            if (!matches(selector, chain))
                continue;
            const Match m{&rule, selector.needsPointer(), selector.specificity()};
            if (!best || std::tie(best->pointer, m.specificity) > std::tie(m.pointer, best->specificity))
                best = m;
        }
        if (best)
            found.append(*best);
    }
    // Rules that always hold first, the most specific first, in written order among equals.
    std::stable_sort(found.begin(), found.end(), [](const Match &a, const Match &b) {
        return std::tie(a.pointer, b.specificity) < std::tie(b.pointer, a.specificity);
    });
    return found;
}

} // namespace

std::optional<ElementStyling> stylingOf(const ElementChain &chain, const QSet<QString> *written)
{
    for (qsizetype element = chain.size(); element > 0; --element) {
        const QList<Match> found = matchesOf(chain.first(element), written);
        if (found.isEmpty())
            continue;
        ElementStyling styling;
        styling.element = element - 1;
        styling.area = found.first().rule->area;
        for (const Match &m : found) {
            styling.rules.append({m.rule->area, m.rule->rule});
            if (m.rule->area != styling.area)
                continue;
            for (Option option : m.rule->rule->options) {
                if (!styling.options.contains(option))
                    styling.options.append(option);
            }
            for (const Switch &s : m.rule->rule->switches) {
                if (!styling.options.contains(s.option))
                    styling.options.append(s.option);
            }
        }
        // The fields on the area's own tab first: that is where the user is taken.
        std::stable_partition(styling.options.begin(), styling.options.end(),
                              [&](Option option) { return optionDef(option).area == styling.area; });
        return styling;
    }
    return std::nullopt;
}

QSet<QString> writtenSelectors(const QString &css)
{
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QString text = QString(css).remove(comment);
    QSet<QString> selectors;
    qsizetype at = 0;
    for (qsizetype open; (open = text.indexOf(u'{', at)) >= 0;) {
        selectors.insert(text.sliced(at, open - at).trimmed());
        at = text.indexOf(u'}', open);
        if (at < 0)
            break;
        ++at;
    }
    return selectors;
}

QStringList pageSelectorsOf(Option option)
{
    QStringList found;
    auto add = [&](const ParsedRule &rule) {
        for (const ComplexSelector &selector : rule.selectors) {
            const QString query = selector.withoutStates();
            if (!found.contains(query))
                found.append(query);
        }
    };
    for (const ParsedRule &rule : parsedRules()) {
        if (rule.rule->options.contains(option))
            add(rule);
    }
    for (const ParsedRule &rule : parsedRules()) {
        const QList<Switch> &switches = rule.rule->switches;
        if (std::any_of(switches.begin(), switches.end(), [&](const Switch &s) { return s.option == option; }))
            add(rule);
    }
    return found;
}

QString stylingLabel(Area area, const QList<Option> &options, int shown)
{
    QStringList captions;
    for (Option option : options) {
        const QString caption = fieldCaption(option);
        if (!captions.contains(caption))
            captions.append(caption);
    }
    const qsizetype all = captions.size();
    if (all > shown) {
        captions = captions.first(shown);
        captions.last() += QStringLiteral("等 %1 项").arg(all);
    }
    QString label = tabDef(area).caption.toString();
    if (!captions.isEmpty())
        label += QStringLiteral(" · ") + captions.join(u'、');
    return label;
}

} // namespace stylewright
