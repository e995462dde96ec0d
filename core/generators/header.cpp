// Space name and introduction header ("2.名称简介").

#include "generators/areas.h"
#include "generators/css_text.h"
#include "options/choices.h"

namespace stylewright {
namespace {

using enum Option;

// The filter an effect adds after a rule's own properties; empty for "无效果". Every fragment form
// below is this filter followed by the form's own ending.
QString effectFilter(Effect effect, const QString &c)
{
    switch (effect) {
    case Effect::None:
        return {};
    case Effect::Glow:
        return u";filter:glow(color:#" + c + u",strength=3)";
    case Effect::DropShadow:
        return u";Filter:DropShadow(Color=#" + c + u",Offx=Offx,Offy=offy,Positive=positive)";
    case Effect::Blur:
        return QStringLiteral(";filter:blur(30)");
    case Effect::Engrave:
        return QStringLiteral(";filter:progid:DXImageTransform.Microsoft.engrave(bias=0.5)");
    case Effect::Emboss:
        return QStringLiteral(";filter:progid:DXImageTransform.Microsoft.emboss(bias=0.5)");
    case Effect::Wave:
        return QStringLiteral(";filter:Wave(Add=add,Freq=freq,LightStrength=strength,Phase=phase,Strength=strength)");
    case Effect::Mask:
        return u";filter:Mask(Color:#" + c + u')';
    case Effect::FlipHorizontal:
        return QStringLiteral(";filter:FlipH");
    case Effect::FlipVertical:
        return QStringLiteral(";filter:FlipV");
    }
    return {};
}

// Form 1: the effect closes the rule. Only the emboss filter carries a strength here.
QString closingForm(Effect effect, const QString &c)
{
    if (effect == Effect::Emboss)
        return effectFilter(effect, c) + u",strength=4)}";
    return effectFilter(effect, c) + u'}';
}

// Form 2: the effect is followed by a text colour.
QString colourForm(Effect effect, const QString &c)
{
    return effectFilter(effect, c) + u";color:#";
}

// Form 3: the effect is followed by a picture address.
QString pictureForm(Effect effect, const QString &c)
{
    return effectFilter(effect, c) + u";background:url(";
}

QString stripRule(const OptionSet &o)
{
    if (o.isChecked(HeaderMiddlePictureOn)) {
        return u"#header{height:" + o.value(HeaderHeight) + u"px;background:url(" + o.value(HeaderMiddlePicture) +
               u") #" + colour(o, HeaderColour) + u";background-repeat:" + o.value(HeaderMiddlePictureRepeat) +
               u";background-position:" + o.value(HeaderMiddlePicturePosition) + u'}';
    }
    return u"#header{height:" + o.value(HeaderHeight) + u"px;background-color:#" + colour(o, HeaderColour) + u'}';
}

struct Corner {
    QStringView selector;
    Option check, picture, repeat, position;
};
constexpr Corner kLeftCorner{u"#header div.lc{", HeaderLeftPictureOn, HeaderLeftPicture, HeaderLeftPictureRepeat,
                             HeaderLeftPicturePosition};
constexpr Corner kRightCorner{u"#header div.rc{", HeaderRightPictureOn, HeaderRightPicture, HeaderRightPictureRepeat,
                              HeaderRightPicturePosition};

QString cornerRule(const OptionSet &o, const Corner &corner)
{
    if (!o.isChecked(corner.check))
        return corner.selector + u'}';
    return corner.selector + u"background:url(" + o.value(corner.picture) + u");background-repeat:" +
           o.value(corner.repeat) + u";background-position:" + o.value(corner.position) + u'}';
}

QString titleRule(const OptionSet &o, const QString &lineHeight)
{
    const std::optional<Effect> effect = effectNamed(o.value(NameEffect));
    if (!effect)
        return {};
    const QString c = colour(o, NameEffectColour);
    const QString start = u"#header div.tit{top:" + o.value(NameTop) + u"px;left:" + o.value(NameLeft) +
                          u"px;line-height:" + lineHeight + u"px;font-size:" + o.value(NameFontSize) +
                          u"px;font-family:" + o.value(NameFont);
    if (!o.isChecked(NamePictureOn))
        return start + closingForm(*effect, c);
    return start + pictureForm(*effect, c) + o.value(NamePicture) +
           u");background-repeat:no-repeat;background-position:center center}";
}

QString introRule(const OptionSet &o, const QString &lineHeight)
{
    const std::optional<Effect> effect = effectNamed(o.value(IntroEffect));
    if (!effect)
        return {};
    const QString start = u"#header div.desc{text-decoration:none;top:" + o.value(IntroTop) + u"px;left:" +
                          o.value(IntroLeft) + u"px;font-size:" + o.value(IntroFontSize) + u"px;line-height:" +
                          lineHeight + u"px;font-family:" + o.value(IntroFont) +
                          colourForm(*effect, colour(o, IntroEffectColour)) + colour(o, IntroColour);
    if (!o.isChecked(IntroPictureOn))
        return start + u'}';
    // The mask effect alone takes the short background form.
    const QStringView tail = *effect == Effect::Mask
                                 ? QStringView(u") no-repeat center}")
                                 : QStringView(u");background-repeat:no-repeat;background-position:center center}");
    return start + u";background:url(" + o.value(IntroPicture) + tail;
}

} // namespace

Result<QStringList> generateHeader(const OptionSet &o)
{
    const QString nameSize = o.value(NameFontSize);
    const std::optional<QString> nameLineHeight = addToDecimal(nameSize, 5);
    if (!nameLineHeight)
        return notANumber(u"名称栏字体大小", nameSize);
    const QString introSize = o.value(IntroFontSize);
    const std::optional<QString> introLineHeight = addToDecimal(introSize, 5);
    if (!introLineHeight)
        return notANumber(u"简介栏字体大小", introSize);

    return QStringList{
        QStringLiteral("\r\n/*空间名称&简介区域*/"),
        stripRule(o) + u"\r\n" + cornerRule(o, kLeftCorner) + u"\r\n" + cornerRule(o, kRightCorner) + u"\r\n" +
            titleRule(o, *nameLineHeight) + u"\r\n" + u"#header div.tit a.titlink{text-decoration:none;color:#" +
            colour(o, NameColour) + u"}\r\n" + u"#header div.tit a.titlink:visited{text-decoration:none;color:#" +
            colour(o, NameVisitedColour) + u"}\r\n" + introRule(o, *introLineHeight),
    };
}

} // namespace stylewright
