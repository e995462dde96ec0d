#include "options/enabling.h"

#include "options/field_captions.h"
#include "options/option_set.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace stylewright {
namespace {

// The values worth trying on a control: the other state of a box, every other item of a choice.
QStringList otherValues(const OptionSet &record, const OptionDef &def)
{
    if (def.kind == OptionKind::Check)
        return {checkStateText(record.isChecked(def.option) ? CheckState::Unchecked : CheckState::Checked).toString()};
    QStringList values = listItems(def);
    values.removeAll(record.value(def.option));
    return values;
}

// The control of the option's tab whose change enables the option; an enabled control first.
std::optional<EnablingStep> oneStep(const OptionSet &record, Option option, std::optional<Option> skip)
{
    std::optional<EnablingStep> greyed;
    for (const OptionDef &def : options()) {
        if (def.area != optionDef(option).area || def.option == option || def.option == skip || isTextKind(def.kind))
            continue;
        EnablingStep step{def.option, {}};
        for (const QString &value : otherValues(record, def)) {
            OptionSet trial(record);
            trial.setValue(def.option, value);
            if (trial.isEnabled(option))
                step.values.append(value);
        }
        if (step.values.isEmpty())
            continue;
        if (record.isEnabled(def.option))
            return step;
        if (!greyed)
            greyed = step;
    }
    return greyed;
}

QString quoted(const QString &text)
{
    return u"“"_s + text + u"”"_s;
}

QString stepText(const EnablingStep &step)
{
    const QString name = quoted(fieldCaption(step.control));
    if (optionDef(step.control).kind == OptionKind::Check)
        return (step.values.value(0) == checkStateText(CheckState::Checked) ? u"勾选"_s : u"取消勾选"_s) + name;
    QString items;
    for (qsizetype i = 0; i < step.values.size(); ++i) {
        if (i > 0)
            items += i + 1 == step.values.size() ? u"或"_s : u"、"_s;
        items += quoted(step.values[i]);
    }
    return u"在"_s + name + u"中选择"_s + items;
}

} // namespace

QList<EnablingStep> enablingSteps(const OptionSet &record, Option option)
{
    if (record.isEnabled(option))
        return {};
    const std::optional<EnablingStep> last = oneStep(record, option, std::nullopt);
    if (!last)
        return {};
    if (record.isEnabled(last->control))
        return {*last};
    const std::optional<EnablingStep> first = oneStep(record, last->control, option);
    if (!first || !record.isEnabled(first->control))
        return {*last};
    // Both steps together must enable the option, not just each the next.
    OptionSet trial(record);
    trial.setValue(first->control, first->values.first());
    trial.setValue(last->control, last->values.first());
    if (!trial.isEnabled(option))
        return {*last};
    return {*first, *last};
}

QString enablingText(const QList<EnablingStep> &steps)
{
    QString text;
    for (const EnablingStep &step : steps) {
        const bool box = optionDef(step.control).kind == OptionKind::Check;
        if (text.isEmpty())
            text = box ? u"需先"_s : u"需"_s;
        else
            text += u"，再"_s;
        text += stepText(step);
    }
    return text;
}

} // namespace stylewright
