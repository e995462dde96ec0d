#pragma once
// The reactions that enable and disable options when a check box or choice value changes.

namespace stylewright {

class OptionSet;

// Runs the reaction of the option at `row` (if it has one) for its current value.
void applyDependencies(OptionSet &options, int row);

} // namespace stylewright
