// Article area ("5.文章内容"): the article list of the space page, all under "#m_blog".

#include "generators/areas.h"
#include "generators/css_text.h"
#include "generators/effects.h"

namespace stylewright {
namespace {

// How the body rule ends for an effect. With a picture the font size is already closed by the
// picture part; without one the ending closes it with "px".
QString bodyEnding(Effect effect, bool withPicture, const QString &c)
{
    switch (effect) {
    case Effect::None:
        return QStringLiteral("}");
    case Effect::Glow:
        return u";filter:glow(color:#" + c + u",strength=3)}";
    case Effect::DropShadow:
        return QStringLiteral(";Filter:DropShadow(Color=color,Offx=Offx,Offy=offy,Positive=positive)}");
    case Effect::Blur:
        return QStringLiteral(";filter:blur(30)}");
    case Effect::Engrave:
        // Without a picture the raised look is a coloured shadow instead of an engrave filter.
        if (withPicture)
            return QStringLiteral(";filter:progid:DXImageTransform.Microsoft.engrave(bias=0.5)}");
        return u";filter:shadow(color:#" + c + u",strength=4)}";
    case Effect::Emboss:
        return QStringLiteral(";filter:progid:DXImageTransform.Microsoft.emboss(bias=0.5)}");
    case Effect::Wave:
        return QStringLiteral(";filter:Wave(Add=add,Freq=freq,LightStrength=strength,Phase=phase,Strength=strength)}");
    case Effect::Mask:
        return u";filter:Mask(color:#" + c + u")}";
    case Effect::FlipHorizontal:
        return QStringLiteral(";filter:FlipH}");
    case Effect::FlipVertical:
        return QStringLiteral(";filter:FlipV}");
    }
    return {};
}

QString bodyRule(const OptionSet &o)
{
    const std::optional<Effect> effect = matchEffect(o.value(u"cmbblogcnt"));
    if (!effect)
        return {};
    const QString head = u"#m_blog div.cnt{color:#" + colour(o, u"txtwznrc") + u";line-height:" +
                         o.value(u"txtwznrlh") + u"px;font-size:" + o.value(u"txtwznrzt");
    const QString c = colour(o, u"txtblogcntc");
    if (!o.isChecked(u"chcwznrbg"))
        return head + u"px" + bodyEnding(*effect, false, c);
    return head + u"px;background:url(" + o.value(u"txtwznrbg") + u");background-repeat:" + o.value(u"cmbwznrbg") +
           u";background-position:" + o.value(u"cmbwznrbgp") + bodyEnding(*effect, true, c);
}

QString titleRule(const OptionSet &o, const QString &titleColour, const QString &titleSize)
{
    if (!o.isChecked(u"chcwzbttp"))
        return u"#m_blog div.tit{color:#" + titleColour + u";font-size:" + titleSize + u"px;font-weight:bold}";
    return u"#m_blog div.tit{color:#" + titleColour + u";font-size:" + titleSize + u"px;text-indent:" +
           o.value(u"txtwzbtwz") + u"px;line-height:" + o.value(u"txtwzbtlh") + u"px;background:url(" +
           o.value(u"txtwzbtp") + u");background-repeat:" + o.value(u"cmbwzbt") + u";background-position:" +
           o.value(u"cmbwzbtp") + u'}';
}

QString separatorRule(const OptionSet &o, const QString &linkColour)
{
    if (o.isChecked(u"chcwzfjxp")) {
        return u"#m_blog div.line{background:url(" + o.value(u"txtwzfjxp") + u");background-repeat:" +
               o.value(u"cmbwzfjx") + u";line-height:" + o.value(u"txtwzfjxlh") + u"px}";
    }
    return u"#m_blog div.line{line-height:" + o.value(u"txtwzfjxlh") + u"px;border-top:1px solid #" + linkColour +
           u'}';
}

} // namespace

GeneratedBlock generateArticles(const OptionSet &o)
{
    const QString titleColour = colour(o, u"txtwzbtztc");
    const QString titleSize = o.value(u"txtwzbtzt");
    const QString linkColour = colour(o, u"txtwzflc");
    const QString linkVisited = colour(o, u"txtwzflcv");
    const QString linkSize = o.value(u"txtwzflz");

    QString scroll;
    if (o.isChecked(u"chcwznrgd"))
        scroll = u"#m_blog{overflow-y:auto;height:" + o.value(u"txtwznrgd") + u"px}";

    return {{
                QStringLiteral("\r\n/*文章区域*/"),
                scroll + u"\r\n" + titleRule(o, titleColour, titleSize) + u"\r\n" + u"#m_blog div.tit a{color:#" +
                    titleColour + u";font-size:" + titleSize + u"px;font-weight:bold}\r\n" +
                    u"#m_blog div.tit a:visited{color:#" + colour(o, u"txtwzbtztcv") + u"}\r\n" +
                    u"#m_blog div.date{margin:5px 0 8px " + o.value(u"txtwzrqw") + u"px;color:#" + titleColour +
                    u"}\r\n" + bodyRule(o) + u"\r\n" + u"#m_blog div.more{color:#" + linkColour + u";font-size:" +
                    linkSize + u"px}\r\n#m_blog div.more a:visited{color:#" + linkVisited + u"}\r\n" +
                    u"#m_blog div.opt{color:#" + linkColour + u";font-size:" + linkSize + u"px}\r\n" +
                    u"#m_blog div.opt a{color:#" + linkColour + u";font-size:" + linkSize + u"px}\r\n" +
                    u"#m_blog div.opt a:visited{color:#" + linkVisited + u"}\r\n" + separatorRule(o, linkColour) +
                    u"\r\n" + u"#m_blog div.none{padding:100px 0 100px 0;color:#" + linkColour + u";font-size:" +
                    linkSize + u"px}",
            },
            {}};
}

} // namespace stylewright
