#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {

GeneratedBlock generateProfile(const OptionSet &) { return {{}, notBuiltYetError()}; }

} // namespace stylewright
