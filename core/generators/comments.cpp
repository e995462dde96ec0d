// Latest comments, the comment list with its send form, and the message board ("10.留言评论").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

struct CommentOptions {
    QString colour;          // text, links and divider lines
    QString visitedColour;   // visited and hovered links
    QString fontSize;        // as typed
    QString titleSize;       // font + 2: the headings of the comment list, the send form and the board
    QString titleLineHeight; // the article tab's title line height, which the comment list's heading shares
    QString lineHeight;      // of the latest-comments divider
    bool dividerPictureOn;
    QString dividerPicture, dividerRepeat, dividerPosition;
    bool boxPictureOn; // behind the comment text box
    QString boxPicture, boxPictureRepeat, boxPicturePosition;
};

Result<CommentOptions> readOptions(const OptionSet &o)
{
    const QString fontSize = o.value(CommentFontSize);
    const std::optional<QString> titleSize = addToDecimal(fontSize, 2);
    if (!titleSize)
        return notANumber(u"留言评论字体大小", fontSize);
    return CommentOptions{.colour = colour(o, CommentColour),
                          .visitedColour = colour(o, CommentVisitedColour),
                          .fontSize = fontSize,
                          .titleSize = *titleSize,
                          .titleLineHeight = o.value(ArticleTitleLineHeight),
                          .lineHeight = o.value(CommentLineHeight),
                          .dividerPictureOn = o.isChecked(CommentDividerPictureOn),
                          .dividerPicture = o.value(CommentDividerPicture),
                          .dividerRepeat = o.value(CommentDividerRepeat),
                          .dividerPosition = o.value(CommentDividerPosition),
                          .boxPictureOn = o.isChecked(CommentBoxPictureOn),
                          .boxPicture = o.value(CommentBoxPicture),
                          .boxPictureRepeat = o.value(CommentBoxPictureRepeat),
                          .boxPicturePosition = o.value(CommentBoxPicturePosition)};
}

QString commentRules(const CommentOptions &look)
{
    QString textBox;
    if (look.boxPictureOn) {
        textBox = u"#spBlogCmtText{background:url(" + look.boxPicture + u");background-repeat:" +
                  look.boxPictureRepeat + u";background-position:" + look.boxPicturePosition + u'}';
    }
    return QStringList{
        u"#m_comment div.item{color:#" + look.colour + u";font-size:" + look.fontSize + u"px}",
        u"#m_comment div.item a{color:#" + look.colour + u";font-size:" + look.fontSize + u"px} ",
        u"#m_comment div.item a:visited{color:#" + look.visitedColour + u'}',
        u"#m_comment div.item a.cnt{color:#" + look.colour + u";font-size:" + look.fontSize +
            u"px;text-decoration:none}",
        u"#m_comment div.item a.cnt:visited{color:#" + look.visitedColour + u";text-decoration:none}",
        u"#m_comment div.item a.cnt:hover{color:#" + look.visitedColour + u";text-decoration:underline}",
        QStringLiteral("#in_comment{width:710px}"),
        u"#in_comment div.tit{color:#" + look.colour + u";font-size:" + look.titleSize +
            u"px;font-weight:bold;line-height:" + look.titleLineHeight + u"px}",
        u"#in_comment div.user a{color:#" + look.colour + u";font-size:" + look.fontSize + u"px;line-height:" +
            look.fontSize + u"px}",
        u"#in_comment div.user a:visited{color:#" + look.visitedColour + u'}',
        u"#in_comment div.user span.date{color:#" + look.colour + u";font-size:" + look.fontSize + u"px}",
        u"#in_comment div.desc{color:#" + look.colour + u";font-size:" + look.fontSize + u"px}",
        u"#in_send div.tit{margin:10px 0 10px 0;color:#" + look.colour + u";font-size:" + look.titleSize +
            u"px;font-weight:bold}",
        textBox,
    }
        .join(u"\r\n");
}

// The divider lines of the message board and of the latest-comments module.
QStringList dividerRules(const CommentOptions &look)
{
    if (look.dividerPictureOn) {
        const QString picture = look.lineHeight + u"px;background:url(" + look.dividerPicture +
                                u");background-repeat:" + look.dividerRepeat + u";background-position:" +
                                look.dividerPosition + u'}';
        return {u"#in_msg div.line{line-height:" + picture, u"#m_comment div.line{line-height:" + picture};
    }
    // The board's line keeps its own 17px; only the latest-comments line follows the option.
    return {u"#in_msg div.line{margin-top:17px;line-height:17px;border-top:1px solid #" + look.colour + u'}',
            u"#m_comment div.line{line-height:" + look.lineHeight + u"px;border-top:1px solid #" + look.colour + u'}'};
}

QString messageBoardRules(const CommentOptions &look)
{
    QStringList rules{
        u"#in_msg div.tit{margin-bottom:12px;color:#" + look.colour + u";font-size:" + look.titleSize +
            u"px;font-weight:bold}",
        QStringLiteral("#in_msg a{}"),
        QStringLiteral("#in_msg a:hover{}"),
        u"#in_msg .item td.index{width:40px;color:#" + look.colour + u";font-size:" + look.fontSize + u"px}",
        u"#in_msg .item div.user{width:150px;color:#" + look.colour + u'}',
        u"#in_msg .item div.user a{color:#" + look.colour + u";font-size:" + look.fontSize + u"px}",
        u"#in_msg .item div.user a:visited{color:#" + look.visitedColour + u'}',
        u"#in_msg .item div.user a:hover{color:#" + look.visitedColour + u'}',
        QStringLiteral("#in_msg .item div.user img{margin-bottom:5px}"),
        u"#in_msg .item td.cnt a{color:#" + look.colour + u";font-size:" + look.fontSize + u"px}",
        u"#in_msg .item td.cnt a:visited{color:#" + look.visitedColour + u'}',
        u"#in_msg .item td.cnt a:hover{color:#" + look.visitedColour + u'}',
        u"#in_msg span.date{color:#" + look.colour + u";font-size:" + look.fontSize + u"px}",
        u"#in_msg div.desc{margin-top:5px;color:#" + look.colour + u";font-size:" + look.fontSize + u"px}",
    };
    rules += dividerRules(look);
    return rules.join(u"\r\n");
}

} // namespace

Result<QStringList> generateComments(const OptionSet &o)
{
    const Result<CommentOptions> look = readOptions(o);
    if (!look)
        return look.failure();
    return QStringList{
        QStringLiteral("\r\n/*最新评论*/"),
        commentRules(*look),
        QStringLiteral("\r\n/*留言板*/"),
        messageBoardRules(*look),
    };
}

} // namespace stylewright
