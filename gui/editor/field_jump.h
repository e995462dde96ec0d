#pragma once
// Going to fields, as the search and the preview's pointing do: their tab is shown (and built
// when new), laid out, each field scrolled into view and ringed, and one of them focused.

#include "options/catalogue.h"

#include <QList>
#include <optional>

class QTabWidget;

namespace stylewright {

class OptionForm;

// The tab is the first option's, and only the options on it are ringed; without `focus`, or
// when it cannot take the focus, the tab bar takes it.
void showFields(OptionForm &form, QTabWidget *tabs, const QList<Option> &ringed, std::optional<Option> focus);

} // namespace stylewright
