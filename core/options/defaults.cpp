#include "options/defaults.h"

#include "options/option_set.h"

namespace stylewright {

bool differsFromDefault(const OptionSet &options, Option option)
{
    return options.value(option) != optionDef(option).defaultValue;
}

void resetOption(OptionSet &options, Option option)
{
    options.setValue(option, optionDef(option).defaultValue.toString());
}

void resetTab(OptionSet &options, Area area)
{
    // Worked out on a copy, so listeners hear each option once, with the tab already consistent.
    OptionSet target(options);
    for (const OptionDef &def : stylewright::options()) {
        if (def.area == area)
            target.setValue(def.option, def.defaultValue.toString());
    }
    for (const OptionDef &def : stylewright::options()) {
        if (def.area == area)
            target.setEnabled(def.option, def.startEnabled);
    }
    options.assign(target);
}

void resetAll(OptionSet &options)
{
    options.assign(OptionSet());
}

} // namespace stylewright
