#pragma once
// What reading the generators' blocks back needs of the description of what they write: the choices
// that shape each area's rules, grouped by the rules they shape, and the probe texts that stand for
// option values while the generators are probed.

#include "options/catalogue.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace stylewright {

struct Assignment {
    Option option;
    QString value;
};

// One way a choice can be made: what a probe sets, and what an import sets to get the same rules
// (nothing when the option's text is read from the rules themselves, as a cursor address is).
struct Choice {
    QList<Assignment> probe;
    QList<Assignment> import;
};
// The ways one option, or one property of its text, shapes the rules.
using Dimension = QList<Choice>;
// Dimensions that shape the same rules.
using ChoiceGroup = QList<Dimension>;

// From the switch groups of the description of what the generators write.
QList<ChoiceGroup> choiceGroups(Area area);

// The text an option holds while the generators are probed: a private-use character standing for
// it, or for the sizes the generators add to, a number no sheet needs. Nothing for an option whose
// text no rule holds (check boxes, choices that only switch rules).
std::optional<QString> probeText(Option option);
// The option a probe character stands for.
std::optional<Option> probedOption(QChar c);
// The option a probe number stands for and what the generator added to it.
struct ProbedNumber {
    Option option;
    int addend;
};
std::optional<ProbedNumber> probedNumber(QStringView digits);

} // namespace stylewright
