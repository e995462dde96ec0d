// Latest comments, the comment list with its send form, and the message board ("10.留言评论").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

struct Look {
    QString c;     // text colour
    QString cv;    // visited and hovered links
    QString size;  // font size as typed
    QString title; // font size plus 2
};

// The separator picture shared by the message board and the latest-comments module.
QString separatorPicture(const OptionSet &o)
{
    return o.value(CommentLineHeight) + u"px;background:url(" + o.value(CommentDividerPicture) +
           u");background-repeat:" + o.value(CommentDividerRepeat) + u";background-position:" +
           o.value(CommentDividerPosition) + u'}';
}

QString commentRules(const OptionSet &o, const Look &k)
{
    QString textBox;
    if (o.isChecked(CommentBoxPictureOn)) {
        textBox = u"#spBlogCmtText{background:url(" + o.value(CommentBoxPicture) + u");background-repeat:" +
                  o.value(CommentBoxPictureRepeat) + u";background-position:" + o.value(CommentBoxPicturePosition) +
                  u'}';
    }
    return QStringList{
        u"#m_comment div.item{color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#m_comment div.item a{color:#" + k.c + u";font-size:" + k.size + u"px} ",
        u"#m_comment div.item a:visited{color:#" + k.cv + u'}',
        u"#m_comment div.item a.cnt{color:#" + k.c + u";font-size:" + k.size + u"px;text-decoration:none}",
        u"#m_comment div.item a.cnt:visited{color:#" + k.cv + u";text-decoration:none}",
        u"#m_comment div.item a.cnt:hover{color:#" + k.cv + u";text-decoration:underline}",
        QStringLiteral("#in_comment{width:710px}"),
        u"#in_comment div.tit{color:#" + k.c + u";font-size:" + k.title + u"px;font-weight:bold;line-height:" +
            o.value(ArticleTitleLineHeight) + u"px}",
        u"#in_comment div.user a{color:#" + k.c + u";font-size:" + k.size + u"px;line-height:" + k.size + u"px}",
        u"#in_comment div.user a:visited{color:#" + k.cv + u'}',
        u"#in_comment div.user span.date{color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#in_comment div.desc{color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#in_send div.tit{margin:10px 0 10px 0;color:#" + k.c + u";font-size:" + k.title + u"px;font-weight:bold}",
        textBox,
    }
        .join(u"\r\n");
}

QString messageBoardRules(const OptionSet &o, const Look &k)
{
    const bool picture = o.isChecked(CommentDividerPictureOn);
    QString boardLine;
    QString latestLine;
    if (picture) {
        const QString separator = separatorPicture(o);
        boardLine = u"#in_msg div.line{line-height:" + separator;
        latestLine = u"#m_comment div.line{line-height:" + separator;
    } else {
        // The board's line keeps its own 17px; only the latest-comments line follows the option.
        boardLine = u"#in_msg div.line{margin-top:17px;line-height:17px;border-top:1px solid #" + k.c + u'}';
        latestLine = u"#m_comment div.line{line-height:" + o.value(CommentLineHeight) + u"px;border-top:1px solid #" +
                     k.c + u'}';
    }
    return QStringList{
        u"#in_msg div.tit{margin-bottom:12px;color:#" + k.c + u";font-size:" + k.title + u"px;font-weight:bold}",
        QStringLiteral("#in_msg a{}"),
        QStringLiteral("#in_msg a:hover{}"),
        u"#in_msg .item td.index{width:40px;color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#in_msg .item div.user{width:150px;color:#" + k.c + u'}',
        u"#in_msg .item div.user a{color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#in_msg .item div.user a:visited{color:#" + k.cv + u'}',
        u"#in_msg .item div.user a:hover{color:#" + k.cv + u'}',
        QStringLiteral("#in_msg .item div.user img{margin-bottom:5px}"),
        u"#in_msg .item td.cnt a{color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#in_msg .item td.cnt a:visited{color:#" + k.cv + u'}',
        u"#in_msg .item td.cnt a:hover{color:#" + k.cv + u'}',
        u"#in_msg span.date{color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#in_msg div.desc{margin-top:5px;color:#" + k.c + u";font-size:" + k.size + u"px}",
        boardLine,
        latestLine,
    }
        .join(u"\r\n");
}

} // namespace

Result<QStringList> generateComments(const OptionSet &o)
{
    const QString size = o.value(CommentFontSize);
    const std::optional<QString> title = addToDecimal(size, 2);
    if (!title)
        return notANumber(u"留言评论字体大小", size);
    const Look look{colour(o, CommentColour), colour(o, CommentVisitedColour), size, *title};
    return QStringList{
        QStringLiteral("\r\n/*最新评论*/"),
        commentRules(o, look),
        QStringLiteral("\r\n/*留言板*/"),
        messageBoardRules(o, look),
    };
}

} // namespace stylewright
