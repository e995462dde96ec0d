#include "generators/generators.h"

#include "generators/areas.h"

namespace stylewright {
namespace {

// In tab order, as Area numbers them.
constexpr Result<QStringList> (*kGenerators[kTabCount])(const OptionSet &) = {
    generateBackground, generateHeader, generateNavigation, generateModules,  generateArticles, generateCategories,
    generateProfile,    generateAlbum,  generateLinks,      generateComments, generateExtras,
};

} // namespace

Result<QStringList> generateArea(Area area, const OptionSet &options)
{
    return kGenerators[int(area)](options);
}

GeneratedBlock generate(QStringView areaButton, const OptionSet &options)
{
    const std::optional<Area> area = areaOfButton(areaButton);
    if (!area)
        return {{}, QStringLiteral("没有名为“%1”的代码区域。").arg(areaButton)};
    Result<QStringList> block = generateArea(*area, options);
    if (!block)
        return {{}, block.failure().message};
    return {std::move(block).value(), {}};
}

} // namespace stylewright
