// Navigation tabs ("3.导航设置"). Every size of the tab links derives from one font size.

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

// The font size as written, and the sizes derived from it.
struct Sizes {
    QString f, f2, f3, f7, f8, f16;
};

std::optional<Sizes> sizesFrom(const QString &f)
{
    std::optional<QString> f2 = addToDecimal(f, 2);
    if (!f2)
        return std::nullopt;
    return Sizes{f, *f2, *addToDecimal(f, 3), *addToDecimal(f, 7), *addToDecimal(f, 8), *addToDecimal(f, 16)};
}

constexpr QStringView kActive = u"#tab a.on,#tab a.on:link,#tab a.on:visited{";
constexpr QStringView kHover = u"#tab a:hover,#tab a.on:hover{";

// Tab row, active tab and hovered tab, which the vertical layout and the pictures shape together.
struct TabRules {
    QString row, active, hover;
};

TabRules tabRules(const OptionSet &o, const Sizes &s, const QString &c)
{
    const bool vertical = o.isChecked(NavigationVertical);
    const QString top = o.value(NavigationTop);
    const QString left = o.value(NavigationLeft);
    const QString hoverStart = kHover + u"font-size:" + s.f3 + u"px;line-height:" + s.f8 + u"px";
    const QString activeEnd = u";color:#" + c + u";font-size:" + s.f2 + u"px}";

    if (!o.isChecked(NavigationPicturesOn)) {
        if (vertical) {
            return {u"#tab{top:" + top + u"px;left:" + left + u"px;width:100px!important}",
                    kActive + u"width:100px!important;line-height:" + s.f16 + u"px" + activeEnd, hoverStart + u'}'};
        }
        return {u"#tab{top:" + top + u"px;left:" + left + u"px}", kActive + u"line-height:" + s.f16 + u"px" + activeEnd,
                hoverStart + u'}'};
    }
    const QString picture = o.value(NavigationPicture);
    const QString active = kActive + u"line-height:" + s.f7 + u"px;background:url(" + picture +
                           u");background-repeat:no-repeat" + activeEnd;
    if (vertical) {
        // The vertical row repeats the active-tab picture and has its hover picture unrepeated.
        return {u"#tab{top:" + top + u"px;;left:" + left + u"px;background:url(" + picture +
                    u") no-repeat;width:100px!important}",
                active, hoverStart + u";background:url(" + o.value(NavigationHoverPicture) + u")}"};
    }
    return {u"#tab{top:" + top + u"px;left:" + left + u"px}", active,
            hoverStart + u";background:url(" + o.value(NavigationHoverPicture) + u");background-repeat:no-repeat}"};
}

} // namespace

Result<QStringList> generateNavigation(const OptionSet &o)
{
    const QString fontSize = o.value(NavigationFontSize);
    const std::optional<Sizes> sizes = sizesFrom(fontSize);
    if (!sizes)
        return notANumber(u"导航字体大小", fontSize);
    const Sizes &s = *sizes;
    const QString c = colour(o, NavigationColour);
    const TabRules tab = tabRules(o, s, c);

    QString divider, span, secondSpan;
    if (o.isChecked(NavigationHideDividers)) {
        divider = QStringLiteral("#tabline{display:none}");
        span = QStringLiteral("#tab span{display:none}");
        secondSpan = QStringLiteral("#tab2 span{display:none}");
    } else {
        divider = u"#tabline{top:" + o.value(NavigationTop) + u"px;background-color:#" + c + u'}';
        span = u"#tab span{color:#" + c + u";font-size:" + s.f + u"px}";
        secondSpan = u"#tab2 span{color:#" + c + u";font-size:" + s.f + u"px;font-weight:bold;text-decoration:none}";
    }

    return QStringList{
        QString(),
        QStringLiteral("/*导航区域*/"),
        divider + u"\r\n" + tab.row + u"\r\n#tab a{text-align:center}\r\n" + tab.active + u"\r\n" +
            u"#tab a:link,#tab a:visited{text-decoration:none;color:#" + c + u";font-size:" + s.f2 +
            u"px;line-height:" + s.f7 + u"px}\r\n" + span + u"\r\n" + tab.hover + u"\r\n" + u"#tab2{color:#" + c +
            u";font-size:" + s.f + u"px}\r\n" + secondSpan + u"\r\n" + u"#tab2 a{font-size:" + s.f +
            u"px}\r\n#tab2 a:link{color:#" + c + u"}\r\n#tab2 a:visited{color:#" + c + u'}',
    };
}

} // namespace stylewright
