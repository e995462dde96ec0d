#pragma once
// The words that name each option's field where the user sees it, derived from the catalogue and
// the form layout: what search results, reasons and other texts call a field.

#include "options/catalogue.h"

#include <QString>

namespace stylewright {

// A check box's caption; a colour field's label (the text before "#" of its value); the label or
// heading the form shows for any other field; failing those, its settings key.
QString fieldCaption(Option option);
// A label the form shows beside the field that its caption does not already say, or empty.
QString fieldLabel(Option option);

} // namespace stylewright
