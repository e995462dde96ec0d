#pragma once
// What the generators write, described once. For every option: the part of its text that reaches
// the CSS and the sums made from it. For every area: the rules its generator writes, each with the
// options whose texts reach it and the check boxes, choices and text forms that switch or shape it.
// The generators take the written parts from here; the CSS import and the page pointing read the
// rest; a test holds the generators to all of it.

#include "options/catalogue.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <span>

namespace stylewright {

// The part of an option's text that reaches the CSS.
struct WrittenPart {
    bool written = false; // false: no rule holds the text (check boxes, choices that only switch rules)
    QStringView label;    // cut off the front first, by its length: "主体位置" of the main alignment
    int lastChars = 0;    // then only this many characters from the end (a colour's six digits); 0: all
};

WrittenPart writtenPart(Option option);
// The text the generators write for an option holding `value`.
QString writtenText(Option option, const QString &value);

// What the generators add to a size before writing it (the navigation font size: 2, 3, 7, 8 and
// 16), besides writing it as it is; empty for an option they write only as it is, or not at all.
QList<int> addendsOf(Option option);

// A cursor starting with this is written as a picture address.
inline constexpr QStringView kCursorAddressPrefix = u"http";

enum class SwitchKind : quint8 {
    Checked,     // a check box: checked ("1") or not
    Named,       // a choice: which of `names` its text is; the text itself is never written
    Prefixed,    // a text starting with `prefix` is written in another form (the cursor address)
    NamedOrText, // a text that is one of `names`, or any other text, which is written (the pet's size)
};

// What switches a rule on or off, or shapes it.
struct Switch {
    Option option;
    SwitchKind kind = SwitchKind::Checked;
    std::span<const QStringView> names = {};
    // Named: the name any other text acts as; empty: any other text leaves the rule out.
    QStringView otherTextActsAs = {};
    QStringView prefix = {}; // Prefixed

    // Named: the name a text acts as, or nothing when the rule is left out for it.
    std::optional<QStringView> nameActedOn(QStringView text) const;
    // Within an area an option is one switch.
    friend bool operator==(const Switch &a, const Switch &b) { return a.option == b.option && a.kind == b.kind; }
};

struct WrittenRule {
    QStringView selector;   // as written before its "{", without the blanks around it
    QList<Option> options;  // whose texts, or sums, reach its declarations
    QList<Switch> switches; // that switch it on or off or shape it, in the order they are tried
};

// The rules an area's generator writes, in the order it writes them first.
const QList<WrittenRule> &rulesOf(Area area);

// Where an option's text reaches the CSS.
struct RuleRef {
    Area area;
    const WrittenRule *rule;
};
QList<RuleRef> rulesFeeding(Option option);

// The switches of an area that shape a common rule, directly or through another switch: each
// group's combinations must be tried together, different groups' apart.
QList<QList<Switch>> switchGroups(Area area);

// The switch an option is in the rules that use it; nothing for an option that switches no rule.
std::optional<Switch> switchOf(Option option);

} // namespace stylewright
