#include "styling/page_selectors.h"

#include <algorithm>
#include <span>

namespace stylewright {
namespace {

constexpr QStringView kPointerStates[] = {u"hover", u"active"};
constexpr QStringView kLinkStates[] = {u"link", u"visited"};

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'-';
}

bool contains(std::span<const QStringView> names, const QString &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::optional<CompoundSelector> parseCompound(QStringView text)
{
    CompoundSelector compound;
    qsizetype at = 0;
    auto name = [&] {
        const qsizetype start = at;
        while (at < text.size() && isNameChar(text[at]))
            ++at;
        return text.sliced(start, at - start).toString();
    };
    if (text.startsWith(u'*'))
        ++at; // the universal selector: any element, as a state alone is written back
    else
        compound.tag = name().toLower();
    while (at < text.size()) {
        const QChar kind = text[at++];
        const QString part = name();
        if (part.isEmpty())
            return std::nullopt;
        if (kind == u'#' && compound.id.isEmpty())
            compound.id = part;
        else if (kind == u'.')
            compound.classes.append(part);
        else if (kind == u':' && (contains(kPointerStates, part) || contains(kLinkStates, part)))
            compound.pseudoClasses.append(part);
        else
            return std::nullopt;
    }
    if (text.isEmpty())
        return std::nullopt;
    return compound;
}

bool matchesCompound(const CompoundSelector &compound, const ElementStep &element)
{
    if (!compound.tag.isEmpty() && compound.tag != element.tag)
        return false;
    if (!compound.id.isEmpty() && compound.id != element.id)
        return false;
    for (const QString &name : compound.classes) {
        if (!element.classes.contains(name))
            return false;
    }
    for (const QString &state : compound.pseudoClasses) {
        if (contains(kLinkStates, state) && element.tag != u"a")
            return false;
    }
    return true;
}

} // namespace

int ComplexSelector::specificity() const
{
    int ids = 0, classes = 0, tags = 0;
    for (const CompoundSelector &c : compounds) {
        ids += c.id.isEmpty() ? 0 : 1;
        classes += int(c.classes.size() + c.pseudoClasses.size());
        tags += c.tag.isEmpty() ? 0 : 1;
    }
    return ids * 10000 + classes * 100 + tags;
}

bool ComplexSelector::needsPointer() const
{
    return std::any_of(compounds.begin(), compounds.end(), [](const CompoundSelector &c) {
        return std::any_of(c.pseudoClasses.begin(), c.pseudoClasses.end(),
                           [](const QString &s) { return contains(kPointerStates, s); });
    });
}

QString ComplexSelector::withoutStates() const
{
    QStringList parts;
    for (const CompoundSelector &c : compounds) {
        QString part = c.tag;
        if (!c.id.isEmpty())
            part += u'#' + c.id;
        for (const QString &name : c.classes)
            part += u'.' + name;
        parts.append(part.isEmpty() ? QStringLiteral("*") : part);
    }
    return parts.join(u' ');
}

std::optional<QList<ComplexSelector>> parseSelectors(QStringView text)
{
    QList<ComplexSelector> list;
    for (QStringView one : text.split(u',')) {
        ComplexSelector selector;
        for (QStringView compound : one.split(u' ', Qt::SkipEmptyParts)) {
            std::optional<CompoundSelector> parsed = parseCompound(compound);
            if (!parsed)
                return std::nullopt;
            selector.compounds.append(std::move(*parsed));
        }
        if (selector.compounds.isEmpty())
            return std::nullopt;
        list.append(std::move(selector));
    }
    return list;
}

bool matches(const ComplexSelector &selector, const ElementChain &chain)
{
    if (chain.isEmpty() || selector.compounds.isEmpty() || !matchesCompound(selector.compounds.last(), chain.last()))
        return false;
    // Descendant steps only: the nearest ancestor that matches each compound is as good as any.
    qsizetype element = chain.size() - 1;
    for (qsizetype c = selector.compounds.size() - 2; c >= 0; --c) {
        do {
            if (--element < 0)
                return false;
        } while (!matchesCompound(selector.compounds[c], chain[element]));
    }
    return true;
}

} // namespace stylewright
