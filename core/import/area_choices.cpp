#include "import/area_choices.h"

#include "generators/written_parts.h"

namespace stylewright {
namespace {

constexpr char16_t kFirstProbeChar = 0xE000; // private use: no sheet or option text needs these
constexpr qint64 kFirstProbeNumber = 700000000;
constexpr int kNumberStep = 1000; // room for every addend between two options' numbers

QString probeCharText(Option option)
{
    return QString(QChar(char16_t(kFirstProbeChar + rowOf(option))));
}

Choice both(Option option, const QString &value)
{
    return {{{option, value}}, {{option, value}}};
}

// The ways a switch is tried, and what the import sets for each.
Dimension dimensionOf(const Switch &s)
{
    // A text form's own text is read from the rules, so the import sets nothing for it.
    const Choice ownText{{{s.option, probeCharText(s.option)}}, {}};
    Dimension dimension;
    switch (s.kind) {
    case SwitchKind::Checked:
        return {both(s.option, checkStateText(CheckState::Unchecked).toString()),
                both(s.option, checkStateText(CheckState::Checked).toString())};
    case SwitchKind::Named:
        for (QStringView name : s.names)
            dimension.append(both(s.option, name.toString()));
        if (s.otherTextActsAs.isEmpty()) // a text that names nothing leaves the rule out
            dimension.append(both(s.option, QString()));
        return dimension;
    case SwitchKind::Prefixed:
        return {ownText, {{{s.option, s.prefix + probeCharText(s.option)}}, {}}};
    case SwitchKind::NamedOrText:
        dimension.append(ownText);
        for (QStringView name : s.names)
            dimension.append(both(s.option, name.toString()));
        return dimension;
    }
    return dimension;
}

} // namespace

QList<ChoiceGroup> choiceGroups(Area area)
{
    QList<ChoiceGroup> groups;
    for (const QList<Switch> &switches : switchGroups(area)) {
        ChoiceGroup group;
        for (const Switch &s : switches)
            group.append(dimensionOf(s));
        groups.append(group);
    }
    return groups;
}

std::optional<QString> probeText(Option option)
{
    const WrittenPart part = writtenPart(option);
    if (!part.written)
        return std::nullopt;
    if (!addendsOf(option).isEmpty())
        return QString::number(kFirstProbeNumber + qint64(rowOf(option)) * kNumberStep);
    return part.label + probeCharText(option);
}

std::optional<Option> probedOption(QChar c)
{
    const int row = c.unicode() - kFirstProbeChar;
    if (row < 0 || row >= kOptionCount)
        return std::nullopt;
    return optionAt(row);
}

std::optional<ProbedNumber> probedNumber(QStringView digits)
{
    bool ok = false;
    const qint64 offset = digits.toLongLong(&ok) - kFirstProbeNumber;
    if (!ok || digits.front() == u'0' || offset < 0 || offset >= qint64(kOptionCount) * kNumberStep)
        return std::nullopt;
    const Option option = optionAt(int(offset / kNumberStep));
    if (addendsOf(option).isEmpty())
        return std::nullopt;
    return ProbedNumber{option, int(offset % kNumberStep)};
}

} // namespace stylewright
