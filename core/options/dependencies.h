#pragma once
// The reactions that enable and disable options when a check box or choice value changes.

#include "options/catalogue.h"

namespace stylewright {

class OptionSet;

// Runs the reaction of the option (if it has one) for its current value.
void applyDependencies(OptionSet &options, Option changed);

} // namespace stylewright
