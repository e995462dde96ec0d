// Article categories and archive ("6.文章设置"): two side modules styled by one set of options.

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

// The options both modules share, read once.
struct ItemStyle {
    bool scroll;
    QString scrollHeight;
    QString colour, visited, size;
    bool picture;
    QString pictureUrl, pictureRepeat, picturePosition;
    bool separatorPicture;
    QString separatorHeight, separatorUrl, separatorRepeat;
};

ItemStyle readStyle(const OptionSet &o)
{
    return {.scroll = o.isChecked(CategoryScrollOn),
            .scrollHeight = o.value(CategoryScrollHeight),
            .colour = colour(o, CategoryColour),
            .visited = colour(o, CategoryVisitedColour),
            .size = o.value(CategoryFontSize),
            .picture = o.isChecked(CategoryPictureOn),
            .pictureUrl = o.value(CategoryPicture),
            .pictureRepeat = o.value(CategoryPictureRepeat),
            .picturePosition = o.value(CategoryPicturePosition),
            .separatorPicture = o.isChecked(CategoryDividerPictureOn),
            .separatorHeight = o.value(CategoryDividerLineHeight),
            .separatorUrl = o.value(CategoryDividerPicture),
            .separatorRepeat = o.value(CategoryDividerRepeat)};
}

// The five rules of one module, joined with CR LF; m is the module's selector.
QString moduleRules(QStringView m, const ItemStyle &s)
{
    QString out;
    if (s.scroll)
        out = m + u"{overflow-y:auto;height:" + s.scrollHeight + u"px}";
    out += u"\r\n" + m + u" div.item{color:#" + s.colour + u";font-size:" + s.size;
    if (s.picture) {
        out += u"px;background:url(" + s.pictureUrl + u");background-repeat:" + s.pictureRepeat +
               u";background-position:" + s.picturePosition + u'}';
    } else {
        out += u"px}";
    }
    out += u"\r\n" + m + u" div.item a{color:#" + s.colour + u";font-size:" + s.size + u"px}\r\n" + m +
           u" div.item a:visited{color:#" + s.visited + u"}\r\n";
    if (s.separatorPicture) {
        out += m + u" div.line{line-height:" + s.separatorHeight + u"px;background:url(" + s.separatorUrl +
               u");background-repeat:" + s.separatorRepeat + u'}';
    } else {
        out += m + u" div.line{margin-top:5px;line-height:" + s.separatorHeight + u"px;border-top:1px solid #" +
               s.colour + u'}';
    }
    return out;
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
