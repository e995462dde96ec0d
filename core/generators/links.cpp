// Links module and friends list ("9.我的好友").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

QString linkRules(const OptionSet &o, const QString &c, const QString &cv, const QString &size)
{
    const QString lineHeight = o.value(LinksDividerLineHeight);
    QString scroll;
    if (o.isChecked(LinksScrollOn))
        scroll = u"#m_links{overflow-y:auto;height:" + o.value(LinksScrollHeight) + u"px}";
    QString item = u"#m_links div.item{color:#" + c + u";font-size:" + size;
    if (o.isChecked(LinksPictureOn)) {
        item += u"px;line-height:" + lineHeight + u"px;background:url(" + o.value(LinksPicture) +
                u");background-repeat:" + o.value(LinksPictureRepeat) + u'}';
    } else {
        item += u"px}";
    }
    QString separator;
    if (o.isChecked(LinksDividerPictureOn)) {
        separator = u"#m_links div.line{line-height:" + lineHeight + u"px;background:url(" +
                    o.value(LinksDividerPicture) + u");background-repeat:" + o.value(LinksDividerRepeat) + u'}';
    } else {
        separator = u"#m_links div.line{line-height:" + lineHeight + u"px;border-top:1px solid #" + c + u"} ";
    }
    return QStringList{
        scroll,
        item,
        u"#m_links div.item a{color:#" + c + u";font-size:" + size + u"px;text-decoration:none}",
        u"#m_links div.item a:visited{color:#" + cv + u'}',
        separator,
    }
        .join(u"\r\n");
}

QString friendRules(const OptionSet &o, const QString &c, const QString &cv, const QString &size)
{
    QString separator = u"#m_friend div.line{line-height:" + o.value(FriendsDividerLineHeight);
    if (o.isChecked(FriendsDividerPictureOn)) {
        separator += u"px;background:url(" + o.value(FriendsDividerPicture) + u");background-repeat:" +
                     o.value(FriendsDividerRepeat) + u'}';
    } else {
        separator += u"px;border-top:1px solid #" + c + u'}';
    }
    return QStringList{
        u"#m_friend div.user{margin-top:4px;color:#" + c + u";font-size:" + size + u"px}",
        u"#m_friend div.user a{color:#" + c + u";font-size:" + size + u"px}",
        u"#m_friend div.user a:visited{color:#" + cv + u'}',
        separator,
    }
        .join(u"\r\n");
}

} // namespace

Result<QStringList> generateLinks(const OptionSet &o)
{
    const QString c = colour(o, LinksColour);
    const QString cv = colour(o, LinksVisitedColour);
    const QString size = o.value(LinksFontSize);
    return QStringList{
        QStringLiteral("\r\n/*友情链接*/"),
        linkRules(o, c, cv, size),
        QStringLiteral("\r\n/*好友列表*/"),
        friendRules(o, c, cv, size),
    };
}

} // namespace stylewright
