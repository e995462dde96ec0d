#pragma once
// What the generators read of the options, as reading their blocks back needs it: the choices that
// shape each area's rules, grouped by the rules they shape, the probe texts that stand for option
// values while the generators are probed, and how much of an option's text ends up in a rule.

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

QList<ChoiceGroup> choiceGroups(Area area);

// The text an option holds while the generators are probed: a private-use character standing for
// it, or for the sizes the generators add to, a number no sheet needs. Nothing for the options the
// choices set.
std::optional<QString> probeText(Option option);
// The option a probe character stands for.
std::optional<Option> probedOption(QChar c);
// The option a probe number stands for and what the generator added to it.
struct ProbedNumber {
    Option option;
    int addend;
};
std::optional<ProbedNumber> probedNumber(QStringView digits);

// The generators write an option's last n characters (colours: 6, the picture filter: 1); 0: all of it.
int writtenTail(Option option);
// What the generators cut off the front of an option's text before writing it ("主体位置").
QStringView cutLabel(Option option);

} // namespace stylewright
