// Built as a core source: QtCore is the only Qt module on its include path, so this must not compile.
#include <QColor>
