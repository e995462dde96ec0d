// Module frames ("4.模块设置"): spacing, title and edit bars, body and the six border cells.

#include "generators/areas.h"
#include "generators/css_text.h"

#include <array>

namespace stylewright {
namespace {

using enum Option;

struct Cell {
    QStringView selector; // ".modtl{"
    Option picture;
    QStringView placement; // what follows the picture up to the line height
};

constexpr QStringView kCorner = u");background-repeat:no-repeat;background-position:top left;line-height:";
constexpr QStringView kCentre = u");background-repeat:repeat;line-height:";

constexpr Cell kCells[] = {
    {u".modtl{", ModuleTopLeftPicture, kCorner},      {u".modtc{", ModuleTopCentrePicture, kCentre},
    {u".modtr{", ModuleTopRightPicture, kCorner},     {u".modbl{", ModuleBottomLeftPicture, kCorner},
    {u".modbc{", ModuleBottomCentrePicture, kCentre}, {u".modbr{", ModuleBottomRightPicture, kCorner},
};
constexpr std::size_t kCellCount = std::size(kCells);

struct ModuleOptions {
    QString spacing, titleIndent, editIndent;
    QString titleColour, titleVisitedColour, titleFontSize;
    // Transparency set on the page-background tab reaches the module bodies too, and wins.
    bool pageTransparencyOn;
    QString pageTransparency;
    QString colour; // of the body and, without pictures, the border cells
    bool pictureOn;
    QString picture, pictureRepeat;
    bool borderPicturesOn;
    QString borderLineHeight;
    std::array<QString, kCellCount> borderPictures; // in kCells order
};

ModuleOptions readOptions(const OptionSet &o)
{
    ModuleOptions module{.spacing = o.value(ModuleSpacing),
                         .titleIndent = o.value(ModuleTitleIndent),
                         .editIndent = o.value(ModuleEditIndent),
                         .titleColour = colour(o, ModuleTitleColour),
                         .titleVisitedColour = colour(o, ModuleTitleVisitedColour),
                         .titleFontSize = o.value(ModuleTitleFontSize),
                         .pageTransparencyOn = o.isChecked(MainTransparencyOn),
                         .pageTransparency = o.value(MainTransparency),
                         .colour = colour(o, ModuleColour),
                         .pictureOn = o.isChecked(ModulePictureOn),
                         .picture = o.value(ModulePicture),
                         .pictureRepeat = o.value(ModulePictureRepeat),
                         .borderPicturesOn = o.isChecked(ModuleBorderPicturesOn),
                         .borderLineHeight = o.value(ModuleBorderLineHeight),
                         .borderPictures = {}};
    for (std::size_t i = 0; i < kCellCount; ++i)
        module.borderPictures[i] = o.value(kCells[i].picture);
    return module;
}

QString bodyRule(const ModuleOptions &module)
{
    if (module.pageTransparencyOn)
        return u".modbox{padding:10px 10px 0 10px;filter:alpha(opacity=" + module.pageTransparency + u")}";
    if (module.pictureOn) {
        return u".modbox{padding:10px 10px 0 10px;background:url(" + module.picture + u");background-repeat:" +
               module.pictureRepeat + u'}';
    }
    return u".modbox{padding:10px 10px 0 10px;background-color:#" + module.colour + u'}';
}

// The six border cells, each followed by CR LF.
QString cellRules(const ModuleOptions &module)
{
    QString out;
    for (std::size_t i = 0; i < kCellCount; ++i) {
        const Cell &cell = kCells[i];
        if (module.borderPicturesOn) {
            out += cell.selector + u"background:url(" + module.borderPictures[i] + cell.placement +
                   module.borderLineHeight + u"px}\r\n";
        } else {
            out += cell.selector + u"background-color:#" + module.colour + u"}\r\n";
        }
    }
    return out;
}

// The title bar's text, its title link and the edit links beside it.
QStringList titleRules(const ModuleOptions &module)
{
    const QString &textColour = module.titleColour;
    const QString &visited = module.titleVisitedColour;
    const QString &size = module.titleFontSize;
    return {
        u".modtit{color:#" + textColour + u";font-size:" + size + u"px;font-weight:bold}a.modtit{color:#" + textColour +
            u"}a.modtit:visited{color:#" + visited + u'}',
        u".modtitlink{color:#" + textColour + u";font-size:" + size + u"px;font-weight:bold}a.modtitlink{color:#" +
            textColour + u";text-decoration:none}a.modtitlink:visited{color:#" + visited +
            u";text-decoration:none}a.modtitlink:hover{color:#" + visited + u";text-decoration:underline}",
        u".modact{color:#" + textColour + u";font-size:" + size + u"px}a.modact:link{color:#" + textColour +
            u"}a.modact:visited{color:#" + visited + u'}',
    };
}

} // namespace

Result<QStringList> generateModules(const OptionSet &o)
{
    const ModuleOptions module = readOptions(o);
    QStringList rules{
        u".mod{margin-bottom:" + module.spacing + u"px}",
        QStringLiteral(".modhandle{cursor:move}"),
        QStringLiteral(".modth{height:24px}"),
        u".modhead{padding:4px 4px 0 " + module.titleIndent + u"px}",
        u".modopt{padding:4px " + module.editIndent + u"px 0 0}",
    };
    rules += titleRules(module);
    rules += bodyRule(module);
    rules += cellRules(module);
    return QStringList{QStringLiteral("\r\n/*模块区域*/"), rules.join(u"\r\n")};
}

} // namespace stylewright
