// Profile, activity on the service, hobbies and personal info ("7.个人档案").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

QString profileRules(const OptionSet &o, const QString &c)
{
    const QString side = o.value(ProfilePortraitSize); // the portrait is square
    QString userLine;
    if (o.isChecked(ProfilePictureOn)) {
        userLine = u"#m_pro div.act{background:url(" + o.value(ProfilePicture) +
                   u");background-repeat:no-repeat;background-position:top left;padding-bottom:" +
                   o.value(ProfilePictureHeight) + u"px}";
    } else {
        userLine = u"#m_pro div.user{margin-top:10px;color:#" + c + u";font-size:" + o.value(ProfileFontSize) +
                   u"px;font-weight:bold}";
    }
    return QStringList{
        QStringLiteral("#m_pro{margin-left:10px;margin-bottom:15px}"),
        QStringLiteral("#mod_profile.modth{display:none}"),
        u"#mod_profile.modbox{border:0px solid #" + c + u'}',
        u"#m_pro.portrait{width:" + side + u"px!important;height:" + side +
            u"px!important;background:transparent;padding-top:0px}",
        u"#m_pro.portrait img{width:" + side + u"px!important}",
        u"#m_pro.userinfo{width:" + side + u"px!important;height:" + side +
            u"px!important;overflow:hidden!important;background-color:#" + c + u'}',
        userLine,
        u"#m_pro.userinfo nobr{color:#" + c + u"!important}",
        QStringLiteral("#m_pro.userinfo nobr img{display:none}"),
        QStringLiteral("#m_pro.line{}"),
        u"#m_pro div.act a,#m_pro div.act a:visited{color:#" + c + u";text-decoration:underline}",
        u"#m_pro a.btfan{color:#" + c + u";background:transparent;text-decoration:none!important;border:1px solid #" +
            c + u'}',
        QStringLiteral("#m_pro a.btfan img{FILTER: "
                       "progid:DXImageTransform.Microsoft.Alpha(opacity=100,finishopacity=0,style=0)}"),
    }
        .join(u"\r\n");
}

QString activityRules(const OptionSet &o, const QString &c)
{
    return QStringList{
        u"#mod_inmoyan ul{padding:0;margin:0;margin-top:5px;border-bottom:1px dotted #" + c + u'}',
        u"#mod_inmoyan.title{color:#" + c + u";font-size:" + o.value(ProfileFontSize) +
            u"px;list-style:none;padding-bottom:5px}",
        u"#mod_inmoyan.list{color:#" + c + u";border-bottom:1px solid #" + c + u";margin-top:5px;margin-left:15px}",
        u"#mod_inmoyan.list a{color:#" + c + u";text-decoration:none}",
        u"#mod_inmoyan.noContent{color:#" + c + u";list-style:none;padding-bottom:5px}",
        // Kept byte for byte (shorter id, blank before the class) so new blocks match earlier ones.
        QStringLiteral("#mod_inmoya .qzContent{list-style:none;padding-bottom:5px}"),
    }
        .join(u"\r\n");
}

QString hobbyRules(const OptionSet &o, const QString &c, const QString &cv)
{
    return QStringList{
        u"#mod_hobby{color:#" + c + u'}',
        u"#m_hobby span.title{font-size:" + o.value(ProfileFontSize) + u"px;color:#" + c + u'}',
        u"#m_hobby span.colon{color:#" + c + u'}',
        u"#m_hobby a{color:#" + c + u'}',
        u"#m_hobby a:hover{color:#" + cv + u'}',
    }
        .join(u"\r\n");
}

QString infoRules(const QString &c, const QString &cv)
{
    return QStringList{
        u"#mod_info span.modtit{color:#" + c + u'}',
        u"#m_info td.tit{color:#" + c + u'}',
        u"#m_info td{color:#" + c + u'}',
        u"#m_info td a:link{color:#" + c + u'}',
        u"#m_info td a:visited{color:#" + cv + u'}',
        u"#m_info td a:hover{color:#" + cv + u'}',
        u"#m_info td a:active{color:#" + c + u'}',
    }
        .join(u"\r\n");
}

} // namespace

Result<QStringList> generateProfile(const OptionSet &o)
{
    const QString c = colour(o, ProfileColour);
    const QString cv = colour(o, ProfileVisitedColour);
    return QStringList{
        QStringLiteral("\r\n/*个人档案*/"), profileRules(o, c),
        QStringLiteral("\r\n/*我在墨檐*/"), activityRules(o, c),
        QStringLiteral("\r\n/*我的爱好*/"), hobbyRules(o, c, cv),
        QStringLiteral("\r\n/*我的资料*/"), infoRules(c, cv),
    };
}

} // namespace stylewright
