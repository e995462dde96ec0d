#pragma once
// Message text as a box shows it. A box wraps its text only where a line may break, so a long path
// or file name with no such place runs off the box: every path separator, and every 20th character
// of a longer run without a break, gets a zero-width break opportunity after it.

#include <QString>

namespace stylewright {

QString wrappableText(const QString &text);

} // namespace stylewright
