// Article area ("5.文章内容"): the article list of the space page, all under "#m_blog".

#include "generators/areas.h"
#include "generators/css_text.h"
#include "options/choices.h"

namespace stylewright {
namespace {

using enum Option;

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
    const std::optional<Effect> effect = effectNamed(o.value(ArticleTextEffect));
    if (!effect)
        return {};
    const QString head = u"#m_blog div.cnt{color:#" + colour(o, ArticleTextColour) + u";line-height:" +
                         o.value(ArticleTextLineHeight) + u"px;font-size:" + o.value(ArticleTextFontSize);
    const QString c = colour(o, ArticleTextEffectColour);
    if (!o.isChecked(ArticleTextPictureOn))
        return head + u"px" + bodyEnding(*effect, false, c);
    return head + u"px;background:url(" + o.value(ArticleTextPicture) + u");background-repeat:" +
           o.value(ArticleTextPictureRepeat) + u";background-position:" + o.value(ArticleTextPicturePosition) +
           bodyEnding(*effect, true, c);
}

QString titleRule(const OptionSet &o, const QString &titleColour, const QString &titleSize)
{
    if (!o.isChecked(ArticleTitlePictureOn))
        return u"#m_blog div.tit{color:#" + titleColour + u";font-size:" + titleSize + u"px;font-weight:bold}";
    return u"#m_blog div.tit{color:#" + titleColour + u";font-size:" + titleSize + u"px;text-indent:" +
           o.value(ArticleTitleIndent) + u"px;line-height:" + o.value(ArticleTitleLineHeight) + u"px;background:url(" +
           o.value(ArticleTitlePicture) + u");background-repeat:" + o.value(ArticleTitlePictureRepeat) +
           u";background-position:" + o.value(ArticleTitlePicturePosition) + u'}';
}

QString separatorRule(const OptionSet &o, const QString &linkColour)
{
    if (o.isChecked(ArticleDividerPictureOn)) {
        return u"#m_blog div.line{background:url(" + o.value(ArticleDividerPicture) + u");background-repeat:" +
               o.value(ArticleDividerRepeat) + u";line-height:" + o.value(ArticleDividerLineHeight) + u"px}";
    }
    return u"#m_blog div.line{line-height:" + o.value(ArticleDividerLineHeight) + u"px;border-top:1px solid #" +
           linkColour + u'}';
}

} // namespace

Result<QStringList> generateArticles(const OptionSet &o)
{
    const QString titleColour = colour(o, ArticleTitleColour);
    const QString titleSize = o.value(ArticleTitleFontSize);
    const QString linkColour = colour(o, CategoryColour);
    const QString linkVisited = colour(o, CategoryVisitedColour);
    const QString linkSize = o.value(CategoryFontSize);

    QString scroll;
    if (o.isChecked(ArticleScrollOn))
        scroll = u"#m_blog{overflow-y:auto;height:" + o.value(ArticleScrollHeight) + u"px}";

    return QStringList{
        QStringLiteral("\r\n/*文章区域*/"),
        scroll + u"\r\n" + titleRule(o, titleColour, titleSize) + u"\r\n" + u"#m_blog div.tit a{color:#" + titleColour +
            u";font-size:" + titleSize + u"px;font-weight:bold}\r\n" + u"#m_blog div.tit a:visited{color:#" +
            colour(o, ArticleTitleVisitedColour) + u"}\r\n" + u"#m_blog div.date{margin:5px 0 8px " +
            o.value(ArticleDateIndent) + u"px;color:#" + titleColour + u"}\r\n" + bodyRule(o) + u"\r\n" +
            u"#m_blog div.more{color:#" + linkColour + u";font-size:" + linkSize +
            u"px}\r\n#m_blog div.more a:visited{color:#" + linkVisited + u"}\r\n" + u"#m_blog div.opt{color:#" +
            linkColour + u";font-size:" + linkSize + u"px}\r\n" + u"#m_blog div.opt a{color:#" + linkColour +
            u";font-size:" + linkSize + u"px}\r\n" + u"#m_blog div.opt a:visited{color:#" + linkVisited + u"}\r\n" +
            separatorRule(o, linkColour) + u"\r\n" + u"#m_blog div.none{padding:100px 0 100px 0;color:#" + linkColour +
            u";font-size:" + linkSize + u"px}",
    };
}

} // namespace stylewright
