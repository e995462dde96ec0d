// Module frames ("4.模块设置"): spacing, title and edit bars, body and the six border cells.

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

QString bodyRule(const OptionSet &o)
{
    // Transparency set on the page-background tab reaches the module bodies too, and wins.
    if (o.isChecked(MainTransparencyOn))
        return u".modbox{padding:10px 10px 0 10px;filter:alpha(opacity=" + o.value(MainTransparency) + u")}";
    if (o.isChecked(ModulePictureOn)) {
        return u".modbox{padding:10px 10px 0 10px;background:url(" + o.value(ModulePicture) + u");background-repeat:" +
               o.value(ModulePictureRepeat) + u'}';
    }
    return u".modbox{padding:10px 10px 0 10px;background-color:#" + colour(o, ModuleColour) + u'}';
}

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

// The six border cells, each followed by CR LF.
QString cellRules(const OptionSet &o)
{
    QString out;
    if (o.isChecked(ModuleBorderPicturesOn)) {
        const QString lineHeight = o.value(ModuleBorderLineHeight);
        for (const Cell &cell : kCells) {
            out +=
                cell.selector + u"background:url(" + o.value(cell.picture) + cell.placement + lineHeight + u"px}\r\n";
        }
    } else {
        const QString b = colour(o, ModuleColour);
        for (const Cell &cell : kCells)
            out += cell.selector + u"background-color:#" + b + u"}\r\n";
    }
    return out;
}

} // namespace

Result<QStringList> generateModules(const OptionSet &o)
{
    const QString c = colour(o, ModuleTitleColour);
    const QString v = colour(o, ModuleTitleVisitedColour);
    const QString s = o.value(ModuleTitleFontSize);

    return QStringList{
        QStringLiteral("\r\n/*模块区域*/"),
        u".mod{margin-bottom:" + o.value(ModuleSpacing) + u"px}\r\n.modhandle{cursor:move}\r\n" +
            u".modth{height:24px}\r\n" + u".modhead{padding:4px 4px 0 " + o.value(ModuleTitleIndent) + u"px}\r\n" +
            u".modopt{padding:4px " + o.value(ModuleEditIndent) + u"px 0 0}\r\n" + u".modtit{color:#" + c +
            u";font-size:" + s + u"px;font-weight:bold}a.modtit{color:#" + c + u"}a.modtit:visited{color:#" + v +
            u"}\r\n" + u".modtitlink{color:#" + c + u";font-size:" + s + u"px;font-weight:bold}a.modtitlink{color:#" +
            c + u";text-decoration:none}a.modtitlink:visited{color:#" + v +
            u";text-decoration:none}a.modtitlink:hover{color:#" + v + u";text-decoration:underline}\r\n" +
            u".modact{color:#" + c + u";font-size:" + s + u"px}a.modact:link{color:#" + c +
            u"}a.modact:visited{color:#" + v + u"}\r\n" + bodyRule(o) + u"\r\n" + cellRules(o),
    };
}

} // namespace stylewright
