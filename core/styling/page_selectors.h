#pragma once
// The selectors the generators write, read as the page's engine reads them, and matched against
// an element of the sample page described by its tag, id and classes and those of its ancestors.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace stylewright {

// One element of the page: its tag (lower case), id and classes.
struct ElementStep {
    QString tag;
    QString id;
    QStringList classes;
};
// An element and its ancestors, the document's root first and the element last.
using ElementChain = QList<ElementStep>;

// "div.tit", "a.on:visited", "#m_pro.userinfo": one compound selector.
struct CompoundSelector {
    QString tag; // lower case; empty for any
    QString id;
    QStringList classes;
    QStringList pseudoClasses; // "link", "visited", "hover", "active"
};

// Compounds joined by blanks, each inside the one before it.
struct ComplexSelector {
    QList<CompoundSelector> compounds;
    int specificity() const; // ids, then classes and pseudo-classes, then tags
    // Whether it holds only while the pointer is over the element or presses it.
    bool needsPointer() const;
    // The selector without its pointer and link states, as a query of the page finds the elements.
    QString withoutStates() const;
};

// A selector list as the generators write it ("#tab a:link,#tab a:visited"), or nothing for
// anything outside that small grammar.
std::optional<QList<ComplexSelector>> parseSelectors(QStringView text);

// Whether the selector matches the chain's last element; links match :link and :visited alike
// and every element matches :hover and :active (the pointer may be on it).
bool matches(const ComplexSelector &selector, const ElementChain &chain);

} // namespace stylewright
