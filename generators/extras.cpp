#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {

GeneratedBlock generateExtras(const OptionSet &) { return {{}, notBuiltYetError()}; }

} // namespace stylewright
