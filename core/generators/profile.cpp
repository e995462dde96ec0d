// Profile, activity on the service, hobbies and personal info ("7.个人档案").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

struct ProfileOptions {
    QString colour;        // text, links and borders of all four modules
    QString visitedColour; // visited and hovered links
    QString fontSize;
    QString portraitSize; // the portrait is square
    bool pictureOn;       // a picture behind the activity line replaces the user line's look
    QString picture, pictureHeight;
};

ProfileOptions readOptions(const OptionSet &o)
{
    return {.colour = colour(o, ProfileColour),
            .visitedColour = colour(o, ProfileVisitedColour),
            .fontSize = o.value(ProfileFontSize),
            .portraitSize = o.value(ProfilePortraitSize),
            .pictureOn = o.isChecked(ProfilePictureOn),
            .picture = o.value(ProfilePicture),
            .pictureHeight = o.value(ProfilePictureHeight)};
}

QString profileRules(const ProfileOptions &profile)
{
    const QString &side = profile.portraitSize;
    QString userLine;
    if (profile.pictureOn) {
        userLine = u"#m_pro div.act{background:url(" + profile.picture +
                   u");background-repeat:no-repeat;background-position:top left;padding-bottom:" +
                   profile.pictureHeight + u"px}";
    } else {
        userLine = u"#m_pro div.user{margin-top:10px;color:#" + profile.colour + u";font-size:" + profile.fontSize +
                   u"px;font-weight:bold}";
    }
    return QStringList{
        QStringLiteral("#m_pro{margin-left:10px;margin-bottom:15px}"),
        QStringLiteral("#mod_profile.modth{display:none}"),
        u"#mod_profile.modbox{border:0px solid #" + profile.colour + u'}',
        u"#m_pro.portrait{width:" + side + u"px!important;height:" + side +
            u"px!important;background:transparent;padding-top:0px}",
        u"#m_pro.portrait img{width:" + side + u"px!important}",
        u"#m_pro.userinfo{width:" + side + u"px!important;height:" + side +
            u"px!important;overflow:hidden!important;background-color:#" + profile.colour + u'}',
        userLine,
        u"#m_pro.userinfo nobr{color:#" + profile.colour + u"!important}",
        QStringLiteral("#m_pro.userinfo nobr img{display:none}"),
        QStringLiteral("#m_pro.line{}"),
        u"#m_pro div.act a,#m_pro div.act a:visited{color:#" + profile.colour + u";text-decoration:underline}",
        u"#m_pro a.btfan{color:#" + profile.colour +
            u";background:transparent;text-decoration:none!important;border:1px solid #" + profile.colour + u'}',
        QStringLiteral("#m_pro a.btfan img{FILTER: "
                       "progid:DXImageTransform.Microsoft.Alpha(opacity=100,finishopacity=0,style=0)}"),
    }
        .join(u"\r\n");
}

QString activityRules(const ProfileOptions &profile)
{
    return QStringList{
        u"#mod_inmoyan ul{padding:0;margin:0;margin-top:5px;border-bottom:1px dotted #" + profile.colour + u'}',
        u"#mod_inmoyan.title{color:#" + profile.colour + u";font-size:" + profile.fontSize +
            u"px;list-style:none;padding-bottom:5px}",
        u"#mod_inmoyan.list{color:#" + profile.colour + u";border-bottom:1px solid #" + profile.colour +
            u";margin-top:5px;margin-left:15px}",
        u"#mod_inmoyan.list a{color:#" + profile.colour + u";text-decoration:none}",
        u"#mod_inmoyan.noContent{color:#" + profile.colour + u";list-style:none;padding-bottom:5px}",
        // Kept byte for byte (shorter id, blank before the class) so new blocks match earlier ones.
        QStringLiteral("#mod_inmoya .qzContent{list-style:none;padding-bottom:5px}"),
    }
        .join(u"\r\n");
}

QString hobbyRules(const ProfileOptions &profile)
{
    return QStringList{
        u"#mod_hobby{color:#" + profile.colour + u'}',
        u"#m_hobby span.title{font-size:" + profile.fontSize + u"px;color:#" + profile.colour + u'}',
        u"#m_hobby span.colon{color:#" + profile.colour + u'}',
        u"#m_hobby a{color:#" + profile.colour + u'}',
        u"#m_hobby a:hover{color:#" + profile.visitedColour + u'}',
    }
        .join(u"\r\n");
}

QString infoRules(const ProfileOptions &profile)
{
    return QStringList{
        u"#mod_info span.modtit{color:#" + profile.colour + u'}',
        u"#m_info td.tit{color:#" + profile.colour + u'}',
        u"#m_info td{color:#" + profile.colour + u'}',
        u"#m_info td a:link{color:#" + profile.colour + u'}',
        u"#m_info td a:visited{color:#" + profile.visitedColour + u'}',
        u"#m_info td a:hover{color:#" + profile.visitedColour + u'}',
        u"#m_info td a:active{color:#" + profile.colour + u'}',
    }
        .join(u"\r\n");
}

} // namespace

Result<QStringList> generateProfile(const OptionSet &o)
{
    const ProfileOptions profile = readOptions(o);
    return QStringList{
        QStringLiteral("\r\n/*个人档案*/"), profileRules(profile),
        QStringLiteral("\r\n/*我在墨檐*/"), activityRules(profile),
        QStringLiteral("\r\n/*我的爱好*/"), hobbyRules(profile),
        QStringLiteral("\r\n/*我的资料*/"), infoRules(profile),
    };
}

} // namespace stylewright
