// Page-wide extras: footer strip, page numbers, small system modules, search, player, picture
// filter and pet ("11.综合设置").

#include "generators/areas.h"
#include "generators/css_text.h"
#include "options/choices.h"

namespace stylewright {
namespace {

using enum Option;

struct ExtrasOptions {
    QString colour;           // text, links and borders
    QString visitedColour;    // visited and hovered links
    QString fontSize;         // as typed
    QString lineHeight;       // font + 2: the page numbers and the settings module's divider
    QString moduleLineHeight; // font + 5: the text of the small system modules
    bool dividerPictureOn;    // the footer strip's divider
    QString dividerPicture, dividerLineHeight, dividerRepeat, dividerPosition;
    QString visitCountAlignment, pageNumberAlignment;
    std::optional<PlayerLook> playerLook; // nothing for a text that names no look
    bool pictureFilterOn;
    QString pictureFilterStyle; // the last character of the chosen filter
    QString searchColour, searchButtonColour;
    bool searchPictureOn;
    QString searchPicture;
    QString petSize; // pixels, kHiddenPet or kDefaultPetSize
};

Result<ExtrasOptions> readOptions(const OptionSet &o)
{
    const QString fontSize = o.value(ExtrasFontSize);
    const std::optional<QString> lineHeight = addToDecimal(fontSize, 2);
    const std::optional<QString> moduleLineHeight = addToDecimal(fontSize, 5);
    if (!lineHeight || !moduleLineHeight)
        return notANumber(u"综合设置字体大小", fontSize);
    return ExtrasOptions{.colour = colour(o, ExtrasColour),
                         .visitedColour = colour(o, ExtrasVisitedColour),
                         .fontSize = fontSize,
                         .lineHeight = *lineHeight,
                         .moduleLineHeight = *moduleLineHeight,
                         .dividerPictureOn = o.isChecked(ExtrasDividerPictureOn),
                         .dividerPicture = o.value(ExtrasDividerPicture),
                         .dividerLineHeight = o.value(ExtrasDividerLineHeight),
                         .dividerRepeat = o.value(ExtrasDividerRepeat),
                         .dividerPosition = o.value(ExtrasDividerPosition),
                         .visitCountAlignment = o.value(VisitCountAlignment),
                         .pageNumberAlignment = o.value(PageNumberAlignment),
                         .playerLook = playerLookNamed(o.value(PlayerStyle)),
                         .pictureFilterOn = o.isChecked(PictureFilterOn),
                         .pictureFilterStyle = writtenText(PictureFilter, o.value(PictureFilter)),
                         .searchColour = colour(o, SearchColour),
                         .searchButtonColour = colour(o, SearchButtonColour),
                         .searchPictureOn = o.isChecked(SearchPictureOn),
                         .searchPicture = o.value(SearchPicture),
                         .petSize = o.value(PetSize)};
}

QString stripRules(const ExtrasOptions &extras)
{
    QString divider;
    if (extras.dividerPictureOn) {
        divider = u"#comm_info div.line{line-height:" + extras.dividerLineHeight + u"px;background:url(" +
                  extras.dividerPicture + u");background-repeat:" + extras.dividerRepeat + u";background-position:" +
                  extras.dividerPosition + u'}';
    } else {
        divider = u"#comm_info div.line{margin-top:5px;border-top:1px solid #" + extras.colour + u'}';
    }
    return QStringList{
        u"#comm_info{color:#" + extras.colour + u";font-family:Arial;text-align:" + extras.visitCountAlignment + u'}',
        divider,
        u"#comm_info a{color:#" + extras.colour + u'}',
    }
        .join(u"\r\n");
}

QString pageNumberRules(const ExtrasOptions &extras)
{
    return QStringList{
        u"#page{line-height:" + extras.lineHeight + u"px;font-size:" + extras.fontSize +
            u"px;font-family:Arial;text-align:" + extras.pageNumberAlignment + u'}',
        u"#page span{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px;font-weight:bold}",
        u"#page a.pc{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px;font-weight:bold}",
        u"#page a.pc:visited{color:#" + extras.visitedColour + u'}',
        u"#page a.pi{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px}",
        u"#page a.pi:visited{color:#" + extras.visitedColour + u'}',
    }
        .join(u"\r\n");
}

QString settingsRules(const ExtrasOptions &extras)
{
    return QStringList{
        u"#m_setting a{color:#" + extras.colour + u'}',
        u"#m_setting a:visited{color:#" + extras.visitedColour + u'}',
        u"#m_setting{line-height:" + extras.moduleLineHeight + u"px;color:#" + extras.colour + u";font-size:" +
            extras.fontSize + u"px}",
        u"#m_setting img.sel{border:4px solid #" + extras.colour + u'}',
        u"#m_setting img.unsel{border:1px solid #" + extras.colour + u'}',
        u"#m_setting span.tit{font-size:" + extras.fontSize + u"px}",
        u"#m_setting span.usr{color:#" + extras.colour + u'}',
        u"#m_setting div.sel{padding-top:6px;font-size:" + extras.fontSize + u"px;font-weight:bold}",
        u"#m_setting div.line{margin-top:20px;line-height:" + extras.lineHeight + u"px;border-top:1px solid #" +
            extras.colour + u'}',
    }
        .join(u"\r\n");
}

QString announcementRules(const ExtrasOptions &extras)
{
    return QStringList{
        u"#m_sysinfo a{color:#" + extras.colour + u'}',
        u"#m_sysinfo a:visited{color:#" + extras.visitedColour + u'}',
        u"#m_sysinfo{line-height:" + extras.moduleLineHeight + u"px;color:#" + extras.colour + u";font-size:" +
            extras.fontSize + u"px} ",
        u"#m_sysinfo span.new{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px;font-family:Arial}",
        u"#m_sysinfo span.date{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px}",
    }
        .join(u"\r\n");
}

QString basicSettingsRules(const ExtrasOptions &extras)
{
    return QStringList{
        u"#m_setbase{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px} ",
        u"#m_setbase td{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px;line-height:" +
            extras.moduleLineHeight + u"px}",
        u"#m_setbase div.line{margin-top:5px;line-height:8px;border-top:1px solid #" + extras.colour + u'}',
    }
        .join(u"\r\n");
}

QString visitorRules(const ExtrasOptions &extras)
{
    return QStringList{
        u"#m_track {color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px}",
        u"#m_track a{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px}",
        u"#m_track a:hover{color:#" + extras.visitedColour + u'}',
        QStringLiteral("#m_track a img{filter:gray(enabled=1)}#m_track a:hover img{filter:gray(enabled=0)}"),
    }
        .join(u"\r\n");
}

QString searchRules(const ExtrasOptions &extras)
{
    QString radio;
    if (extras.searchPictureOn)
        radio = u"#m_search input.radio{background:url(" + extras.searchPicture + u")}";
    else
        radio = u"#m_search input.radio{background-color:#" + extras.searchColour + u'}';
    return QStringList{
        u"#m_search {color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px}",
        u"#m_search input.text{color:#" + extras.colour + u";font-size:" + extras.fontSize + u"px}",
        radio,
        u"#m_search input.submit{color:#" + extras.searchButtonColour + u";font-size:12px;}",
    }
        .join(u"\r\n");
}

QString playerRules(const ExtrasOptions &extras)
{
    if (extras.playerLook == PlayerLook::Hidden)
        return QStringLiteral("#mod_bgmusic{display:none}");
    if (extras.playerLook == PlayerLook::Filtered) {
        return QStringLiteral("#mod_bgmusic{display:block; no-repeat top right}\r\n"
                              "#phx{FILTER:Alpha(Opacity=100,FinishOpacity=10,Style=2,StartX=20,StartY=40,"
                              "FinishX=0,FinishY=0) gray;WIDTH:200px;HEIGHT:32px}");
    }
    return {}; // the plain look and any other text leave the player alone
}

QString pictureFilterRules(const ExtrasOptions &extras)
{
    if (!extras.pictureFilterOn)
        return {};
    return u"A IMG {FILTER: progid:DXImageTransform.Microsoft.Alpha(opacity=100,finishopacity=0,style=" +
           extras.pictureFilterStyle +
           u")}\r\nA:hover IMG {FILTER: progid:DXImageTransform.Microsoft.Alpha(opacity=100)}";
}

QString petRules(const ExtrasOptions &extras)
{
    if (extras.petSize == kHiddenPet)
        return QStringLiteral("#petObject {display:none}");
    if (extras.petSize == kDefaultPetSize)
        return {};
    return u"#petObject {width:" + extras.petSize + u"px!important;height:" + extras.petSize + u"px!important}";
}

} // namespace

Result<QStringList> generateExtras(const OptionSet &o)
{
    const Result<ExtrasOptions> extras = readOptions(o);
    if (!extras)
        return extras.failure();
    return QStringList{
        QStringLiteral("\r\n/*导航菜单与版权信息之间的区域*/"),
        stripRules(*extras),
        QStringLiteral("\r\n/*页码区域*/"),
        pageNumberRules(*extras),
        u"\r\n/*访问统计、模板设置*/\r\n" + settingsRules(*extras),
        u"\r\n/*系统公告*/\r\n" + announcementRules(*extras),
        u"\r\n/*基本设置*/\r\n" + basicSettingsRules(*extras),
        u"\r\n/*最近访客*/\r\n" + visitorRules(*extras),
        u"\r\n/*搜索模块*/\r\n" + searchRules(*extras),
        u"\r\n/*播放器特效*/\r\n" + playerRules(*extras),
        u"\r\n/*光晕特效*/\r\n" + pictureFilterRules(*extras),
        u"\r\n/*宠物设置*/\r\n" + petRules(*extras),
    };
}

} // namespace stylewright
