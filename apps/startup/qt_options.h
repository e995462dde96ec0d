#pragma once
// The options Qt's application objects take for themselves (-platform offscreen, -style fusion,
// -reverse, …). Without a window no QGuiApplication removes them, so a program that reads its
// own command line leaves them out first: they are accepted and ignored in every mode.

#include <QStringList>

namespace stylewright {

// The arguments, program name first, without Qt's options and the values that belong to them.
QStringList withoutQtOptions(const QStringList &arguments);

} // namespace stylewright
