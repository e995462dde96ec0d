// Links module and friends list ("9.我的好友").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

struct LinksOptions {
    QString colour, visitedColour, fontSize; // of both modules
    bool scrollOn;
    QString scrollHeight;
    bool pictureOn; // behind each link
    QString picture, pictureRepeat;
    bool dividerPictureOn;
    QString dividerPicture, dividerRepeat;
    QString lineHeight; // of the links' divider, and of each link over its picture
    bool friendsDividerPictureOn;
    QString friendsDividerPicture, friendsDividerRepeat, friendsDividerLineHeight;
};

LinksOptions readOptions(const OptionSet &o)
{
    return {.colour = colour(o, LinksColour),
            .visitedColour = colour(o, LinksVisitedColour),
            .fontSize = o.value(LinksFontSize),
            .scrollOn = o.isChecked(LinksScrollOn),
            .scrollHeight = o.value(LinksScrollHeight),
            .pictureOn = o.isChecked(LinksPictureOn),
            .picture = o.value(LinksPicture),
            .pictureRepeat = o.value(LinksPictureRepeat),
            .dividerPictureOn = o.isChecked(LinksDividerPictureOn),
            .dividerPicture = o.value(LinksDividerPicture),
            .dividerRepeat = o.value(LinksDividerRepeat),
            .lineHeight = o.value(LinksDividerLineHeight),
            .friendsDividerPictureOn = o.isChecked(FriendsDividerPictureOn),
            .friendsDividerPicture = o.value(FriendsDividerPicture),
            .friendsDividerRepeat = o.value(FriendsDividerRepeat),
            .friendsDividerLineHeight = o.value(FriendsDividerLineHeight)};
}

QString linkRules(const LinksOptions &links)
{
    QString scroll;
    if (links.scrollOn)
        scroll = u"#m_links{overflow-y:auto;height:" + links.scrollHeight + u"px}";
    QString item = u"#m_links div.item{color:#" + links.colour + u";font-size:" + links.fontSize;
    if (links.pictureOn) {
        item += u"px;line-height:" + links.lineHeight + u"px;background:url(" + links.picture +
                u");background-repeat:" + links.pictureRepeat + u'}';
    } else {
        item += u"px}";
    }
    QString divider = u"#m_links div.line{line-height:" + links.lineHeight;
    if (links.dividerPictureOn)
        divider += u"px;background:url(" + links.dividerPicture + u");background-repeat:" + links.dividerRepeat + u'}';
    else
        divider += u"px;border-top:1px solid #" + links.colour + u"} ";
    return QStringList{
        scroll,
        item,
        u"#m_links div.item a{color:#" + links.colour + u";font-size:" + links.fontSize + u"px;text-decoration:none}",
        u"#m_links div.item a:visited{color:#" + links.visitedColour + u'}',
        divider,
    }
        .join(u"\r\n");
}

QString friendRules(const LinksOptions &links)
{
    QString divider = u"#m_friend div.line{line-height:" + links.friendsDividerLineHeight;
    if (links.friendsDividerPictureOn) {
        divider += u"px;background:url(" + links.friendsDividerPicture + u");background-repeat:" +
                   links.friendsDividerRepeat + u'}';
    } else {
        divider += u"px;border-top:1px solid #" + links.colour + u'}';
    }
    return QStringList{
        u"#m_friend div.user{margin-top:4px;color:#" + links.colour + u";font-size:" + links.fontSize + u"px}",
        u"#m_friend div.user a{color:#" + links.colour + u";font-size:" + links.fontSize + u"px}",
        u"#m_friend div.user a:visited{color:#" + links.visitedColour + u'}',
        divider,
    }
        .join(u"\r\n");
}

} // namespace

Result<QStringList> generateLinks(const OptionSet &o)
{
    const LinksOptions links = readOptions(o);
    return QStringList{
        QStringLiteral("\r\n/*友情链接*/"),
        linkRules(links),
        QStringLiteral("\r\n/*好友列表*/"),
        friendRules(links),
    };
}

} // namespace stylewright
