// Options are named by enumerator, so a misspelt or removed option must not compile.
#include "options/option_set.h"

bool probeUnknownOption(const stylewright::OptionSet &options)
{
    return options.isChecked(stylewright::Option::NoSuchOption);
}
