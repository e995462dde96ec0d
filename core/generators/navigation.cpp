// Navigation tabs ("3.导航设置"). Every size of the tab links derives from one font size.

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

struct NavigationOptions {
    bool vertical, hideDividers, picturesOn;
    QString top, left;
    QString picture, hoverPicture; // the active tab's and the hovered tab's
    QString colour;
    QString fontSize;         // of the dividers and the second tab row, as typed
    QString linkSize;         // font + 2: the tab links and the active tab
    QString hoverSize;        // font + 3
    QString linkLineHeight;   // font + 7: the tab links, and the active tab over its picture
    QString hoverLineHeight;  // font + 8
    QString activeLineHeight; // font + 16: the active tab without a picture
};

Result<NavigationOptions> readOptions(const OptionSet &o)
{
    const QString fontSize = o.value(NavigationFontSize);
    const std::optional<QString> linkSize = addToDecimal(fontSize, 2);
    if (!linkSize) // one sum succeeds exactly when every sum does
        return notANumber(u"导航字体大小", fontSize);
    return NavigationOptions{.vertical = o.isChecked(NavigationVertical),
                             .hideDividers = o.isChecked(NavigationHideDividers),
                             .picturesOn = o.isChecked(NavigationPicturesOn),
                             .top = o.value(NavigationTop),
                             .left = o.value(NavigationLeft),
                             .picture = o.value(NavigationPicture),
                             .hoverPicture = o.value(NavigationHoverPicture),
                             .colour = colour(o, NavigationColour),
                             .fontSize = fontSize,
                             .linkSize = *linkSize,
                             .hoverSize = *addToDecimal(fontSize, 3),
                             .linkLineHeight = *addToDecimal(fontSize, 7),
                             .hoverLineHeight = *addToDecimal(fontSize, 8),
                             .activeLineHeight = *addToDecimal(fontSize, 16)};
}

constexpr QStringView kActive = u"#tab a.on,#tab a.on:link,#tab a.on:visited{";
constexpr QStringView kHover = u"#tab a:hover,#tab a.on:hover{";

// Tab row, active tab and hovered tab, which the vertical layout and the pictures shape together.
struct TabRules {
    QString row, active, hover;
};

TabRules tabRules(const NavigationOptions &nav)
{
    const QString hoverStart =
        kHover + u"font-size:" + nav.hoverSize + u"px;line-height:" + nav.hoverLineHeight + u"px";
    const QString activeEnd = u";color:#" + nav.colour + u";font-size:" + nav.linkSize + u"px}";
    const QString position = u"#tab{top:" + nav.top + u"px;left:" + nav.left + u"px";

    if (!nav.picturesOn) {
        if (nav.vertical) {
            return {position + u";width:100px!important}",
                    kActive + u"width:100px!important;line-height:" + nav.activeLineHeight + u"px" + activeEnd,
                    hoverStart + u'}'};
        }
        return {position + u'}', kActive + u"line-height:" + nav.activeLineHeight + u"px" + activeEnd,
                hoverStart + u'}'};
    }
    const QString active = kActive + u"line-height:" + nav.linkLineHeight + u"px;background:url(" + nav.picture +
                           u");background-repeat:no-repeat" + activeEnd;
    if (nav.vertical) {
        // The vertical row repeats the active-tab picture and has its hover picture unrepeated.
        return {u"#tab{top:" + nav.top + u"px;;left:" + nav.left + u"px;background:url(" + nav.picture +
                    u") no-repeat;width:100px!important}",
                active, hoverStart + u";background:url(" + nav.hoverPicture + u")}"};
    }
    return {position + u'}', active,
            hoverStart + u";background:url(" + nav.hoverPicture + u");background-repeat:no-repeat}"};
}

// The divider line and the separators between the tabs of both rows.
struct DividerRules {
    QString line, separator, secondRowSeparator;
};

DividerRules dividerRules(const NavigationOptions &nav)
{
    if (nav.hideDividers) {
        return {QStringLiteral("#tabline{display:none}"), QStringLiteral("#tab span{display:none}"),
                QStringLiteral("#tab2 span{display:none}")};
    }
    return {u"#tabline{top:" + nav.top + u"px;background-color:#" + nav.colour + u'}',
            u"#tab span{color:#" + nav.colour + u";font-size:" + nav.fontSize + u"px}",
            u"#tab2 span{color:#" + nav.colour + u";font-size:" + nav.fontSize +
                u"px;font-weight:bold;text-decoration:none}"};
}

} // namespace

Result<QStringList> generateNavigation(const OptionSet &o)
{
    const Result<NavigationOptions> options = readOptions(o);
    if (!options)
        return options.failure();
    const NavigationOptions &nav = *options;
    const TabRules tab = tabRules(nav);
    const DividerRules divider = dividerRules(nav);

    const QStringList rules{
        divider.line,
        tab.row,
        QStringLiteral("#tab a{text-align:center}"),
        tab.active,
        u"#tab a:link,#tab a:visited{text-decoration:none;color:#" + nav.colour + u";font-size:" + nav.linkSize +
            u"px;line-height:" + nav.linkLineHeight + u"px}",
        divider.separator,
        tab.hover,
        u"#tab2{color:#" + nav.colour + u";font-size:" + nav.fontSize + u"px}",
        divider.secondRowSeparator,
        u"#tab2 a{font-size:" + nav.fontSize + u"px}",
        u"#tab2 a:link{color:#" + nav.colour + u'}',
        u"#tab2 a:visited{color:#" + nav.colour + u'}',
    };
    return QStringList{QString(), QStringLiteral("/*导航区域*/"), rules.join(u"\r\n")};
}

} // namespace stylewright
