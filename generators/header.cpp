// Space name and introduction header ("2.名称简介").

#include "generators/areas.h"
#include "generators/css_text.h"
#include "generators/effects.h"

namespace stylewright {
namespace {

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
QString colourForm(Effect effect, const QString &c) { return effectFilter(effect, c) + u";color:#"; }

// Form 3: the effect is followed by a picture address.
QString pictureForm(Effect effect, const QString &c) { return effectFilter(effect, c) + u";background:url("; }

QString stripRule(const OptionSet &o)
{
    if (o.isChecked(u"chcmrl(0)")) {
        return u"#header{height:" + o.value(u"txtregh") + u"px;background:url(" + o.value(u"txtmrl(0)") + u") #" +
               colour(o, u"txtnc") + u";background-repeat:" + o.value(u"cmbmrl(0)") + u";background-position:" +
               o.value(u"cmbmrlp(0)") + u'}';
    }
    return u"#header{height:" + o.value(u"txtregh") + u"px;background-color:#" + colour(o, u"txtnc") + u'}';
}

struct Corner {
    QStringView selector, check, picture, repeat, position;
};
constexpr Corner kLeftCorner{u"#header div.lc{", u"chcmrl(1)", u"txtmrl(1)", u"cmbmrl(1)", u"cmbmrlp(1)"};
constexpr Corner kRightCorner{u"#header div.rc{", u"chcmrl(2)", u"txtmrl(2)", u"cmbmrl(2)", u"cmbmrlp(2)"};

QString cornerRule(const OptionSet &o, const Corner &corner)
{
    if (!o.isChecked(corner.check))
        return corner.selector + u'}';
    return corner.selector + u"background:url(" + o.value(corner.picture) + u");background-repeat:" +
           o.value(corner.repeat) + u";background-position:" + o.value(corner.position) + u'}';
}

QString titleRule(const OptionSet &o, const QString &lineHeight)
{
    const std::optional<Effect> effect = matchEffect(o.value(u"cmbmjxg(0)"));
    if (!effect)
        return {};
    const QString c = colour(o, u"txtfgu");
    const QString start = u"#header div.tit{top:" + o.value(u"txtntop") + u"px;left:" + o.value(u"txtnleft") +
                          u"px;line-height:" + lineHeight + u"px;font-size:" + o.value(u"txtnfz") +
                          u"px;font-family:" + o.value(u"cmbnf");
    if (!o.isChecked(u"chcmcbg"))
        return start + closingForm(*effect, c);
    return start + pictureForm(*effect, c) + o.value(u"txtmcbg") +
           u");background-repeat:no-repeat;background-position:center center}";
}

QString introRule(const OptionSet &o, const QString &lineHeight)
{
    const std::optional<Effect> effect = matchEffect(o.value(u"cmbmjxg(1)"));
    if (!effect)
        return {};
    const QString start = u"#header div.desc{text-decoration:none;top:" + o.value(u"txtjjtop") + u"px;left:" +
                          o.value(u"txtjjleft") + u"px;font-size:" + o.value(u"txtjjsize") + u"px;line-height:" +
                          lineHeight + u"px;font-family:" + o.value(u"cmbjjf") +
                          colourForm(*effect, colour(o, u"txtfgjj")) + colour(o, u"txtjjcol");
    if (!o.isChecked(u"chcmcjj"))
        return start + u'}';
    // The mask effect alone takes the short background form.
    const QStringView tail = *effect == Effect::Mask
                                 ? QStringView(u") no-repeat center}")
                                 : QStringView(u");background-repeat:no-repeat;background-position:center center}");
    return start + u";background:url(" + o.value(u"txtjjbg") + tail;
}

} // namespace

GeneratedBlock generateHeader(const OptionSet &o)
{
    const QString nameSize = o.value(u"txtnfz");
    const std::optional<QString> nameLineHeight = addToDecimal(nameSize, 5);
    if (!nameLineHeight)
        return {{}, notANumberError(u"名称栏字体大小", nameSize)};
    const QString introSize = o.value(u"txtjjsize");
    const std::optional<QString> introLineHeight = addToDecimal(introSize, 5);
    if (!introLineHeight)
        return {{}, notANumberError(u"简介栏字体大小", introSize)};

    return {{
                QStringLiteral("\r\n/*空间名称&简介区域*/"),
                stripRule(o) + u"\r\n" + cornerRule(o, kLeftCorner) + u"\r\n" +
                    cornerRule(o, kRightCorner) + u"\r\n" + titleRule(o, *nameLineHeight) + u"\r\n" +
                    u"#header div.tit a.titlink{text-decoration:none;color:#" + colour(o, u"txtnol") + u"}\r\n" +
                    u"#header div.tit a.titlink:visited{text-decoration:none;color:#" + colour(o, u"txtnolv") +
                    u"}\r\n" + introRule(o, *introLineHeight),
            },
            {}};
}

} // namespace stylewright
