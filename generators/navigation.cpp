#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {

GeneratedBlock generateNavigation(const OptionSet &) { return {{}, notBuiltYetError()}; }

} // namespace stylewright
