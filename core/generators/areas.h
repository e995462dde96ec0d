#pragma once
// One generator per page area, each in its own source file.

#include "base/result.h"
#include "options/option_set.h"

#include <QStringList>

namespace stylewright {

Result<QStringList> generateBackground(const OptionSet &o);
Result<QStringList> generateHeader(const OptionSet &o);
Result<QStringList> generateNavigation(const OptionSet &o);
Result<QStringList> generateModules(const OptionSet &o);
Result<QStringList> generateArticles(const OptionSet &o);
Result<QStringList> generateCategories(const OptionSet &o);
Result<QStringList> generateProfile(const OptionSet &o);
Result<QStringList> generateAlbum(const OptionSet &o);
Result<QStringList> generateLinks(const OptionSet &o);
Result<QStringList> generateComments(const OptionSet &o);
Result<QStringList> generateExtras(const OptionSet &o);

} // namespace stylewright
