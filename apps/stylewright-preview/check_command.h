#pragma once
// --check: the contrast check of the sample page under a sheet, without a window. One line per
// text below WCAG AA, or over a picture, on standard output as UTF-8.

#include <QString>

namespace stylewright {

// 0 when no text is below AA, 1 when one is, 3 when the page could not be checked.
int runCheck(int argc, char *argv[], const QString &css);

} // namespace stylewright
