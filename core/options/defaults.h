#pragma once
// Which options differ from their design-time values, and putting options back to them.

#include "options/catalogue.h"

namespace stylewright {

class OptionSet;

// The value differs from the design-time one (the enabled flag does not count).
bool differsFromDefault(const OptionSet &options, Option option);

// The design-time value, through the dependency rules like a user change.
void resetOption(OptionSet &options, Option option);
// Every value and enabled flag of the tab as the window starts with them; other tabs keep theirs.
void resetTab(OptionSet &options, Area area);
// The whole record as the window starts with it.
void resetAll(OptionSet &options);

} // namespace stylewright
