#pragma once
// One generator per page area, each in its own source file.

#include "generators/generators.h"

namespace stylewright {

GeneratedBlock generateBackground(const OptionSet &o); // cmdbg
GeneratedBlock generateHeader(const OptionSet &o);     // cmdqy
GeneratedBlock generateNavigation(const OptionSet &o); // cmddaoh
GeneratedBlock generateModules(const OptionSet &o);    // cmdmk
GeneratedBlock generateArticles(const OptionSet &o);   // cmdwz
GeneratedBlock generateCategories(const OptionSet &o); // cmdwzsz
GeneratedBlock generateComments(const OptionSet &o);   // cmdpinlun
GeneratedBlock generateProfile(const OptionSet &o);    // cmdgr
GeneratedBlock generateAlbum(const OptionSet &o);      // cmdxc
GeneratedBlock generateLinks(const OptionSet &o);      // cmdyqlj
GeneratedBlock generateExtras(const OptionSet &o);     // cmdxtgg

} // namespace stylewright
