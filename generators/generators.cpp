#include "generators/generators.h"

#include "generators/areas.h"

namespace stylewright {
namespace {

struct Area {
    QStringView button;
    GeneratedBlock (*generate)(const OptionSet &);
};

constexpr Area kAreas[] = {
    {u"cmdbg", generateBackground},     {u"cmdqy", generateHeader},     {u"cmddaoh", generateNavigation},
    {u"cmdmk", generateModules},        {u"cmdwz", generateArticles},   {u"cmdwzsz", generateCategories},
    {u"cmdpinlun", generateComments},   {u"cmdgr", generateProfile},    {u"cmdxc", generateAlbum},
    {u"cmdyqlj", generateLinks},        {u"cmdxtgg", generateExtras},
};

} // namespace

GeneratedBlock generate(QStringView areaButton, const OptionSet &options)
{
    for (const Area &area : kAreas) {
        if (area.button == areaButton)
            return area.generate(options);
    }
    return {{}, QStringLiteral("没有名为“%1”的代码区域。").arg(areaButton)};
}

} // namespace stylewright
