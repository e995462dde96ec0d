#pragma once
// The few colours that make a look, for a card with no picture of the page.

#include <QList>
#include <QtGlobal>

namespace stylewright {

class OptionSet;

// Page, header, modules, then the name, titles and text, each once, in that order, as 0xRRGGBB.
QList<quint32> mainColours(const OptionSet &options);

} // namespace stylewright
