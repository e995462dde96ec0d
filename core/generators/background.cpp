// Page background, body width, main area and column layout ("1.整体背景").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

QString bodyRule(const OptionSet &o)
{
    const QString c = colour(o, PageBackgroundColour);
    const QString cursor = o.value(Cursor);
    const bool cursorOn = o.isChecked(CursorOn);
    const bool cursorIsUrl = cursor.startsWith(u"http"); // case-sensitive, as the service expects

    if (!o.isChecked(PagePictureOn)) {
        if (!cursorOn)
            return u"body{background-color:#" + c + u'}';
        if (cursorIsUrl)
            return u"body{background-color:#" + c + u";CURSOR:url('" + cursor + u"')} ";
        return u"body{background-color:#" + c + u";CURSOR:" + cursor + u'}';
    }
    const QString picture = u"body{background:url(" + o.value(PagePicture) + u") #" + c + u";background-repeat:" +
                            o.value(PagePictureRepeat) + u";background-position:" + o.value(PagePicturePosition) +
                            u";background-attachment:fixed";
    if (!cursorOn)
        return picture + u'}';
    if (!cursorIsUrl)
        return picture + u";CURSOR:" + cursor + u'}';
    // Only the picture variant without "固定背景" closes the cursor rule without a trailing blank.
    return picture + u";CURSOR:url('" + cursor + (o.isChecked(PageBackgroundFixed) ? u"')} " : u"')}");
}

QString widthRule(const OptionSet &o)
{
    return o.isChecked(BodyWidthOn) ? u"#main{width:" + o.value(BodyWidth) + u"px!important}" : QString();
}

QString mainAreaRule(const OptionSet &o)
{
    const QString start = u".stage{text-align:" + o.value(MainAlignment).mid(4); // after the label "主体位置"
    const QString c = colour(o, PageBackgroundColour);
    const QString placement = u"position:absolute;top:" + o.value(MainScrollTop) + u"px!important; left:" +
                              o.value(MainScrollLeft) + u"px!important;width:" + o.value(MainScrollWidth) +
                              u"px!important;height:" + o.value(MainScrollHeight) + u"px!important;overflow:auto}";
    const bool scroll = o.isChecked(MainScrollOn);
    const bool transparent = o.isChecked(MainTransparencyOn);
    const bool picture = o.isChecked(MainPictureOn);

    if (transparent) {
        if (scroll)
            return start + u";background:transparent;" + placement;
        return start + u";background-color:#" + c + u";filter:alpha(opacity=" + o.value(MainTransparency) + u")}";
    }
    if (picture) {
        const QString withPicture = start + u";background:url(" + o.value(MainPicture) + u") #" + c +
                                    u";background-repeat:" + o.value(MainPictureRepeat);
        if (scroll)
            return withPicture + u';' + placement; // the placement takes the position's place
        return withPicture + u";background-position:" + o.value(MainPicturePosition) + u'}';
    }
    if (scroll)
        return start + u";background-color:#" + c + u';' + placement;
    return start + u";background-color:#" + c + u'}';
}

QString columnRules(const OptionSet &o)
{
    const QString layout = o.value(ColumnLayout);
    const QString total = u"#layout{width:" + o.value(ColumnsTotalWidth) + u"px}\r\n";
    const QString first = o.value(FirstColumnWidth);
    const QString second = o.value(SecondColumnWidth);
    if (layout == u"分两栏") {
        return total + u"#layout td.c2t1{width:" + first + u"px}\r\n#layout td.c2t2{display:none}\r\n" +
               u"#layout td.c2t3{width:" + second + u"px}";
    }
    if (layout == u"分三栏") {
        return total + u"#layout td.c2t1{width:" + first + u"px}\r\n#layout td.c2t2{width:" + second + u"px}\r\n" +
               u"#layout td.c2t3{width:" + o.value(ThirdColumnWidth) + u"px}";
    }
    if (layout == u"单栏(不分)") {
        return total + u"#layout td.c2t1{width:" + o.value(ColumnsTotalWidth) + u"px}\r\n" +
               u"#layout td.c2t2{display:none}\r\n#layout td.c2t3{display:none}";
    }
    return {}; // "默认分栏" and any other text keep the service's columns
}

} // namespace

Result<QStringList> generateBackground(const OptionSet &o)
{
    return QStringList{
        QStringLiteral("/*背景区域*/"),         bodyRule(o),     QStringLiteral("\r\n/*空间宽度*/"), widthRule(o),
        QStringLiteral("\r\n/*主体区域背景*/"), mainAreaRule(o), QStringLiteral("\r\n/*分栏设置*/"), columnRules(o),
    };
}

} // namespace stylewright
