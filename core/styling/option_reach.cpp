#include "styling/option_reach.h"

#include "generators/css_text.h"
#include "generators/generators.h"
#include "generators/written_parts.h"
#include "options/enabling.h"
#include "options/field_captions.h"
#include "options/option_set.h"

namespace stylewright {
namespace {

// Another value of the option's kind, which the generators would write differently.
QString otherValue(Option option, const QString &value)
{
    const OptionDef &def = optionDef(option);
    switch (def.kind) {
    case OptionKind::Check:
        return value == u"1" ? QStringLiteral("0") : QStringLiteral("1");
    case OptionKind::Choice:
        for (QStringView item : def.items) {
            if (item != value)
                return item.toString();
        }
        return value + u'x';
    case OptionKind::Colour:
        return value.isEmpty() ? QStringLiteral("#000000") : value.chopped(1) + (value.endsWith(u'0') ? u'1' : u'0');
    case OptionKind::Number:
        if (std::optional<QString> sum = addToDecimal(value, 1))
            return *sum;
        return value + u'1';
    case OptionKind::Picture:
        break;
    }
    return value + u'x';
}

QList<Area> areasOf(Option option)
{
    QList<Area> found;
    for (Area area : areas()) {
        for (const WrittenRule &rule : rulesOf(area)) {
            const bool switches = std::any_of(rule.switches.begin(), rule.switches.end(),
                                              [&](const Switch &s) { return s.option == option; });
            if ((switches || rule.options.contains(option)) && !found.contains(area))
                found.append(area);
        }
    }
    return found;
}

} // namespace

bool stylesNow(const OptionSet &options, Option option)
{
    const QList<Area> fed = areasOf(option);
    if (fed.isEmpty())
        return false;
    OptionSet changed(options);
    changed.setValue(option, otherValue(option, options.value(option)));
    for (Area area : fed) {
        const Result<QStringList> now = generateArea(area, options), then = generateArea(area, changed);
        if (now && then && *now != *then)
            return true;
    }
    return false;
}

QString whyStylesNothing(const OptionSet &options, Option option)
{
    if (stylesNow(options, option))
        return {};
    if (!options.isEnabled(option))
        return enablingText(enablingSteps(options, option));
    for (const RuleRef &ref : rulesFeeding(option)) {
        for (const Switch &s : ref.rule->switches) {
            if (s.kind == SwitchKind::Checked && !options.isChecked(s.option) && s.option != option)
                return QStringLiteral("需先勾选“%1”").arg(fieldCaption(s.option));
        }
    }
    return {};
}

} // namespace stylewright
