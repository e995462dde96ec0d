#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {

GeneratedBlock generateArticles(const OptionSet &) { return {{}, notBuiltYetError()}; }

} // namespace stylewright
