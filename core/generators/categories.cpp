// Article categories and archive ("6.文章设置"): two side modules styled by one set of options.

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

// The options both modules share, read once.
struct ItemStyle {
    bool scrollOn;
    QString scrollHeight;
    QString colour, visitedColour, fontSize;
    bool pictureOn;
    QString picture, pictureRepeat, picturePosition;
    bool dividerPictureOn;
    QString dividerLineHeight, dividerPicture, dividerRepeat;
};

ItemStyle readStyle(const OptionSet &o)
{
    return {.scrollOn = o.isChecked(CategoryScrollOn),
            .scrollHeight = o.value(CategoryScrollHeight),
            .colour = colour(o, CategoryColour),
            .visitedColour = colour(o, CategoryVisitedColour),
            .fontSize = o.value(CategoryFontSize),
            .pictureOn = o.isChecked(CategoryPictureOn),
            .picture = o.value(CategoryPicture),
            .pictureRepeat = o.value(CategoryPictureRepeat),
            .picturePosition = o.value(CategoryPicturePosition),
            .dividerPictureOn = o.isChecked(CategoryDividerPictureOn),
            .dividerLineHeight = o.value(CategoryDividerLineHeight),
            .dividerPicture = o.value(CategoryDividerPicture),
            .dividerRepeat = o.value(CategoryDividerRepeat)};
}

// The five rules of one module, joined with CR LF; an empty first line without a scroll bar.
QString moduleRules(QStringView module, const ItemStyle &style)
{
    QString scroll;
    if (style.scrollOn)
        scroll = module + u"{overflow-y:auto;height:" + style.scrollHeight + u"px}";
    QString item = module + u" div.item{color:#" + style.colour + u";font-size:" + style.fontSize;
    if (style.pictureOn) {
        item += u"px;background:url(" + style.picture + u");background-repeat:" + style.pictureRepeat +
                u";background-position:" + style.picturePosition + u'}';
    } else {
        item += u"px}";
    }
    QString divider;
    if (style.dividerPictureOn) {
        divider = module + u" div.line{line-height:" + style.dividerLineHeight + u"px;background:url(" +
                  style.dividerPicture + u");background-repeat:" + style.dividerRepeat + u'}';
    } else {
        divider = module + u" div.line{margin-top:5px;line-height:" + style.dividerLineHeight +
                  u"px;border-top:1px solid #" + style.colour + u'}';
    }
    return QStringList{
        scroll,
        item,
        module + u" div.item a{color:#" + style.colour + u";font-size:" + style.fontSize + u"px}",
        module + u" div.item a:visited{color:#" + style.visitedColour + u'}',
        divider,
    }
        .join(u"\r\n");
}

} // namespace

Result<QStringList> generateCategories(const OptionSet &o)
{
    const ItemStyle style = readStyle(o);
    return QStringList{
        QStringLiteral("\r\n/*文章分类区域*/"),
        moduleRules(u"#m_artclg", style),
        QStringLiteral("\r\n/*文章存档区域*/"),
        moduleRules(u"#m_filed", style),
    };
}

} // namespace stylewright
