#pragma once
// A brief ring around fields, to show the user where something is: the option a search chose,
// the box that enables it. Two rings, the palette's highlight around its highlighted text, so it
// reads on light and dark palettes and on any frame colour.

#include <QList>
#include <chrono>

class QWidget;

namespace stylewright {

namespace FieldHighlight {

inline constexpr std::chrono::milliseconds kLength{1000};

// Rings each widget for `length`, then fades; a widget already ringed starts again.
void flash(const QList<QWidget *> &widgets, std::chrono::milliseconds length = kLength);
// Whether a ring is around the widget now.
bool isHighlighted(const QWidget *widget);

} // namespace FieldHighlight

} // namespace stylewright
