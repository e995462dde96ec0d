#pragma once
// Which options style an element of the sample page, read from the one description of what the
// generators write: the area and the options whose values reach the rules that match the
// element or, when none does, its nearest ancestor that one matches.

#include "generators/written_parts.h"
#include "styling/page_selectors.h"

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

namespace stylewright {

struct MatchedRule {
    Area area;
    const WrittenRule *rule;
};

struct ElementStyling {
    qsizetype element = -1;       // the index in the chain of the element the rules match
    Area area = Area::Background; // the area of the nearest rule
    // Of that area's matching rules, nearest rule first, each once; the fields on the area's tab
    // come before those on other tabs (a module's box also takes the page's transparency).
    QList<Option> options;
    QList<MatchedRule> rules; // every matching rule of any area, nearest first
};

// The rules that can be edited (they hold options or switches) and match the chain's element or
// its nearest ancestor. `written`, when given, holds the selectors the current sheet has, and
// rules outside it are left out. Nothing when no such rule matches any of them.
std::optional<ElementStyling> stylingOf(const ElementChain &chain, const QSet<QString> *written = nullptr);

// The selectors of a sheet's rules, as written before each "{" without the blanks around them.
QSet<QString> writtenSelectors(const QString &css);

// The selectors, without pointer and link states, of the rules an option's value reaches or
// switches, for a query of the page: "body", ".stage".
QStringList pageSelectorsOf(Option option);

// "3.导航设置 · 字体颜色、字体大小": the area and, at most `shown` of, its options.
QString stylingLabel(Area area, const QList<Option> &options, int shown = 4);

} // namespace stylewright
