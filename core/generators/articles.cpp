// Article area ("5.文章内容"): the article list of the space page, all under "#m_blog".

#include "generators/areas.h"
#include "generators/css_text.h"
#include "generators/effect_fragments.h"
#include "options/choices.h"

namespace stylewright {
namespace {

using enum Option;

struct ArticleOptions {
    bool scrollOn;
    QString scrollHeight;
    QString titleColour, titleVisitedColour, titleFontSize;
    bool titlePictureOn;
    QString titlePicture, titlePictureRepeat, titlePicturePosition, titleIndent, titleLineHeight;
    QString dateIndent;
    QString textColour, textFontSize, textLineHeight;
    bool textPictureOn;
    QString textPicture, textPictureRepeat, textPicturePosition;
    std::optional<Effect> textEffect; // nothing: the effect field names no effect and the rule is left out
    QString textEffectColour;
    bool dividerPictureOn;
    QString dividerPicture, dividerRepeat, dividerLineHeight;
    // The "more" and edit links, the divider line and the empty-list note take the category tab's look.
    QString linkColour, linkVisitedColour, linkFontSize;
};

ArticleOptions readOptions(const OptionSet &o)
{
    return {.scrollOn = o.isChecked(ArticleScrollOn),
            .scrollHeight = o.value(ArticleScrollHeight),
            .titleColour = colour(o, ArticleTitleColour),
            .titleVisitedColour = colour(o, ArticleTitleVisitedColour),
            .titleFontSize = o.value(ArticleTitleFontSize),
            .titlePictureOn = o.isChecked(ArticleTitlePictureOn),
            .titlePicture = o.value(ArticleTitlePicture),
            .titlePictureRepeat = o.value(ArticleTitlePictureRepeat),
            .titlePicturePosition = o.value(ArticleTitlePicturePosition),
            .titleIndent = o.value(ArticleTitleIndent),
            .titleLineHeight = o.value(ArticleTitleLineHeight),
            .dateIndent = o.value(ArticleDateIndent),
            .textColour = colour(o, ArticleTextColour),
            .textFontSize = o.value(ArticleTextFontSize),
            .textLineHeight = o.value(ArticleTextLineHeight),
            .textPictureOn = o.isChecked(ArticleTextPictureOn),
            .textPicture = o.value(ArticleTextPicture),
            .textPictureRepeat = o.value(ArticleTextPictureRepeat),
            .textPicturePosition = o.value(ArticleTextPicturePosition),
            .textEffect = effectNamed(o.value(ArticleTextEffect)),
            .textEffectColour = colour(o, ArticleTextEffectColour),
            .dividerPictureOn = o.isChecked(ArticleDividerPictureOn),
            .dividerPicture = o.value(ArticleDividerPicture),
            .dividerRepeat = o.value(ArticleDividerRepeat),
            .dividerLineHeight = o.value(ArticleDividerLineHeight),
            .linkColour = colour(o, CategoryColour),
            .linkVisitedColour = colour(o, CategoryVisitedColour),
            .linkFontSize = o.value(CategoryFontSize)};
}

QString titleRule(const ArticleOptions &article)
{
    const QString start = u"#m_blog div.tit{color:#" + article.titleColour + u";font-size:" + article.titleFontSize;
    if (!article.titlePictureOn)
        return start + u"px;font-weight:bold}";
    return start + u"px;text-indent:" + article.titleIndent + u"px;line-height:" + article.titleLineHeight +
           u"px;background:url(" + article.titlePicture + u");background-repeat:" + article.titlePictureRepeat +
           u";background-position:" + article.titlePicturePosition + u'}';
}

QString textRule(const ArticleOptions &article)
{
    if (!article.textEffect)
        return {};
    QString rule = u"#m_blog div.cnt{color:#" + article.textColour + u";line-height:" + article.textLineHeight +
                   u"px;font-size:" + article.textFontSize + u"px";
    if (article.textPictureOn) {
        rule += u";background:url(" + article.textPicture + u");background-repeat:" + article.textPictureRepeat +
                u";background-position:" + article.textPicturePosition;
    }
    return rule + articleEffectFilter(*article.textEffect, article.textEffectColour, article.textPictureOn) + u'}';
}

QString dividerRule(const ArticleOptions &article)
{
    if (article.dividerPictureOn) {
        return u"#m_blog div.line{background:url(" + article.dividerPicture + u");background-repeat:" +
               article.dividerRepeat + u";line-height:" + article.dividerLineHeight + u"px}";
    }
    return u"#m_blog div.line{line-height:" + article.dividerLineHeight + u"px;border-top:1px solid #" +
           article.linkColour + u'}';
}

} // namespace

Result<QStringList> generateArticles(const OptionSet &o)
{
    const ArticleOptions article = readOptions(o);
    // The declarations every link-styled rule ends with.
    const QString linkLook = u"color:#" + article.linkColour + u";font-size:" + article.linkFontSize + u"px}";
    QString scroll;
    if (article.scrollOn)
        scroll = u"#m_blog{overflow-y:auto;height:" + article.scrollHeight + u"px}";

    const QStringList rules{
        scroll,
        titleRule(article),
        u"#m_blog div.tit a{color:#" + article.titleColour + u";font-size:" + article.titleFontSize +
            u"px;font-weight:bold}",
        u"#m_blog div.tit a:visited{color:#" + article.titleVisitedColour + u'}',
        u"#m_blog div.date{margin:5px 0 8px " + article.dateIndent + u"px;color:#" + article.titleColour + u'}',
        textRule(article),
        u"#m_blog div.more{" + linkLook,
        u"#m_blog div.more a:visited{color:#" + article.linkVisitedColour + u'}',
        u"#m_blog div.opt{" + linkLook,
        u"#m_blog div.opt a{" + linkLook,
        u"#m_blog div.opt a:visited{color:#" + article.linkVisitedColour + u'}',
        dividerRule(article),
        u"#m_blog div.none{padding:100px 0 100px 0;" + linkLook,
    };
    return QStringList{QStringLiteral("\r\n/*文章区域*/"), rules.join(u"\r\n")};
}

} // namespace stylewright
