#pragma once
// Whether a field styles anything now: its value, changed, would change its area's block (a
// picture whose box is not ticked, a colour of an effect not chosen, would not).

#include "options/catalogue.h"

namespace stylewright {

class OptionSet;

bool stylesNow(const OptionSet &options, Option option);

} // namespace stylewright
