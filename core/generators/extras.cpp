// Page-wide extras: footer strip, page numbers, small system modules, search, player, picture
// filter and pet ("11.综合设置").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

struct Look {
    QString c;     // text, link and border colour
    QString cv;    // visited and hovered links
    QString size;  // font size as typed
    QString plus2; // size + 2
    QString plus5; // size + 5
};

QString stripRules(const OptionSet &o, const Look &k)
{
    QString separator;
    if (o.isChecked(ExtrasDividerPictureOn)) {
        separator = u"#comm_info div.line{line-height:" + o.value(ExtrasDividerLineHeight) + u"px;background:url(" +
                    o.value(ExtrasDividerPicture) + u");background-repeat:" + o.value(ExtrasDividerRepeat) +
                    u";background-position:" + o.value(ExtrasDividerPosition) + u'}';
    } else {
        separator = u"#comm_info div.line{margin-top:5px;border-top:1px solid #" + k.c + u'}';
    }
    return QStringList{
        u"#comm_info{color:#" + k.c + u";font-family:Arial;text-align:" + o.value(VisitCountAlignment) + u'}',
        separator,
        u"#comm_info a{color:#" + k.c + u'}',
    }
        .join(u"\r\n");
}

QString pageNumberRules(const OptionSet &o, const Look &k)
{
    return QStringList{
        u"#page{line-height:" + k.plus2 + u"px;font-size:" + k.size + u"px;font-family:Arial;text-align:" +
            o.value(PageNumberAlignment) + u'}',
        u"#page span{color:#" + k.c + u";font-size:" + k.size + u"px;font-weight:bold}",
        u"#page a.pc{color:#" + k.c + u";font-size:" + k.size + u"px;font-weight:bold}",
        u"#page a.pc:visited{color:#" + k.cv + u'}',
        u"#page a.pi{color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#page a.pi:visited{color:#" + k.cv + u'}',
    }
        .join(u"\r\n");
}

QString settingsRules(const Look &k)
{
    return QStringList{
        u"#m_setting a{color:#" + k.c + u'}',
        u"#m_setting a:visited{color:#" + k.cv + u'}',
        u"#m_setting{line-height:" + k.plus5 + u"px;color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#m_setting img.sel{border:4px solid #" + k.c + u'}',
        u"#m_setting img.unsel{border:1px solid #" + k.c + u'}',
        u"#m_setting span.tit{font-size:" + k.size + u"px}",
        u"#m_setting span.usr{color:#" + k.c + u'}',
        u"#m_setting div.sel{padding-top:6px;font-size:" + k.size + u"px;font-weight:bold}",
        u"#m_setting div.line{margin-top:20px;line-height:" + k.plus2 + u"px;border-top:1px solid #" + k.c + u'}',
    }
        .join(u"\r\n");
}

QString announcementRules(const Look &k)
{
    return QStringList{
        u"#m_sysinfo a{color:#" + k.c + u'}',
        u"#m_sysinfo a:visited{color:#" + k.cv + u'}',
        u"#m_sysinfo{line-height:" + k.plus5 + u"px;color:#" + k.c + u";font-size:" + k.size + u"px} ",
        u"#m_sysinfo span.new{color:#" + k.c + u";font-size:" + k.size + u"px;font-family:Arial}",
        u"#m_sysinfo span.date{color:#" + k.c + u";font-size:" + k.size + u"px}",
    }
        .join(u"\r\n");
}

QString basicSettingsRules(const Look &k)
{
    return QStringList{
        u"#m_setbase{color:#" + k.c + u";font-size:" + k.size + u"px} ",
        u"#m_setbase td{color:#" + k.c + u";font-size:" + k.size + u"px;line-height:" + k.plus5 + u"px}",
        u"#m_setbase div.line{margin-top:5px;line-height:8px;border-top:1px solid #" + k.c + u'}',
    }
        .join(u"\r\n");
}

QString visitorRules(const Look &k)
{
    return QStringList{
        u"#m_track {color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#m_track a{color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#m_track a:hover{color:#" + k.cv + u'}',
        QStringLiteral("#m_track a img{filter:gray(enabled=1)}#m_track a:hover img{filter:gray(enabled=0)}"),
    }
        .join(u"\r\n");
}

QString searchRules(const OptionSet &o, const Look &k)
{
    QString radio;
    if (o.isChecked(SearchPictureOn))
        radio = u"#m_search input.radio{background:url(" + o.value(SearchPicture) + u")}";
    else
        radio = u"#m_search input.radio{background-color:#" + colour(o, SearchColour) + u'}';
    return QStringList{
        u"#m_search {color:#" + k.c + u";font-size:" + k.size + u"px}",
        u"#m_search input.text{color:#" + k.c + u";font-size:" + k.size + u"px}",
        radio,
        u"#m_search input.submit{color:#" + colour(o, SearchButtonColour) + u";font-size:12px;}",
    }
        .join(u"\r\n");
}

QString playerRules(const OptionSet &o)
{
    const QString style = o.value(PlayerStyle);
    if (style == u"隐藏")
        return QStringLiteral("#mod_bgmusic{display:none}");
    if (style == u"滤镜") {
        return QStringLiteral("#mod_bgmusic{display:block; no-repeat top right}\r\n"
                              "#phx{FILTER:Alpha(Opacity=100,FinishOpacity=10,Style=2,StartX=20,StartY=40,"
                              "FinishX=0,FinishY=0) gray;WIDTH:200px;HEIGHT:32px}");
    }
    return {}; // "默认" and any other text leave the player alone
}

QString pictureEffectRules(const OptionSet &o)
{
    if (!o.isChecked(PictureFilterOn))
        return {};
    return u"A IMG {FILTER: progid:DXImageTransform.Microsoft.Alpha(opacity=100,finishopacity=0,style=" +
           rightChars(o.value(PictureFilter), 1) +
           u")}\r\nA:hover IMG {FILTER: progid:DXImageTransform.Microsoft.Alpha(opacity=100)}";
}

QString petRules(const OptionSet &o)
{
    const QString size = o.value(PetSize);
    if (size == u"隐藏宠物")
        return QStringLiteral("#petObject {display:none}");
    if (size == u"默认大小")
        return {};
    return u"#petObject {width:" + size + u"px!important;height:" + size + u"px!important}";
}

} // namespace

Result<QStringList> generateExtras(const OptionSet &o)
{
    const QString size = o.value(ExtrasFontSize);
    const std::optional<QString> plus2 = addToDecimal(size, 2);
    const std::optional<QString> plus5 = addToDecimal(size, 5);
    if (!plus2 || !plus5)
        return notANumber(u"综合设置字体大小", size);
    const Look look{colour(o, ExtrasColour), colour(o, ExtrasVisitedColour), size, *plus2, *plus5};
    return QStringList{
        QStringLiteral("\r\n/*导航菜单与版权信息之间的区域*/"),
        stripRules(o, look),
        QStringLiteral("\r\n/*页码区域*/"),
        pageNumberRules(o, look),
        u"\r\n/*访问统计、模板设置*/\r\n" + settingsRules(look),
        u"\r\n/*系统公告*/\r\n" + announcementRules(look),
        u"\r\n/*基本设置*/\r\n" + basicSettingsRules(look),
        u"\r\n/*最近访客*/\r\n" + visitorRules(look),
        u"\r\n/*搜索模块*/\r\n" + searchRules(o, look),
        u"\r\n/*播放器特效*/\r\n" + playerRules(o),
        u"\r\n/*光晕特效*/\r\n" + pictureEffectRules(o),
        u"\r\n/*宠物设置*/\r\n" + petRules(o),
    };
}

} // namespace stylewright
