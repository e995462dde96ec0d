// Page background, body width, main area and column layout ("1.整体背景").

#include "generators/areas.h"
#include "generators/css_text.h"
#include "options/choices.h"

namespace stylewright {
namespace {

using enum Option;

struct BackgroundOptions {
    QString colour; // the page's, and the main area's behind its picture
    bool pictureOn;
    QString picture, pictureRepeat, picturePosition;
    bool pictureFixed;
    bool cursorOn;
    QString cursor; // a cursor name or a picture address
    bool widthOn;
    QString width;
    QString mainAlignment; // the CSS value, without the item's label
    bool mainTransparencyOn;
    QString mainTransparency;
    bool mainPictureOn;
    QString mainPicture, mainPictureRepeat, mainPicturePosition;
    bool mainScrollOn;
    QString mainScrollTop, mainScrollLeft, mainScrollWidth, mainScrollHeight;
    std::optional<Columns> columns; // nothing for a text that names no layout
    QString columnsWidth, firstColumnWidth, secondColumnWidth, thirdColumnWidth;
};

BackgroundOptions readOptions(const OptionSet &o)
{
    return {.colour = colour(o, PageBackgroundColour),
            .pictureOn = o.isChecked(PagePictureOn),
            .picture = o.value(PagePicture),
            .pictureRepeat = o.value(PagePictureRepeat),
            .picturePosition = o.value(PagePicturePosition),
            .pictureFixed = o.isChecked(PageBackgroundFixed),
            .cursorOn = o.isChecked(CursorOn),
            .cursor = o.value(Cursor),
            .widthOn = o.isChecked(BodyWidthOn),
            .width = o.value(BodyWidth),
            .mainAlignment = writtenText(MainAlignment, o.value(MainAlignment)),
            .mainTransparencyOn = o.isChecked(MainTransparencyOn),
            .mainTransparency = o.value(MainTransparency),
            .mainPictureOn = o.isChecked(MainPictureOn),
            .mainPicture = o.value(MainPicture),
            .mainPictureRepeat = o.value(MainPictureRepeat),
            .mainPicturePosition = o.value(MainPicturePosition),
            .mainScrollOn = o.isChecked(MainScrollOn),
            .mainScrollTop = o.value(MainScrollTop),
            .mainScrollLeft = o.value(MainScrollLeft),
            .mainScrollWidth = o.value(MainScrollWidth),
            .mainScrollHeight = o.value(MainScrollHeight),
            .columns = columnsNamed(o.value(ColumnLayout)),
            .columnsWidth = o.value(ColumnsTotalWidth),
            .firstColumnWidth = o.value(FirstColumnWidth),
            .secondColumnWidth = o.value(SecondColumnWidth),
            .thirdColumnWidth = o.value(ThirdColumnWidth)};
}

QString bodyRule(const BackgroundOptions &page)
{
    const bool cursorIsAddress = page.cursor.startsWith(kCursorAddressPrefix); // case-sensitive, as the service expects
    if (!page.pictureOn) {
        if (!page.cursorOn)
            return u"body{background-color:#" + page.colour + u'}';
        if (cursorIsAddress)
            return u"body{background-color:#" + page.colour + u";CURSOR:url('" + page.cursor + u"')} ";
        return u"body{background-color:#" + page.colour + u";CURSOR:" + page.cursor + u'}';
    }
    const QString picture = u"body{background:url(" + page.picture + u") #" + page.colour + u";background-repeat:" +
                            page.pictureRepeat + u";background-position:" + page.picturePosition +
                            u";background-attachment:fixed";
    if (!page.cursorOn)
        return picture + u'}';
    if (!cursorIsAddress)
        return picture + u";CURSOR:" + page.cursor + u'}';
    // Only the picture variant without "固定背景" closes the cursor rule without a trailing blank.
    return picture + u";CURSOR:url('" + page.cursor + (page.pictureFixed ? u"')} " : u"')}");
}

QString widthRule(const BackgroundOptions &page)
{
    return page.widthOn ? u"#main{width:" + page.width + u"px!important}" : QString();
}

QString mainAreaRule(const BackgroundOptions &page)
{
    const QString start = u".stage{text-align:" + page.mainAlignment;
    const QString placement = u"position:absolute;top:" + page.mainScrollTop + u"px!important; left:" +
                              page.mainScrollLeft + u"px!important;width:" + page.mainScrollWidth +
                              u"px!important;height:" + page.mainScrollHeight + u"px!important;overflow:auto}";
    if (page.mainTransparencyOn) {
        if (page.mainScrollOn)
            return start + u";background:transparent;" + placement;
        return start + u";background-color:#" + page.colour + u";filter:alpha(opacity=" + page.mainTransparency + u")}";
    }
    if (page.mainPictureOn) {
        const QString withPicture = start + u";background:url(" + page.mainPicture + u") #" + page.colour +
                                    u";background-repeat:" + page.mainPictureRepeat;
        if (page.mainScrollOn)
            return withPicture + u';' + placement; // the placement takes the position's place
        return withPicture + u";background-position:" + page.mainPicturePosition + u'}';
    }
    if (page.mainScrollOn)
        return start + u";background-color:#" + page.colour + u';' + placement;
    return start + u";background-color:#" + page.colour + u'}';
}

QString columnRules(const BackgroundOptions &page)
{
    // "默认分栏" and any text that names no layout keep the service's own columns.
    if (!page.columns || *page.columns == Columns::ServiceDefault)
        return {};
    const QString total = u"#layout{width:" + page.columnsWidth + u"px}\r\n";
    switch (*page.columns) {
    case Columns::Two:
        return total + u"#layout td.c2t1{width:" + page.firstColumnWidth +
               u"px}\r\n#layout td.c2t2{display:none}\r\n#layout td.c2t3{width:" + page.secondColumnWidth + u"px}";
    case Columns::Three:
        return total + u"#layout td.c2t1{width:" + page.firstColumnWidth + u"px}\r\n#layout td.c2t2{width:" +
               page.secondColumnWidth + u"px}\r\n#layout td.c2t3{width:" + page.thirdColumnWidth + u"px}";
    case Columns::Single:
        return total + u"#layout td.c2t1{width:" + page.columnsWidth +
               u"px}\r\n#layout td.c2t2{display:none}\r\n#layout td.c2t3{display:none}";
    case Columns::ServiceDefault:
        break;
    }
    return {};
}

} // namespace

Result<QStringList> generateBackground(const OptionSet &o)
{
    const BackgroundOptions page = readOptions(o);
    return QStringList{
        QStringLiteral("/*背景区域*/"),         bodyRule(page),
        QStringLiteral("\r\n/*空间宽度*/"),     widthRule(page),
        QStringLiteral("\r\n/*主体区域背景*/"), mainAreaRule(page),
        QStringLiteral("\r\n/*分栏设置*/"),     columnRules(page),
    };
}

} // namespace stylewright
